# Export line layouts: pure logic, written to a QIODevice.
target_sources(rvl92core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/exportlines.cpp ${CMAKE_CURRENT_LIST_DIR}/exportlines.h
    ${CMAKE_CURRENT_LIST_DIR}/layouts.cpp ${CMAKE_CURRENT_LIST_DIR}/layouts.h
)
