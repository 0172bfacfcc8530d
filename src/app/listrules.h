#pragma once

#include <QString>
#include <QStringView>

namespace rvl92 {

// Length in characters as a reader counts them (an accented letter is one, and
// so is a pair of surrogates).
qsizetype textLength(QStringView text);

// An occupation name that does not fit the one-line box above a list or on the
// characteristics screen: shown in the two-line box instead.
bool isLongOccupationName(QStringView occupation);
// An occupation name that does not fit one row of the occupation list: its
// current row is shown two rows high.
bool isLongOccupationNameInList(QStringView occupation);
// A job title that does not fit its column in the normal font.
bool isLongJobTitle(QStringView jobTitle);

// The font of a list's rows: a smaller one while the current job title is long.
struct ListFont {
    QString family;
    double points = 0;

    bool operator==(const ListFont&) const = default;
};
ListFont listFontFor(QStringView jobTitle);
ListFont normalListFont();
ListFont smallListFont();

// Width of the not-found notice of the browse and search screens.
constexpr int NotFoundWidthTwips = 5190;

} // namespace rvl92
