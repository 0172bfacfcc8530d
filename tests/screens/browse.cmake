# Tests of the browse screens: their rules, and the screens driven headless.
set(_browse ${CMAKE_CURRENT_LIST_DIR}/browse)
rvl92_add_test(tst_browseregels SOURCES ${_browse}/tst_browseregels.cpp LIBS rvl92core)
rvl92_add_test(tst_browseschermen
    SOURCES ${_browse}/tst_browseschermen.cpp ${_browse}/browsetest.h ${_browse}/browsedb.h
    LIBS rvl92ui SQLite::SQLite3)
