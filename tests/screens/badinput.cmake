# Bad input typed into every box of every screen.
set(_b ${CMAKE_CURRENT_LIST_DIR}/badinput)
rvl92_add_test(tst_slechteinvoer
    SOURCES ${_b}/tst_slechteinvoer.cpp ${_b}/slechteinvoerdb.h
    LIBS rvl92ui SQLite::SQLite3)
unset(_b)
