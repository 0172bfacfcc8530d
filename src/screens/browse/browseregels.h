#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace rvl92 {

// Length in characters as a reader counts them (an accented letter is one).
qsizetype aantalTekens(QStringView tekst);

// An occupation name that does not fit the one-line box above a list or on the
// characteristics screen: shown in the two-line box instead.
bool isLangeBeroepsnaam(QStringView beroep);
// An occupation name that does not fit one row of the occupation list: its
// current row is shown two rows high.
bool isLangeBeroepsnaamInLijst(QStringView beroep);
// A job title that does not fit its column in the normal font.
bool isLangeFunctienaam(QStringView functienaam);

// The font of a job-title list: a smaller one while the current title is long.
struct Lettertype {
    QString familie;
    double punten = 0;

    bool operator==(const Lettertype&) const = default;
};
Lettertype lijstLettertype(QStringView functienaam);
Lettertype normaalLijstLettertype();
Lettertype kleinLijstLettertype();

// The 34 columns of table RVL in the order the characteristics screen and its
// export read them.
QStringList rvlKolommen();
// What is wrong with the columns of a row of RVL.* (names without regard to
// case; more columns after the last are harmless), or "" when nothing is.
QString rvlKolomAfwijking(const QStringList& kolommen);

} // namespace rvl92
