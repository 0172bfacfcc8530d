#include "screens/browse/jumpvalue.h"

namespace rvl92 {

JumpStep jumpKey(const QString& jumpValue, char32_t key) {
    using S = JumpStep::Kind;
    switch (key) {
    case 27:
        return {S::Clear, QString()};
    case 13:
        return {S::Focus, jumpValue};
    case 8: {
        const QString shorter = withoutLastCharacter(jumpValue);
        if (shorter.isEmpty())
            return {S::Clear, QString()};
        return {S::Jump, shorter};
    }
    default:
        break;
    }
    // "A" to "z" start a value, and so does any other letter (É, é): titles
    // that begin with an accented letter can be reached too. A digit, a
    // blank or a mark only continues a value.
    const bool startsValue = (key >= 65 && key <= 122) || QChar::isLetter(key);
    if (!startsValue && jumpValue.isEmpty())
        return {S::Ignore, jumpValue};
    return {S::Jump, jumpValue + QString::fromUcs4(&key, 1)};
}

QString withoutLastCharacter(const QString& value) {
    if (value.isEmpty())
        return value;
    const qsizetype n = value.size();
    if (n >= 2 && value.at(n - 1).isLowSurrogate() && value.at(n - 2).isHighSurrogate())
        return value.left(n - 2);
    return value.left(n - 1);
}

} // namespace rvl92
