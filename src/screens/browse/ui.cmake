# The browse screens.
target_sources(rvl92ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/browsescreen.cpp ${CMAKE_CURRENT_LIST_DIR}/browsescreen.h
    ${CMAKE_CURRENT_LIST_DIR}/frmberoepen.cpp ${CMAKE_CURRENT_LIST_DIR}/frmberoepen.h
    ${CMAKE_CURRENT_LIST_DIR}/frmfunctienamen.cpp ${CMAKE_CURRENT_LIST_DIR}/frmfunctienamen.h
    ${CMAKE_CURRENT_LIST_DIR}/frmkenmerken.cpp ${CMAKE_CURRENT_LIST_DIR}/frmkenmerken.h
    ${CMAKE_CURRENT_LIST_DIR}/frmnamen.cpp ${CMAKE_CURRENT_LIST_DIR}/frmnamen.h
)
