#pragma once

// Driving the browse screens headless, the way a user does: forms by name,
// widgets by object name, keys typed into the focused widget.

#include "browsefixture.h"
#include "support/screensession.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

namespace browsedriver {

using namespace rvl92;

using drive::child;
using drive::closeNotice;
using drive::codeBoxes;
using drive::counter;
using drive::current;
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
inline bool zichtbaar(const QString& form, const QString& naam) {
    return child(form, naam)->isVisibleTo(forms().find(form));
}

inline void ctrl(QWidget* w, Qt::Key toets) {
    QTest::keyClick(w, toets, Qt::ControlModifier);
}

} // namespace browsedriver
