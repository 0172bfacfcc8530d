# Tests of the browse screens: their rules, and each screen driven headless.
set(_browse ${CMAKE_CURRENT_LIST_DIR}/browse)
rvl92_add_test(tst_browseregels SOURCES ${_browse}/tst_browseregels.cpp LIBS rvl92core)
foreach(t frmfunctienamen frmberoepen frmnamen frmkenmerken)
    if(EXISTS ${_browse}/tst_${t}.cpp)
        rvl92_add_test(tst_${t} SOURCES ${_browse}/tst_${t}.cpp ${_browse}/browsetest.h
                       ${_browse}/browsedb.h LIBS rvl92ui SQLite::SQLite3)
    endif()
endforeach()
