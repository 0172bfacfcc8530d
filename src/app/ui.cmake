# The windowing layer, the helper layer of the data screens, the start screen,
# the hub, the about box and the message dialogs.
target_sources(rvl92ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/accessibility.cpp ${CMAKE_CURRENT_LIST_DIR}/accessibility.h
    ${CMAKE_CURRENT_LIST_DIR}/databinding.cpp ${CMAKE_CURRENT_LIST_DIR}/databinding.h
    ${CMAKE_CURRENT_LIST_DIR}/datascreen.cpp ${CMAKE_CURRENT_LIST_DIR}/datascreen.h
    ${CMAKE_CURRENT_LIST_DIR}/form.cpp ${CMAKE_CURRENT_LIST_DIR}/form.h
    ${CMAKE_CURRENT_LIST_DIR}/formnames.h
    ${CMAKE_CURRENT_LIST_DIR}/forms.cpp ${CMAKE_CURRENT_LIST_DIR}/forms.h
    ${CMAKE_CURRENT_LIST_DIR}/frmabout.cpp ${CMAKE_CURRENT_LIST_DIR}/frmabout.h
    ${CMAKE_CURRENT_LIST_DIR}/frmdialogbericht.cpp ${CMAKE_CURRENT_LIST_DIR}/frmdialogbericht.h
    ${CMAKE_CURRENT_LIST_DIR}/frmdialogyesno.cpp ${CMAKE_CURRENT_LIST_DIR}/frmdialogyesno.h
    ${CMAKE_CURRENT_LIST_DIR}/frmstartscherm.cpp ${CMAKE_CURRENT_LIST_DIR}/frmstartscherm.h
    ${CMAKE_CURRENT_LIST_DIR}/frmzoekprogramma.cpp ${CMAKE_CURRENT_LIST_DIR}/frmzoekprogramma.h
    ${CMAKE_CURRENT_LIST_DIR}/menuscreen.cpp ${CMAKE_CURRENT_LIST_DIR}/menuscreen.h
    ${CMAKE_CURRENT_LIST_DIR}/messagebox.cpp ${CMAKE_CURRENT_LIST_DIR}/messagebox.h
    ${CMAKE_CURRENT_LIST_DIR}/modrvl92.cpp ${CMAKE_CURRENT_LIST_DIR}/modrvl92.h
    ${CMAKE_CURRENT_LIST_DIR}/registerforms.cpp ${CMAKE_CURRENT_LIST_DIR}/registerforms.h
    ${CMAKE_CURRENT_LIST_DIR}/startup.cpp ${CMAKE_CURRENT_LIST_DIR}/startup.h
)
