# Logic of the search screens: search texts, code boxes, the condition of the
# search on characteristics.
target_sources(rvl92core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/codepattern.cpp ${CMAKE_CURRENT_LIST_DIR}/codepattern.h
    ${CMAKE_CURRENT_LIST_DIR}/characteristiccodes.cpp ${CMAKE_CURRENT_LIST_DIR}/characteristiccodes.h
    ${CMAKE_CURRENT_LIST_DIR}/searchcondition.cpp ${CMAKE_CURRENT_LIST_DIR}/searchcondition.h
    ${CMAKE_CURRENT_LIST_DIR}/searchtext.cpp ${CMAKE_CURRENT_LIST_DIR}/searchtext.h
)
