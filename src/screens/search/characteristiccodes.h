#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace rvl92::search {

// The codes cut from the front of the lookup texts ("101 Plannen en
// organiseren") when a characteristic is chosen.
QString levelCode(QStringView text);     // 2 characters
QString directionCode(QStringView text); // 2 (main direction) or 3, blanks trimmed
QString workTypeCode(QStringView text);  // 3 characters, a trailing blank kept
QString skillCode(QStringView text);     // 3 characters

// The entries of the direction list for the rows of the direction table: each
// main direction indented by two blanks between empty entries, above its
// directions; the first main direction ("01") has no empty entry above it.
QStringList groupDirections(const QStringList& rows);

// Where a code goes in a sorted list of chosen codes (ascending, without
// regard to case; after equal entries).
int sortedPosition(const QStringList& list, const QString& code);

enum class Choice {
    Added,         // the code was added in its place
    AlreadyChosen, // the code was already chosen: nothing changes
    Full           // the list is full: the user must say what to replace
};

// Adds a chosen code to a sorted list of at most `max` codes.
Choice chooseCode(QStringList& list, const QString& code, int max);

// The caption of a replace button for a chosen code: its first 10 characters
// followed by " . . . .".
QString buttonText(QStringView code);

} // namespace rvl92::search
