#pragma once

#include "app/form.h"
#include "app/menutable.h"

#include <QMap>

class QAction;
class QKeyEvent;
class QMenuBar;
class QVBoxLayout;

namespace rvl92 {

// A form with the shared menu bar: the data screens and the hub. The bar is
// built from the menu table for this form's name; every item calls the
// handler of its role below. The common handlers are here; a screen overrides
// the ones its own rules change.
class MenuScreen : public Form {
    Q_OBJECT
public:
    // `screenName` is what the screen writes into gsHuidigScherm.
    MenuScreen(const QString& formName, const QString& screenName, QWidget* parent = nullptr);

    QString screenName() const { return m_screenName; }
    QAction* menuItem(MenuRole role) const { return m_items.value(role); }
    QMenuBar* menuBar() const { return m_menuBar; }

    // Whether `e` is the shortcut of an enabled menu item of this screen. Such
    // a key goes to the menu even while a text box has the focus, so that for
    // instance "Vorig scherm" works from a search box.
    bool isMenuShortcut(const QKeyEvent* e) const;

    // Show or hide the current-row highlight; screens with a grid override.
    virtual void applyRecordSelector(bool /*on*/) {}

protected:
    // The layout below the menu bar that holds the screen's controls.
    QVBoxLayout* body() const { return m_body; }

    // Writes gsRvl92Code before a list item opens another screen. Browse
    // screens store their current row's code; the default stores nothing.
    virtual void storeCurrentCode() {}
    // What "Vorig scherm" stores besides the screen name (browse screens: the
    // current code); the default stores nothing.
    virtual void storeCodeForBack() {}

    virtual void mnuExporteren_Click() {}
    virtual void mnuSluiten_Click();
    virtual void mnuZoekenFunctienaam_Click();
    virtual void mnuZoekenRvl92_Click();
    virtual void mnuZoekenKenmerken_Click();
    virtual void mnuFunctienamen_Click();
    virtual void mnuBeroepen_Click();
    virtual void mnuNamen_Click();
    virtual void mnuKenmerken_Click();
    virtual void mnuVorigScherm_Click();
    virtual void mnuNaarStartscherm_Click();
    virtual void mnuVorigeCode_Click() {}
    virtual void mnuVolgendeCode_Click() {}
    virtual void mnuEersteRecord_Click() {}
    virtual void mnuLaatsteRecord_Click() {}
    virtual void mnuRecordselector_Click();
    virtual void mnuHandleiding_Click();
    virtual void mnuVraagteken_Click();
    virtual void mnuCoderen_Click();

private:
    void dispatch(MenuRole role);
    void handOff(const QString& formName);

    QString m_screenName;
    QMenuBar* m_menuBar = nullptr;
    QVBoxLayout* m_body = nullptr;
    QMap<MenuRole, QAction*> m_items;
};

} // namespace rvl92
