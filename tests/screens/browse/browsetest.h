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

#include "browsedb.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace bt {

using namespace rvl92;

template <typename T = QWidget> T* kind(const QString& form, const QString& naam) {
    Form* f = forms().find(form);
    return f ? f->findChild<T*>(naam) : nullptr;
}
inline QAction* actie(const QString& form, const QString& naam) {
    return kind<QAction>(form, naam);
}
inline DataScreen* scherm(const QString& form) {
    return qobject_cast<DataScreen*>(forms().find(form));
}
inline QString tekst(const QString& form, const QString& naam) {
    auto* box = kind<QLineEdit>(form, naam);
    return box ? box->text() : "<geen " + naam + ">";
}
inline QString teller(const QString& form) {
    return kind<QLabel>(form, "lblRecordCount")->text();
}
// A column of the current row.
inline QString huidig(const QString& form, int kolom = 1) {
    DataScreen* s = scherm(form);
    return s && s->Rs->onRow() ? s->Rs->text(kolom) : QStringLiteral("<geen rij>");
}
inline QTableView* lijst(const QString& form) {
    return kind<QTableView>(form, "DataGrid1");
}
inline QWidget* focus() {
    return QApplication::focusWidget();
}
inline bool zichtbaar(const QString& form, const QString& naam) {
    return kind(form, naam)->isVisibleTo(forms().find(form));
}

inline Form* toon(const QString& form) {
    Form* f = forms().show(form);
    if (f && !QTest::qWaitForWindowActive(f))
        qWarning("%s is not active", qPrintable(form));
    return f;
}

// Types `reeks` into `doel`, or key by key into whatever has the focus then:
// "\b" Backspace, "\x1b" Escape, "\r" Enter, "↑" "↓" "→" arrows, other
// characters as text, accented ones included.
inline void typ(QWidget* doel, const QString& reeks) {
    const QHash<QChar, Qt::Key> toetsen{
        {'\b', Qt::Key_Backspace},   {'\x1b', Qt::Key_Escape},      {'\r', Qt::Key_Return},
        {QChar(0x2191), Qt::Key_Up}, {QChar(0x2193), Qt::Key_Down}, {QChar(0x2192), Qt::Key_Right}};
    for (const QChar c : reeks) {
        QWidget* w = doel ? doel : QApplication::focusWidget();
        QVERIFY2(w, "nothing has the focus");
        if (toetsen.contains(c))
            QTest::keyClick(w, toetsen[c]);
        else if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
inline void ctrl(QWidget* w, Qt::Key toets) {
    QTest::keyClick(w, toets, Qt::ControlModifier);
}

// The text of the message dialog that is up; OK closes it.
inline QString sluitMelding(const QString& form = form::DialogNietGevonden) {
    auto* label = kind<QLabel>(form, "lblText");
    if (!label)
        return QStringLiteral("<geen melding>");
    const QString t = label->text();
    QTest::mouseClick(kind(form, "OKButton"), Qt::LeftButton);
    return t;
}

// The test database in a program directory of its own, the program's forms,
// and a fresh start (start screen shown, nothing else) for every test.
class Omgeving {
public:
    bool maak() {
        if (!m_dir.isValid() || !browsedb::schrijf(m_dir.path()))
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
    static void einde() {
        forms().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace bt
