# Documentation and help: the pure rules (associations, rich text, help texts,
# the notices about missing documents).
target_sources(rvl92core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/association.cpp ${CMAKE_CURRENT_LIST_DIR}/association.h
    ${CMAKE_CURRENT_LIST_DIR}/fileassociation.h
    ${CMAKE_CURRENT_LIST_DIR}/helptexts.cpp ${CMAKE_CURRENT_LIST_DIR}/helptexts.h
    ${CMAKE_CURRENT_LIST_DIR}/rtfreader.cpp ${CMAKE_CURRENT_LIST_DIR}/rtfreader.h
    ${CMAKE_CURRENT_LIST_DIR}/documentlauncher.cpp ${CMAKE_CURRENT_LIST_DIR}/documentlauncher.h
    ${CMAKE_CURRENT_LIST_DIR}/notices.cpp ${CMAKE_CURRENT_LIST_DIR}/notices.h
)
# The system's file associations: one implementation per platform.
if(WIN32)
    target_sources(rvl92core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fileassociation_win.cpp)
    target_link_libraries(rvl92core PRIVATE advapi32 shell32)
else()
    target_sources(rvl92core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fileassociation_xdg.cpp)
endif()
