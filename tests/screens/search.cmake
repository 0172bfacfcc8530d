# Tests of the search screens and their logic.
set(_s ${CMAKE_CURRENT_LIST_DIR}/search)
foreach(t tst_zoektekst tst_codepatroon tst_zoekstring)
    rvl92_add_test(${t} SOURCES ${_s}/${t}.cpp LIBS rvl92core SQLite::SQLite3)
endforeach()
foreach(t tst_zoekenfuncties tst_zoekenrvl92 tst_zoekenkenmerken tst_coderen)
    if(EXISTS ${_s}/${t}.cpp)
        rvl92_add_test(${t} SOURCES ${_s}/${t}.cpp ${_s}/zoekdb.h ${_s}/zoekscherm.h
                       ${CMAKE_CURRENT_LIST_DIR}/../app/probeform.h
                       LIBS rvl92ui SQLite::SQLite3)
        target_include_directories(${t} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../app)
    endif()
endforeach()
unset(_s)
