#pragma once

// Driving forms headless the way a user does: forms by name, widgets by
// object name, keys typed into whatever has the focus.

#include "app/form.h"
#include "app/formnames.h"
#include "app/forms.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace drive {

template <typename T = QWidget> T* child(const QString& form, const QString& name) {
    rvl92::Form* f = rvl92::forms().find(form);
    return f ? f->findChild<T*>(name) : nullptr;
}

// A screen's list and its record counter.
inline QTableView* grid(const QString& form) {
    return child<QTableView>(form, "DataGrid1");
}
inline QString counter(const QString& form) {
    auto* label = child<QLabel>(form, "lblRecordCount");
    return label ? label->text() : QStringLiteral("<geen teller>");
}

// Unloads every form and lets Qt delete them: the next test starts afresh.
inline void unloadAll() {
    rvl92::forms().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QWidget* focus() {
    return QApplication::focusWidget();
}

// Shows the form and waits until it is the active window, as a click on it
// would make it.
inline rvl92::Form* show(const QString& form) {
    rvl92::Form* f = rvl92::forms().show(form);
    if (f && !QTest::qWaitForWindowActive(f))
        qWarning("%s is not active", qPrintable(form));
    return f;
}

// A click on a button, or a menu item chosen; false when it is not there or
// not enabled, as a user could not reach it either.
inline bool click(const QString& form, const QString& button) {
    auto* b = child<QPushButton>(form, button);
    if (!b || !b->isEnabled())
        return false;
    QTest::mouseClick(b, Qt::LeftButton);
    return true;
}
inline bool menu(const QString& form, const QString& item) {
    QAction* a = child<QAction>(form, item);
    if (!a || !a->isEnabled())
        return false;
    a->trigger();
    return true;
}

// Picks entry `i` of a drop-down list as the user does.
inline void pick(const QString& form, const QString& list, int i) {
    auto* c = child<QComboBox>(form, list);
    QVERIFY2(c && c->count() > i, qPrintable(list));
    c->setCurrentIndex(i);
    emit c->activated(i);
}

// Brings a search screen to a result as a user would: "a" and Enter in the
// job-title search, "1" in the first code box or the first level chosen, then
// "Zoeken". Other forms are left alone.
inline void search(const QString& form) {
    using namespace rvl92;
    if (form == form::ZoekenFuncties) {
        auto* box = child<QLineEdit>(form, "txtZoekstr");
        QTest::keyClicks(box, "a");
        QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    if (form == form::ZoekenRvl92) {
        child(form, "txtZ1")->setFocus();
        QTest::keyClick(child(form, "txtZ1"), Qt::Key_1);
    } else if (form == form::ZoekenKenmerken) {
        if (child<QComboBox>(form, "cboNiveau")->count() > 0) // a list that could be read
            pick(form, "cboNiveau", 0);
    } else {
        return;
    }
    click(form, "cmdZoeken");
}

// Types `keys` into `target`, or key by key into whatever has the focus then:
// "\b" Backspace, "\x1b" Escape, "\r" Enter, "↑" "↓" "→" arrows, other
// characters as text, accented ones included.
inline void type(QWidget* target, const QString& keys) {
    static const QHash<QChar, Qt::Key> named{
        {'\b', Qt::Key_Backspace},   {'\x1b', Qt::Key_Escape},      {'\r', Qt::Key_Return},
        {QChar(0x2191), Qt::Key_Up}, {QChar(0x2193), Qt::Key_Down}, {QChar(0x2192), Qt::Key_Right}};
    for (const QChar c : keys) {
        QWidget* w = target ? target : focus();
        QVERIFY2(w, "nothing has the focus");
        if (named.contains(c))
            QTest::keyClick(w, named[c]);
        else if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The text of the message dialog that is up, closed with OK; "geen" when none
// is up.
inline QString closeNotice(const QString& form = rvl92::form::DialogNietGevonden) {
    rvl92::Form* d = rvl92::forms().find(form);
    auto* label = child<QLabel>(form, "lblText");
    if (!d || !d->isVisible() || !label)
        return QStringLiteral("geen");
    const QString t = label->text();
    QTest::mouseClick(child(form, "OKButton"), Qt::LeftButton);
    return t;
}

} // namespace drive
