#include "app/listrules.h"

namespace rvl92 {

namespace {
constexpr qsizetype OccupationAboveMax = 90;
constexpr qsizetype OccupationInListMax = 100;
constexpr qsizetype JobTitleMax = 100;
} // namespace

qsizetype textLength(QStringView text) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

bool isLongOccupationName(QStringView occupation) {
    return textLength(occupation) > OccupationAboveMax;
}

bool isLongOccupationNameInList(QStringView occupation) {
    return textLength(occupation) > OccupationInListMax;
}

bool isLongJobTitle(QStringView jobTitle) {
    return textLength(jobTitle) > JobTitleMax;
}

ListFont normalListFont() {
    return {QStringLiteral("MS SANS SERIF"), 8.25};
}

ListFont smallListFont() {
    return {QStringLiteral("Arial"), 6.75};
}

ListFont listFontFor(QStringView jobTitle) {
    return isLongJobTitle(jobTitle) ? smallListFont() : normalListFont();
}

} // namespace rvl92
