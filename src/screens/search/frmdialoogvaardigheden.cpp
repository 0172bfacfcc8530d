#include "screens/search/frmdialoogvaardigheden.h"

#include "screens/search/frmzoekenkenmerken.h"
#include "screens/search/searchcondition.h"

namespace rvl92 {

frmDialoogVaardigheden::frmDialoogVaardigheden(QWidget* parent)
    : ReplaceChoice(form::DialoogVaardigheden, QStringLiteral("Vervangen vaardigheden"),
                    QStringLiteral("Geef aan welke vaardigheid vervangen moet worden"),
                    QStringLiteral("cmdVaardigheid"), search::MaxSkills, 4, parent) {}

QStringList frmDialoogVaardigheden::chosen(const frmZoekenKenmerken& searchForm) const {
    return searchForm.chosenCodes(frmZoekenKenmerken::Criterion::Vaardigheden);
}

void frmDialoogVaardigheden::replace(frmZoekenKenmerken& searchForm, int index) {
    searchForm.replaceChosen(frmZoekenKenmerken::Criterion::Vaardigheden, index);
}

} // namespace rvl92
