#include "screens/search/frmdialogrichting.h"

#include "app/forms.h"
#include "screens/search/frmzoekenkenmerken.h"

#include <QPointer>

namespace rvl92 {

frmDialogRichting::frmDialogRichting(QWidget* parent)
    : ReplaceQuestion(
          form::DialogRichting,
          QStringLiteral("Er is al een (Hoofd)richting opgegeven. Wilt u deze vervangen"), parent) {
}

void frmDialogRichting::cmdYes_Click() {
    QPointer<frmZoekenKenmerken> searchForm = searchScreen();
    forms().unload(this);
    showSearchScreen();
    if (searchForm)
        searchForm->replaceChosen(frmZoekenKenmerken::Criterion::Richting);
}

} // namespace rvl92
