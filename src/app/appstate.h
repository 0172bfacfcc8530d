#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace rvl92 {

// Flags shared between screens hold -1 for true and 0 for false.
using Flag = std::int16_t;
constexpr Flag True = -1;
constexpr Flag False = 0;

// The screen names as the screens write them into gsHuidigScherm and the
// history. Two differ from their form names in letter case only.
namespace screen {
inline const QString Start = QStringLiteral("frmStartschermViewRVL");
inline const QString Functienamen = QStringLiteral("frmFunctienamen");
inline const QString Beroepen = QStringLiteral("frmBeroepen");
inline const QString Namen = QStringLiteral("frmNamen");
inline const QString Kenmerken = QStringLiteral("frmKenmerken");
inline const QString ZoekenFuncties = QStringLiteral("frmZoekenFuncties");
inline const QString ZoekenRvl92 = QStringLiteral("frmZoekenRVL92");
inline const QString ZoekenKenmerken = QStringLiteral("frmZoekenKenmerken");
inline const QString Zoekprogramma = QStringLiteral("frmZoekprogramma");
inline const QString Coderen = QStringLiteral("frmCoderen");
} // namespace screen

// Screen names and form names are compared without regard to case.
inline bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The program-wide variables through which the screens pass the current screen
// and the current occupation to each other.
struct AppState {
    static constexpr int HistoryUpper = 10; // upper bound of gsSchermHistorie

    QString gsHuidigScherm;
    std::array<QString, HistoryUpper + 1> gsSchermHistorie;
    std::int16_t giHistorieIndex = 0;
    Flag gbVorigScherm = False;
    Flag gbRecordselector = False;
    QString gsRvl92Code;
    QString gsStartRvl92Code;
    Flag gbHandleiding = False;

    // The directory that holds the program and its installed tree.
    QString programDir;

    QStringList history() const; // entries 0.. up to the first empty one, for tests
};

// The one instance, owned for the program's lifetime.
AppState& appState();
// Back to the start values (keeps programDir); tests use it between cases.
void resetAppState();

// Puts gsHuidigScherm at the end of the history (or leaves it where it is when
// it is already last).
void HistorieToevoegen(AppState& s);
// Takes gsHuidigScherm out of the history and closes the gap.
void HistorieVerwijderen(AppState& s);
// The name of the screen recorded before the current one that is loaded, as
// "Vorig scherm" shows it; empty when there is none. `isLoaded` tells whether a
// form of that name is loaded.
template <typename IsLoaded> QString previousScreenName(const AppState& s, IsLoaded isLoaded) {
    for (int i = 0; i <= s.giHistorieIndex && i <= AppState::HistoryUpper; ++i) {
        if (i >= 1 && sameName(s.gsSchermHistorie[i], s.gsHuidigScherm) &&
            isLoaded(s.gsSchermHistorie[i - 1]))
            return s.gsSchermHistorie[i - 1];
    }
    return QString();
}

// Twips per pixel of a display with this many logical dots per inch, rounded.
int twipsPerPixel(double dpi);
// The record selector is made for 15 twips per pixel in both directions.
bool isStandardResolution(double dpiX, double dpiY);

} // namespace rvl92
