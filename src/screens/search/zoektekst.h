#pragma once

#include <QString>
#include <QStringView>

namespace rvl92::zoeken {

// Key values as the key handlers see them: the character typed, with Enter
// as 13 and Backspace as 8.
constexpr int ToetsBackspace = 8;
constexpr int ToetsEnter = 13;
constexpr int ToetsSpatie = 32;

// The Like pattern of a job-title search: every blank becomes "%", "%" and
// "_" stay wildcards, and every other character matches itself (the Like
// operator's other wildcards "*", "?", "#" and "[" are bracketed).
QString zoekPatroon(QStringView zoektekst);

// The query of the job-title search for the text typed by the user.
QString functieZoekQuery(QStringView zoektekst);

// Whether a key is one of the search keys: "(", ")", digits, and the range
// from "A" to "z".
bool isZoekToets(int toets);

struct ToetsGevolg {
    bool zoeken = false;     // run the search (Enter while "Zoeken" is enabled)
    bool knoppenAan = false; // enable "Zoeken" and "Wissen"
};

// A key typed in the search box, before the box takes it.
ToetsGevolg zoekvakToets(int toets, bool vakLeeg, bool zoekenAan);

struct GridToetsGevolg {
    QString tekst; // the search text afterwards
    bool zoeken = false;
    bool knoppenAan = false;
};

// A key typed in the result grid: it edits the search text from there.
GridToetsGevolg gridToets(int toets, const QString& tekst, bool zoekenAan);

} // namespace rvl92::zoeken
