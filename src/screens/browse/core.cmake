# Rules of the browse screens that need no widgets.
target_sources(rvl92core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/browseregels.cpp ${CMAKE_CURRENT_LIST_DIR}/browseregels.h
    ${CMAKE_CURRENT_LIST_DIR}/browseteksten.cpp ${CMAKE_CURRENT_LIST_DIR}/browseteksten.h
    ${CMAKE_CURRENT_LIST_DIR}/codevakken.cpp ${CMAKE_CURRENT_LIST_DIR}/codevakken.h
    ${CMAKE_CURRENT_LIST_DIR}/springwaarde.cpp ${CMAKE_CURRENT_LIST_DIR}/springwaarde.h
)
