#pragma once

#include "app/codeboxes.h"

#include <QString>

#include <array>

namespace rvl92 {

// The occupation list takes a code to jump to in its code boxes. A box holds a
// digit, a blank (a position typed over with something else), the wildcard "*"
// set by the completion, or nothing.

// "" and " " both count as an empty box.
bool isLeegVak(const QString& vak);
bool isCijferVak(const QString& vak);

// Before a jump: the digits survive up to the first empty box, that box gets
// "*" and every box after it is emptied. 1 2 _ _ _ gives 1 2 * _ _; 1 " " 3
// gives 1 * _ _ _; five digits stay.
CodeBoxes vulCodeVakkenAan(const CodeBoxes& vakken);
// The message after a jump that found nothing: the digits and one " ." for
// every position left open.
QString nietGevondenTekst(const QString& zoekWaarde);

// What a key in a box or in the list does to the boxes, the focus and the list.
struct CodeVakStap {
    static constexpr int Lijst = -1; // the focus goes to the list

    CodeBoxes vakken;
    int focus = Lijst;       // box 0..4 or Lijst
    int beweging = 0;        // -1 one row up, +1 one row down
    bool naarEerste = false; // the list goes to its first row
    bool zoekenAan = false;  // "Springen" becomes available
};

enum class Pijl { Links, Rechts, Omhoog, Omlaag };

// A character typed in box `vak` (Backspace 8, Enter 13).
CodeVakStap codeVakTeken(const CodeBoxes& vakken, int vak, char32_t teken);
// An arrow key released in box `vak`.
CodeVakStap codeVakPijl(const CodeBoxes& vakken, int vak, Pijl pijl);
// A character typed while the list has the focus; `zoekWaarde` is the pattern
// of the last jump.
CodeVakStap lijstTeken(const CodeBoxes& vakken, const QString& zoekWaarde, char32_t teken);

} // namespace rvl92
