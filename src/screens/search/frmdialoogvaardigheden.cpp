#include "screens/search/frmdialoogvaardigheden.h"

#include "screens/search/frmzoekenkenmerken.h"
#include "screens/search/zoekstring.h"

namespace rvl92 {

frmDialoogVaardigheden::frmDialoogVaardigheden(QWidget* parent)
    : VervangKeuze(form::DialoogVaardigheden, QStringLiteral("Vervangen vaardigheden"),
                   QStringLiteral("Geef aan welke vaardigheid vervangen moet worden"),
                   QStringLiteral("cmdVaardigheid"), zoeken::MaxVaardigheden, 4, parent) {}

QStringList frmDialoogVaardigheden::gekozen(const frmZoekenKenmerken& scherm) const {
    return scherm.chosenCodes(frmZoekenKenmerken::Criterion::Vaardigheden);
}

void frmDialoogVaardigheden::vervang(frmZoekenKenmerken& scherm, int index) {
    scherm.replaceChosen(frmZoekenKenmerken::Criterion::Vaardigheden, index);
}

} // namespace rvl92
