# Documentation and help: the document launcher, the help window, the
# conversion-scheme dialog.
target_sources(rvl92ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frmdialogpdforword.cpp ${CMAKE_CURRENT_LIST_DIR}/frmdialogpdforword.h
    ${CMAKE_CURRENT_LIST_DIR}/frmdialogschakelschema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmdialogschakelschema.h
    ${CMAKE_CURRENT_LIST_DIR}/placement.cpp ${CMAKE_CURRENT_LIST_DIR}/placement.h
    ${CMAKE_CURRENT_LIST_DIR}/frmshowrtfhelp.cpp ${CMAKE_CURRENT_LIST_DIR}/frmshowrtfhelp.h
    ${CMAKE_CURRENT_LIST_DIR}/viewerwait.cpp ${CMAKE_CURRENT_LIST_DIR}/viewerwait.h
)
