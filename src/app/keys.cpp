#include "app/keys.h"

#include <QKeyEvent>

namespace rvl92 {

std::optional<char32_t> keyCharacter(const QKeyEvent* e, ModifiedKeys modified) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    case Qt::Key_Escape:
        // The lists take Escape whatever text the keyboard gives with it; the
        // search boxes only when it comes as a character.
        if (modified == ModifiedKeys::Ignore)
            return 27;
        break;
    default:
        break;
    }
    const QList<uint> chars = e->text().toUcs4();
    if (chars.isEmpty())
        return std::nullopt;
    if (modified == ModifiedKeys::Type)
        return char32_t(chars[0]);
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    if (chars.size() != 1 || chars[0] < 32 || chars[0] == 127)
        return std::nullopt;
    return char32_t(chars[0]);
}

} // namespace rvl92
