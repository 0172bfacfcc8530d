#include "screens/search/frmdialogniveau.h"

#include "app/forms.h"
#include "screens/search/frmzoekenkenmerken.h"

#include <QPointer>

namespace rvl92 {

frmDialogNiveau::frmDialogNiveau(QWidget* parent)
    : ReplaceQuestion(form::DialogNiveau,
                      QStringLiteral("Er is al een niveau opgegeven. Wilt u deze vervangen"),
                      parent) {}

void frmDialogNiveau::cmdYes_Click() {
    QPointer<frmZoekenKenmerken> searchForm = searchScreen();
    showSearchScreen();
    if (searchForm)
        searchForm->replaceChosen(frmZoekenKenmerken::Criterion::Niveau);
    forms().unload(this);
}

} // namespace rvl92
