#pragma once

#include <optional>

class QKeyEvent;

namespace rvl92 {

// How a key pressed together with Ctrl, Alt or Meta counts.
enum class ModifiedKeys {
    // Belongs to a shortcut: types nothing (the browse lists).
    Ignore,
    // Types what the keyboard gives for it (the search boxes and their grid,
    // which also take Ctrl+H as Backspace and AltGr characters as typed).
    Type,
};

// The character a key press types, as the screens' key handlers take it: 13
// for Enter, 8 for Backspace; none for keys that move or leave the control
// (arrows, Tab, Delete, function keys).
std::optional<char32_t> keyCharacter(const QKeyEvent* e, ModifiedKeys modified);

} // namespace rvl92
