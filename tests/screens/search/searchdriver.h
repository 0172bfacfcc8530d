#pragma once

// What the GUI tests of the search screens share: a program directory with the
// test classification, the forms registered with stand-ins for the browse
// screens, and helpers to reach controls by their names.

#include "screens/search/choicedialog.h"

#include "searchfixture.h"
#include "support/probeform.h"
#include "support/screensession.h"

#include <QAction>
#include <QTemporaryDir>

namespace searchtest {

// The menu items that a search result makes available.
inline const QStringList Resultaat{"mnuExporteren", "mnuNamen", "mnuKenmerken", "mnuEersteRecord",
                                   "mnuLaatsteRecord"};

using namespace rvl92;
using drive::captions;
using drive::child;
using drive::click;
using drive::closeNotice;
using drive::codeBoxes;
using drive::column;
using drive::counter;
using drive::grid;
using drive::menu;

// The browse screens are stand-ins: the tests look at what is handed to them
// (gsRvl92Code) and which one is shown.
inline bool opzetten(const QTemporaryDir& dir) {
    const bool ok = searchfixture::schrijf(dir.path());
    drive::install(dir.path());
    for (const QString& f : {form::Functienamen, form::Beroepen, form::Namen, form::Kenmerken})
        forms().registerForm(f, [f] { return new ProbeScreen(f, f); });
    return ok;
}

inline void begin(const QString& scherm) {
    drive::restart();
    appState().gsStartRvl92Code = QStringLiteral("22020");
    forms().show(scherm);
}

// Those of the named items that are enabled.
inline QStringList aan(const QString& form, const QStringList& names) {
    QStringList out;
    for (const QString& n : names)
        if (QAction* a = child<QAction>(form, n); a && a->isEnabled())
            out << n;
    return out;
}

inline QString actief() {
    return forms().active() ? forms().active()->objectName() : QString();
}
inline void vorigScherm() {
    qobject_cast<MenuScreen*>(forms().active())->menuItem(MenuRole::VorigScherm)->trigger();
}

} // namespace searchtest
