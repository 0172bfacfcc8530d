#include "documentation/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace rvl92 {

void centreOver(QWidget* window, const QRect& over) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(over.center());
    const QScreen* screen = QGuiApplication::screenAt(over.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(std::max(room.left(), std::min(frame.left(), room.right() - frame.width())));
        frame.moveTop(std::max(room.top(), std::min(frame.top(), room.bottom() - frame.height())));
    }
    window->move(frame.topLeft());
}

} // namespace rvl92
