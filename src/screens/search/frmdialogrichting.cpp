#include "screens/search/frmdialogrichting.h"

#include "app/forms.h"
#include "screens/search/frmzoekenkenmerken.h"

#include <QPointer>

namespace rvl92 {

frmDialogRichting::frmDialogRichting(QWidget* parent)
    : VervangVraag(form::DialogRichting,
                   QStringLiteral("Er is al een (Hoofd)richting opgegeven. Wilt u deze vervangen"),
                   parent) {}

void frmDialogRichting::cmdYes_Click() {
    QPointer<frmZoekenKenmerken> scherm = zoekscherm();
    forms().unload(this);
    toonZoekscherm();
    if (scherm)
        scherm->replaceChosen(frmZoekenKenmerken::Criterion::Richting);
}

} // namespace rvl92
