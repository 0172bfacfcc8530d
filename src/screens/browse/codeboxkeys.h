#pragma once

#include "app/codeboxes.h"

#include <QString>

#include <array>

namespace rvl92 {

// The occupation list takes a code to jump to in its code boxes. A box holds a
// digit, a blank (a position typed over with something else), the wildcard "*"
// set by the completion, or nothing.

// "" and " " both count as an empty box.
bool isEmptyBox(const QString& box);
bool isDigitBox(const QString& box);

// Before a jump: the digits survive up to the first empty box, that box gets
// "*" and every box after it is emptied. 1 2 _ _ _ gives 1 2 * _ _; 1 " " 3
// gives 1 * _ _ _; five digits stay.
CodeBoxes completeCodeBoxes(const CodeBoxes& boxes);
// The message after a jump that found nothing: the digits and one " ." for
// every position left open.
QString codeNotFoundText(const QString& searchValue);

// What a key in a box or in the list does to the boxes, the focus and the list.
struct CodeBoxStep {
    static constexpr int List = -1; // the focus goes to the list

    CodeBoxes boxes;
    int focus = List;         // box 0..4 or List
    int rowMove = 0;          // -1 one row up, +1 one row down
    bool toFirstRow = false;  // the list goes to its first row
    bool jumpEnabled = false; // "Springen" becomes available
};

enum class Arrow { Left, Right, Up, Down };

// A character typed in box `box` (Backspace 8, Enter 13).
CodeBoxStep codeBoxCharacter(const CodeBoxes& boxes, int box, char32_t character);
// An arrow key released in box `box`.
CodeBoxStep codeBoxArrow(const CodeBoxes& boxes, int box, Arrow arrow);
// A character typed while the list has the focus; `searchValue` is the pattern
// of the last jump.
CodeBoxStep listCharacter(const CodeBoxes& boxes, const QString& searchValue, char32_t character);

} // namespace rvl92
