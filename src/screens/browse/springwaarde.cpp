#include "screens/browse/springwaarde.h"

namespace rvl92 {

SpringStap springToets(const QString& springWaarde, char32_t toets) {
    using S = SpringStap::Soort;
    switch (toets) {
    case 27:
        return {S::Wissen, QString()};
    case 13:
        return {S::Focus, springWaarde};
    case 8: {
        const QString korter = zonderLaatsteTeken(springWaarde);
        if (korter.isEmpty())
            return {S::Wissen, QString()};
        return {S::Springen, korter};
    }
    default:
        break;
    }
    // "A" to "z" start a value, and so does any other letter (É, é): titles
    // that begin with an accented letter can be reached too. A digit, a
    // blank or a mark only continues a value.
    const bool begint = (toets >= 65 && toets <= 122) || QChar::isLetter(toets);
    if (!begint && springWaarde.isEmpty())
        return {S::Negeren, springWaarde};
    return {S::Springen, springWaarde + QString::fromUcs4(&toets, 1)};
}

QString zonderLaatsteTeken(const QString& waarde) {
    if (waarde.isEmpty())
        return waarde;
    const qsizetype n = waarde.size();
    if (n >= 2 && waarde.at(n - 1).isLowSurrogate() && waarde.at(n - 2).isHighSurrogate())
        return waarde.left(n - 2);
    return waarde.left(n - 1);
}

} // namespace rvl92
