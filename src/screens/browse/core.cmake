# Rules of the browse screens that need no widgets.
target_sources(rvl92core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/rvlcolumns.cpp ${CMAKE_CURRENT_LIST_DIR}/rvlcolumns.h
    ${CMAKE_CURRENT_LIST_DIR}/browsemessages.cpp ${CMAKE_CURRENT_LIST_DIR}/browsemessages.h
    ${CMAKE_CURRENT_LIST_DIR}/codeboxkeys.cpp ${CMAKE_CURRENT_LIST_DIR}/codeboxkeys.h
    ${CMAKE_CURRENT_LIST_DIR}/jumpvalue.cpp ${CMAKE_CURRENT_LIST_DIR}/jumpvalue.h
)
