#pragma once

// Driving the browse screens headless, the way a user does: forms by name,
// widgets by object name, keys typed into the focused widget.

#include "app/appstate.h"
#include "app/datascreen.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "app/registerforms.h"

#include "browsefixture.h"
#include "support/formdriver.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace browsedriver {

using namespace rvl92;

using drive::child;
using drive::closeNotice;
using drive::counter;
using drive::focus;
using drive::grid;
using drive::show;
using drive::type;

inline QAction* actie(const QString& form, const QString& naam) {
    return child<QAction>(form, naam);
}
inline DataScreen* scherm(const QString& form) {
    return qobject_cast<DataScreen*>(forms().find(form));
}
inline QString tekst(const QString& form, const QString& naam) {
    auto* box = child<QLineEdit>(form, naam);
    return box ? box->text() : "<geen " + naam + ">";
}
// A column of the current row.
inline QString huidig(const QString& form, int kolom = 1) {
    DataScreen* s = scherm(form);
    return s && s->Rs->onRow() ? s->Rs->text(kolom) : QStringLiteral("<geen rij>");
}
inline bool zichtbaar(const QString& form, const QString& naam) {
    return child(form, naam)->isVisibleTo(forms().find(form));
}

inline void ctrl(QWidget* w, Qt::Key toets) {
    QTest::keyClick(w, toets, Qt::ControlModifier);
}

// The test database in a program directory of its own, the program's forms,
// and a fresh start (start screen shown, nothing else) for every test.
class Omgeving {
public:
    bool maak() {
        if (!m_dir.isValid() || !browsefixture::schrijf(m_dir.path()))
            return false;
        appState().programDir = m_dir.path();
        registerForms();
        return true;
    }
    QString pad() const { return m_dir.path(); }
    static void begin() {
        resetAppState();
        msgbox::clearShown();
        clearDpiOverride();
        forms().show(form::Startscherm);
    }
    static void einde() { drive::unloadAll(); }

private:
    QTemporaryDir m_dir;
};

} // namespace browsedriver
