#include "screens/search/zoekhulp.h"

#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmdialogbericht.h"
#include "screens/search/zoektekst.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace rvl92::zoeken {

int toetsWaarde(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ToetsEnter;
    case Qt::Key_Backspace:
        return ToetsBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString t = e->text();
    return t.isEmpty() ? -1 : int(t.at(0).unicode());
}

bool isMenuSneltoets(const QWidget* screen, const QKeyEvent* e) {
    const QKeySequence seq(e->keyCombination());
    const auto actions = screen->findChildren<QAction*>();
    for (const QAction* a : actions)
        if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == seq)
            return true;
    return false;
}

void toonNietGevonden(const QString& tekst) {
    auto* dlg = qobject_cast<frmDialogNietGevonden*>(forms().load(form::DialogNietGevonden));
    if (!dlg)
        return;
    dlg->setWidthTwips(5190);
    dlg->setText(tekst);
    forms().show(dlg);
}

void zetLijstLettertype(QWidget* grid, bool klein) {
    QFont f = grid->font();
    f.setFamily(klein ? QStringLiteral("Arial") : QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(klein ? 6.75 : 8.25);
    grid->setFont(f);
}

} // namespace rvl92::zoeken
