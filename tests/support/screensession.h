#pragma once

// What the tests of the data screens share: the program's forms on a test
// database of their own, a fresh start for every test, and what a screen's
// list shows.

#include "app/appstate.h"
#include "app/datascreen.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "app/registerforms.h"

#include "support/formdriver.h"

#include <QTableView>

namespace drive {

// The program's forms, started from `programDir`.
inline void install(const QString& programDir) {
    rvl92::appState().programDir = programDir;
    rvl92::registerForms();
}

// A fresh start: the shared variables as at start-up, no message recorded,
// 96 dots per inch, and only the start screen shown.
inline void restart() {
    rvl92::resetAppState();
    rvl92::msgbox::clearShown();
    rvl92::setDpiOverride(96, 96);
    rvl92::forms().show(rvl92::form::Startscherm);
}

// Column `c` of every row the list holds, and the captions of its visible
// columns.
inline QStringList column(QTableView* list, int c = 0) {
    QStringList out;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        out << list->model()->index(r, c).data().toString();
    return out;
}
inline QStringList captions(QTableView* list) {
    QStringList out;
    for (int c = 0; c < list->model()->columnCount(); ++c)
        if (!list->isColumnHidden(c))
            out << list->model()->headerData(c, Qt::Horizontal).toString();
    return out;
}

// The texts of the five code boxes, joined by `sep`.
inline QString codeBoxes(const QString& form, const QString& sep = QStringLiteral("|")) {
    QStringList texts;
    for (int k = 1; k <= 5; ++k)
        texts << child<QLineEdit>(form, QStringLiteral("txtZ%1").arg(k))->text();
    return texts.join(sep);
}

// A column of the screen's current row.
inline QString current(const QString& form, int column = 1) {
    auto* s = qobject_cast<rvl92::DataScreen*>(rvl92::forms().find(form));
    return s && s->Rs->onRow() ? s->Rs->text(column) : QStringLiteral("<geen rij>");
}

} // namespace drive
