# Logic of the search screens: search texts, code boxes, the condition of the
# search on characteristics.
target_sources(rvl92core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/codepatroon.cpp ${CMAKE_CURRENT_LIST_DIR}/codepatroon.h
    ${CMAKE_CURRENT_LIST_DIR}/kenmerkcodes.cpp ${CMAKE_CURRENT_LIST_DIR}/kenmerkcodes.h
    ${CMAKE_CURRENT_LIST_DIR}/zoekstring.cpp ${CMAKE_CURRENT_LIST_DIR}/zoekstring.h
    ${CMAKE_CURRENT_LIST_DIR}/zoektekst.cpp ${CMAKE_CURRENT_LIST_DIR}/zoektekst.h
)
