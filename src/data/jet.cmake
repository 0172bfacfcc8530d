# Reading of the original Jet (.MDB) database file with mdbtools' libmdb;
# added to rvl92core when RVL92_WITH_JET is on.
if(NOT TARGET PkgConfig::LIBMDB)
    message(FATAL_ERROR
        "libmdb not found: install mdbtools-dev (Debian/Ubuntu), or configure with "
        "-DRVL92_WITH_JET=OFF to build a program that cannot read Jet database files.")
endif()
target_sources(rvl92core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/jetformat.cpp ${CMAKE_CURRENT_LIST_DIR}/jetformat.h
    ${CMAKE_CURRENT_LIST_DIR}/jetimport.cpp ${CMAKE_CURRENT_LIST_DIR}/jetimport.h
    ${CMAKE_CURRENT_LIST_DIR}/jetreader.cpp ${CMAKE_CURRENT_LIST_DIR}/jetreader.h
    ${CMAKE_CURRENT_LIST_DIR}/jettablewriter.cpp ${CMAKE_CURRENT_LIST_DIR}/jettablewriter.h)
target_link_libraries(rvl92core PRIVATE PkgConfig::LIBMDB SQLite::SQLite3)
