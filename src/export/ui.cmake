# Export frame: the save dialog, the file and the messages; per-screen entries.
target_sources(rvl92ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/exportframe.cpp ${CMAKE_CURRENT_LIST_DIR}/exportframe.h
    ${CMAKE_CURRENT_LIST_DIR}/screenexports.cpp ${CMAKE_CURRENT_LIST_DIR}/screenexports.h
)
