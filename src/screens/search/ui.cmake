# The search screens and the choice dialogs of the search on characteristics.
set(_d ${CMAKE_CURRENT_LIST_DIR})
target_sources(rvl92ui PRIVATE
    ${_d}/frmcoderen.cpp ${_d}/frmcoderen.h
    ${_d}/frmdialogbestandcoderen.cpp ${_d}/frmdialogbestandcoderen.h
    ${_d}/frmdialogniveau.cpp ${_d}/frmdialogniveau.h
    ${_d}/frmdialogrichting.cpp ${_d}/frmdialogrichting.h
    ${_d}/frmdialoogvaardigheden.cpp ${_d}/frmdialoogvaardigheden.h
    ${_d}/frmdialoogwerksoorten.cpp ${_d}/frmdialoogwerksoorten.h
    ${_d}/frmzoekenfuncties.cpp ${_d}/frmzoekenfuncties.h
    ${_d}/frmzoekenkenmerken.cpp ${_d}/frmzoekenkenmerken.h
    ${_d}/frmzoekenrvl92.cpp ${_d}/frmzoekenrvl92.h
    ${_d}/jobtitlesearchscreen.cpp ${_d}/jobtitlesearchscreen.h
    ${_d}/keuzedialoog.cpp ${_d}/keuzedialoog.h
)
unset(_d)
