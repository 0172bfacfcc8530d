#pragma once

#include <QString>
#include <QStringView>

namespace rvl92::search {

// Key values as the key handlers see them: the character typed, with Enter
// as 13 and Backspace as 8.
constexpr int KeyBackspace = 8;
constexpr int KeyEnter = 13;
constexpr int KeySpace = 32;

// The Like pattern of a job-title search: every blank becomes "%", "%" and
// "_" stay wildcards, and every other character matches itself (the Like
// operator's other wildcards "*", "?", "#" and "[" are bracketed).
QString searchPattern(QStringView text);

// The query of the job-title search for the text typed by the user.
QString jobTitleQuery(QStringView text);

// Whether a key is one of the search keys: "(", ")", digits, and the range
// from "A" to "z".
bool isSearchKey(int key);

struct KeyResult {
    bool runSearch = false;     // run the search (Enter while "Zoeken" is enabled)
    bool enableButtons = false; // enable "Zoeken" and "Wissen"
};

// A key typed in the search box, before the box takes it.
KeyResult searchBoxKey(int key, bool boxEmpty, bool searchEnabled);

struct GridKeyResult {
    QString text; // the search text afterwards
    bool runSearch = false;
    bool enableButtons = false;
};

// A key typed in the result grid: it edits the search text from there.
GridKeyResult gridKey(int key, const QString& text, bool searchEnabled);

} // namespace rvl92::search
