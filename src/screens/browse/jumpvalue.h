#pragma once

#include <QString>

namespace rvl92 {

// The letters typed in the job-title list to jump to the first title that
// begins with them. A key is given as its character code, as the list receives
// it (Escape 27, Enter 13, Backspace 8).
struct JumpStep {
    enum class Kind {
        Clear,  // the value becomes empty and the list goes to its first row
        Focus,  // nothing changes; the list keeps the focus
        Ignore, // the key is ignored
        Jump,   // jump with the new value
    };
    Kind kind = Kind::Ignore;
    QString value; // the jump value after the key
};

JumpStep jumpKey(const QString& jumpValue, char32_t key);

// The value without its last character (a character outside the basic plane
// goes as a whole). A value that matched nothing loses its last character
// again this way, so the list stays on the last title that did match.
QString withoutLastCharacter(const QString& value);

} // namespace rvl92
