#pragma once

#include <QRect>

class QWidget;

namespace rvl92 {

// Puts a window in the middle of `over` (another window's frame), but never
// partly off the screen that holds it.
void centreOver(QWidget* window, const QRect& over);

} // namespace rvl92
