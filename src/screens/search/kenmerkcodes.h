#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace rvl92::zoeken {

// The codes cut from the front of the lookup texts ("101 Plannen en
// organiseren") when a characteristic is chosen.
QString niveauCode(QStringView tekst);      // 2 characters
QString richtingCode(QStringView tekst);    // 2 (main direction) or 3, blanks trimmed
QString werksoortCode(QStringView tekst);   // 3 characters, a trailing blank kept
QString vaardigheidCode(QStringView tekst); // 3 characters

// The entries of the direction list for the rows of the direction table: each
// main direction indented by two blanks between empty entries, above its
// directions; the first main direction ("01") has no empty entry above it.
QStringList richtingenGroeperen(const QStringList& rijen);

// Where a code goes in a sorted list of chosen codes (ascending, without
// regard to case; after equal entries).
int sorteerPlek(const QStringList& lijst, const QString& code);

enum class Keuze {
    Toegevoegd, // the code was added in its place
    AlGekozen,  // the code was already chosen: nothing changes
    Vol         // the list is full: the user must say what to replace
};

// Adds a chosen code to a sorted list of at most `max` codes.
Keuze kiesCode(QStringList& lijst, const QString& code, int max);

// The caption of a replace button for a chosen code: its first 10 characters
// followed by " . . . .".
QString knopTekst(QStringView code);

} // namespace rvl92::zoeken
