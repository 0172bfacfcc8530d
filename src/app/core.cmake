# The application layer's rules that need no widgets: shared state and screen
# history, key and list rules, the menu table, options and screen texts.
target_sources(rvl92core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/appstate.cpp ${CMAKE_CURRENT_LIST_DIR}/appstate.h
    ${CMAKE_CURRENT_LIST_DIR}/codeboxes.h
    ${CMAKE_CURRENT_LIST_DIR}/keys.cpp ${CMAKE_CURRENT_LIST_DIR}/keys.h
    ${CMAKE_CURRENT_LIST_DIR}/listrules.cpp ${CMAKE_CURRENT_LIST_DIR}/listrules.h
    ${CMAKE_CURRENT_LIST_DIR}/menutable.cpp ${CMAKE_CURRENT_LIST_DIR}/menutable.h
    ${CMAKE_CURRENT_LIST_DIR}/options.cpp ${CMAKE_CURRENT_LIST_DIR}/options.h
    ${CMAKE_CURRENT_LIST_DIR}/screentext.cpp ${CMAKE_CURRENT_LIST_DIR}/screentext.h
)
