#pragma once

#include <QString>

namespace rvl92 {

// The letters typed in the job-title list to jump to the first title that
// begins with them. A key is given as its character code, as the list receives
// it (Escape 27, Enter 13, Backspace 8).
struct SpringStap {
    enum class Soort {
        Wissen,   // the value becomes empty and the list goes to its first row
        Focus,    // nothing changes; the list keeps the focus
        Negeren,  // the key is ignored
        Springen, // jump with the new value
    };
    Soort soort = Soort::Negeren;
    QString waarde; // the jump value after the key
};

SpringStap springToets(const QString& springWaarde, char32_t toets);

// The value without its last character (a character outside the basic plane
// goes as a whole). A value that matched nothing loses its last character
// again this way, so the list stays on the last title that did match.
QString zonderLaatsteTeken(const QString& waarde);

} // namespace rvl92
