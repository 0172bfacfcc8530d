# The read-only database connection, the static recordset and its grid model,
# Jet Like matching and the find index.
target_sources(rvl92core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/database.cpp ${CMAKE_CURRENT_LIST_DIR}/database.h
    ${CMAKE_CURRENT_LIST_DIR}/dberror.h
    ${CMAKE_CURRENT_LIST_DIR}/growbuffer.h
    ${CMAKE_CURRENT_LIST_DIR}/jetlike.cpp ${CMAKE_CURRENT_LIST_DIR}/jetlike.h
    ${CMAKE_CURRENT_LIST_DIR}/pages.h
    ${CMAKE_CURRENT_LIST_DIR}/prefixindex.cpp ${CMAKE_CURRENT_LIST_DIR}/prefixindex.h
    ${CMAKE_CURRENT_LIST_DIR}/recordset.cpp ${CMAKE_CURRENT_LIST_DIR}/recordset.h
    ${CMAKE_CURRENT_LIST_DIR}/recordsetmodel.cpp ${CMAKE_CURRENT_LIST_DIR}/recordsetmodel.h
    ${CMAKE_CURRENT_LIST_DIR}/sqltext.h
)
# The address-space reservation of large buffers: one file per platform.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    target_sources(rvl92core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/pages_linux.cpp)
else()
    target_sources(rvl92core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/pages_heap.cpp)
endif()
