#include "screens/search/frmdialoogwerksoorten.h"

#include "screens/search/frmzoekenkenmerken.h"
#include "screens/search/searchcondition.h"

namespace rvl92 {

frmDialoogWerksoorten::frmDialoogWerksoorten(QWidget* parent)
    : ReplaceChoice(form::DialoogWerksoorten, QStringLiteral("Vervangen werksoorten"),
                    QStringLiteral("Geef aan welke werksoort vervangen moet worden"),
                    QStringLiteral("cmdWerksoort"), search::MaxWorkTypes, search::MaxWorkTypes,
                    parent) {}

QStringList frmDialoogWerksoorten::chosen(const frmZoekenKenmerken& searchForm) const {
    return searchForm.chosenCodes(frmZoekenKenmerken::Criterion::Werksoorten);
}

void frmDialoogWerksoorten::replace(frmZoekenKenmerken& searchForm, int index) {
    searchForm.replaceChosen(frmZoekenKenmerken::Criterion::Werksoorten, index);
}

} // namespace rvl92
