# Tests of reading the original Jet (.MDB) database file; included by
# tests/data/CMakeLists.txt when RVL92_WITH_JET is on.
rvl92_add_test(tst_jetimport SOURCES tst_jetimport.cpp
    LIBS rvl92core SQLite::SQLite3)
# A damaged file that sent the reader into an endless loop must fail the run,
# not stall it.
set_tests_properties(tst_jetimport PROPERTIES TIMEOUT 300)
add_dependencies(tst_jetimport rvl92_demodata)
