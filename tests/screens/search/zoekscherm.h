#pragma once

// What the GUI tests of the search screens share: a program directory with the
// test classification, the forms registered with stand-ins for the browse
// screens, and small helpers to reach controls by their names.

#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmdialogbericht.h"
#include "app/modrvl92.h"
#include "app/registerforms.h"
#include "screens/search/keuzedialoog.h"

#include "probeform.h"
#include "zoekdb.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace zoektest {

using namespace rvl92;

// The browse screens are stand-ins here: the tests look at what is handed to
// them (gsRvl92Code) and which one is shown.
inline void registreer() {
    registerForms();
    const std::pair<QString, QString> browse[] = {{form::Functienamen, screen::Functienamen},
                                                  {form::Beroepen, screen::Beroepen},
                                                  {form::Namen, screen::Namen},
                                                  {form::Kenmerken, screen::Kenmerken}};
    for (const auto& [f, s] : browse)
        forms().registerForm(f, [f, s] { return new ProbeScreen(f, s); });
}

inline void begin() {
    resetAppState();
    setDpiOverride(96, 96);
    forms().show(form::Startscherm);
    appState().gsStartRvl92Code = QStringLiteral("22020");
}

inline void einde() {
    forms().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename T = QWidget> T* kind(const QString& form, const QString& name) {
    Form* f = forms().find(form);
    return f ? f->findChild<T*>(name) : nullptr;
}

inline QAction* item(const QString& form, const char* name) {
    return kind<QAction>(form, QString::fromLatin1(name));
}

// The names of the items that are enabled, of those given.
inline QStringList aan(const QString& form, const QStringList& names) {
    QStringList out;
    for (const QString& n : names)
        if (QAction* a = kind<QAction>(form, n); a && a->isEnabled())
            out << n;
    return out;
}

inline QString nietGevondenTekst() {
    auto* d = qobject_cast<BerichtDialog*>(forms().find(form::DialogNietGevonden));
    return d ? d->text() : QString();
}

inline void klikOK() {
    if (auto* ok = kind<QPushButton>(form::DialogNietGevonden, QStringLiteral("OKButton")))
        QTest::mouseClick(ok, Qt::LeftButton);
}

inline QString actief() {
    Form* f = forms().active();
    return f ? f->objectName() : QString();
}

// Column 0 of every row the grid shows.
inline QStringList gridCodes(QTableView* grid) {
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, 0).data().toString();
    return out;
}

inline QStringList koppen(QTableView* grid) {
    QStringList out;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        if (!grid->isColumnHidden(c))
            out << grid->model()->headerData(c, Qt::Horizontal).toString();
    return out;
}

} // namespace zoektest
