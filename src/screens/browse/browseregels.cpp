#include "screens/browse/browseregels.h"

namespace rvl92 {

namespace {
constexpr qsizetype BeroepBovenMax = 90;
constexpr qsizetype BeroepInLijstMax = 100;
constexpr qsizetype FunctienaamMax = 100;
} // namespace

qsizetype aantalTekens(QStringView tekst) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i].isHighSurrogate() && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

bool isLangeBeroepsnaam(QStringView beroep) {
    return aantalTekens(beroep) > BeroepBovenMax;
}

bool isLangeBeroepsnaamInLijst(QStringView beroep) {
    return aantalTekens(beroep) > BeroepInLijstMax;
}

bool isLangeFunctienaam(QStringView functienaam) {
    return aantalTekens(functienaam) > FunctienaamMax;
}

Lettertype normaalLijstLettertype() {
    return {QStringLiteral("MS SANS SERIF"), 8.25};
}

Lettertype kleinLijstLettertype() {
    return {QStringLiteral("Arial"), 6.75};
}

Lettertype lijstLettertype(QStringView functienaam) {
    return isLangeFunctienaam(functienaam) ? kleinLijstLettertype() : normaalLijstLettertype();
}

} // namespace rvl92
