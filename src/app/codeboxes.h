#pragma once

#include <QString>

#include <array>

namespace rvl92 {

// The five one-character boxes in which a screen takes a code, first digit in
// box 0. What a box may hold is up to the screen that owns the boxes.
constexpr int CodeBoxCount = 5;
using CodeBoxes = std::array<QString, CodeBoxCount>;

// The box texts joined, first to last: the pattern a jump or search reads.
inline QString joinedCodeBoxes(const CodeBoxes& boxes) {
    QString out;
    for (const QString& box : boxes)
        out += box;
    return out;
}

} // namespace rvl92
