#include "screens/search/frmdialoogwerksoorten.h"

#include "screens/search/frmzoekenkenmerken.h"
#include "screens/search/zoekstring.h"

namespace rvl92 {

frmDialoogWerksoorten::frmDialoogWerksoorten(QWidget* parent)
    : VervangKeuze(form::DialoogWerksoorten, QStringLiteral("Vervangen werksoorten"),
                   QStringLiteral("Geef aan welke werksoort vervangen moet worden"),
                   QStringLiteral("cmdWerksoort"), zoeken::MaxWerksoorten, zoeken::MaxWerksoorten,
                   parent) {}

QStringList frmDialoogWerksoorten::gekozen(const frmZoekenKenmerken& scherm) const {
    return scherm.chosenCodes(frmZoekenKenmerken::Criterion::Werksoorten);
}

void frmDialoogWerksoorten::vervang(frmZoekenKenmerken& scherm, int index) {
    scherm.replaceChosen(frmZoekenKenmerken::Criterion::Werksoorten, index);
}

} // namespace rvl92
