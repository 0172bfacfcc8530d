# The search screens and the choice dialogs of the search on characteristics.
target_sources(rvl92ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frmcoderen.cpp ${CMAKE_CURRENT_LIST_DIR}/frmcoderen.h
    ${CMAKE_CURRENT_LIST_DIR}/frmdialogbestandcoderen.cpp ${CMAKE_CURRENT_LIST_DIR}/frmdialogbestandcoderen.h
    ${CMAKE_CURRENT_LIST_DIR}/frmdialogniveau.cpp ${CMAKE_CURRENT_LIST_DIR}/frmdialogniveau.h
    ${CMAKE_CURRENT_LIST_DIR}/frmdialogrichting.cpp ${CMAKE_CURRENT_LIST_DIR}/frmdialogrichting.h
    ${CMAKE_CURRENT_LIST_DIR}/frmdialoogvaardigheden.cpp ${CMAKE_CURRENT_LIST_DIR}/frmdialoogvaardigheden.h
    ${CMAKE_CURRENT_LIST_DIR}/frmdialoogwerksoorten.cpp ${CMAKE_CURRENT_LIST_DIR}/frmdialoogwerksoorten.h
    ${CMAKE_CURRENT_LIST_DIR}/frmzoekenfuncties.cpp ${CMAKE_CURRENT_LIST_DIR}/frmzoekenfuncties.h
    ${CMAKE_CURRENT_LIST_DIR}/frmzoekenkenmerken.cpp ${CMAKE_CURRENT_LIST_DIR}/frmzoekenkenmerken.h
    ${CMAKE_CURRENT_LIST_DIR}/frmzoekenrvl92.cpp ${CMAKE_CURRENT_LIST_DIR}/frmzoekenrvl92.h
    ${CMAKE_CURRENT_LIST_DIR}/jobtitlesearchscreen.cpp ${CMAKE_CURRENT_LIST_DIR}/jobtitlesearchscreen.h
    ${CMAKE_CURRENT_LIST_DIR}/choicedialog.cpp ${CMAKE_CURRENT_LIST_DIR}/choicedialog.h
)
