#include "app/menuscreen.h"

#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace rvl92 {

MenuScreen::MenuScreen(const QString& formName, const QString& screenName, QWidget* parent)
    : Form(formName, parent), m_screenName(screenName) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    outer->setMenuBar(m_menuBar);
    auto* inner = new QWidget(this);
    m_body = new QVBoxLayout(inner);
    outer->addWidget(inner);

    for (const MenuDef& menuDef : screenMenu(formName)) {
        QMenu* menu = m_menuBar->addMenu(menuDef.caption);
        menu->setObjectName(menuDef.name);
        menu->menuAction()->setObjectName(menuDef.name);
        for (const MenuItemDef& item : menuDef.items) {
            if (item.role == MenuRole::Separator) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(item.caption);
            a->setObjectName(item.name);
            if (!item.shortcut.isEmpty()) {
                a->setShortcut(QKeySequence(item.shortcut));
                a->setShortcutContext(Qt::WindowShortcut);
            }
            a->setCheckable(item.checkable);
            a->setChecked(item.checked);
            a->setEnabled(item.enabled);
            const MenuRole role = item.role;
            connect(a, &QAction::triggered, this, [this, role] { dispatch(role); });
            m_items.insert(role, a);
        }
    }
}

void MenuScreen::dispatch(MenuRole role) {
    switch (role) {
    case MenuRole::Exporteren:
        return mnuExporteren_Click();
    case MenuRole::Sluiten:
        return mnuSluiten_Click();
    case MenuRole::ZoekenFunctienaam:
        return mnuZoekenFunctienaam_Click();
    case MenuRole::ZoekenRvl92:
        return mnuZoekenRvl92_Click();
    case MenuRole::ZoekenKenmerken:
        return mnuZoekenKenmerken_Click();
    case MenuRole::Functienamen:
        return mnuFunctienamen_Click();
    case MenuRole::Beroepen:
        return mnuBeroepen_Click();
    case MenuRole::Namen:
        return mnuNamen_Click();
    case MenuRole::Kenmerken:
        return mnuKenmerken_Click();
    case MenuRole::VorigScherm:
        return mnuVorigScherm_Click();
    case MenuRole::NaarStartscherm:
        return mnuNaarStartscherm_Click();
    case MenuRole::VorigeCode:
        return mnuVorigeCode_Click();
    case MenuRole::VolgendeCode:
        return mnuVolgendeCode_Click();
    case MenuRole::EersteRecord:
        return mnuEersteRecord_Click();
    case MenuRole::LaatsteRecord:
        return mnuLaatsteRecord_Click();
    case MenuRole::Recordselector:
        return mnuRecordselector_Click();
    case MenuRole::Handleiding:
        return mnuHandleiding_Click();
    case MenuRole::Vraagteken:
        return mnuVraagteken_Click();
    case MenuRole::Coderen:
        return mnuCoderen_Click();
    case MenuRole::Separator:
        return;
    }
}

void MenuScreen::handOff(const QString& formName) {
    storeCurrentCode();
    forms().show(formName);
}

void MenuScreen::mnuSluiten_Click() {
    forms().show(form::DialogYesNo);
}

void MenuScreen::mnuZoekenFunctienaam_Click() {
    forms().show(form::ZoekenFuncties);
}

void MenuScreen::mnuZoekenRvl92_Click() {
    forms().show(form::ZoekenRvl92);
}

void MenuScreen::mnuZoekenKenmerken_Click() {
    forms().show(form::ZoekenKenmerken);
}

void MenuScreen::mnuFunctienamen_Click() {
    handOff(form::Functienamen);
}

void MenuScreen::mnuBeroepen_Click() {
    handOff(form::Beroepen);
}

void MenuScreen::mnuNamen_Click() {
    handOff(form::Namen);
}

void MenuScreen::mnuKenmerken_Click() {
    handOff(form::Kenmerken);
}

void MenuScreen::mnuVorigScherm_Click() {
    appState().gsHuidigScherm = m_screenName;
    storeCodeForBack();
    appState().gbVorigScherm = True;
    ToonVorigScherm();
}

void MenuScreen::mnuNaarStartscherm_Click() {
    appState().gsHuidigScherm = screen::Start;
    forms().show(form::Startscherm);
}

void MenuScreen::mnuRecordselector_Click() {
    QAction* a = menuItem(MenuRole::Recordselector);
    // The item's check mark has already flipped when this runs; decide on the
    // state it had when it was clicked.
    const bool wasChecked = a ? !a->isChecked() : appState().gbRecordselector == True;
    appState().gbRecordselector = wasChecked ? False : True;
    applyRecordSelector(!wasChecked);
    SynchroniseerRecordselector();
}

void MenuScreen::mnuHandleiding_Click() {
    appState().gbHandleiding = True;
    forms().show(form::DialogPdfOrWord);
}

void MenuScreen::mnuVraagteken_Click() {
    forms().show(form::ShowRtfHelp);
}

void MenuScreen::mnuCoderen_Click() {
    forms().show(form::Coderen);
}

bool MenuScreen::isMenuShortcut(const QKeyEvent* e) const {
    const QKeySequence key(e->keyCombination());
    for (const QAction* a : findChildren<QAction*>())
        if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == key)
            return true;
    return false;
}

} // namespace rvl92
