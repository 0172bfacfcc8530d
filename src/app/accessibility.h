#pragma once

#include <QString>

#include <array>
#include <initializer_list>

class QLineEdit;
class QTableView;
class QAbstractItemView;
class QWidget;

namespace rvl92 {

// What screen readers and keyboard users need from every screen, in one place
// so that the screens name their controls the same way.

// The accessible name of digit `digit` (1 to 5) of a code typed one digit per
// box: "RVL92-code, cijfer 2".
QString codeDigitName(int digit);

// Names the five one-digit code boxes, first digit first.
void nameCodeBoxes(const std::array<QLineEdit*, 5>& boxes);

// A control that has no label of its own beside it (a label in another
// layout cell, or none): a screen reader says `name`. The tool tip, if any,
// already serves as its description.
void nameControl(QWidget* control, const QString& name);

// A grid or list: item views take neither their label nor their tool tip by
// themselves, so both are set here (the tool tip, or `description` when one
// is given, becomes the description).
void nameItemView(QAbstractItemView* view, const QString& name,
                  const QString& description = QString());

// Tab goes through `controls` in this order (reading order).
void setTabChain(std::initializer_list<QWidget*> controls);

// Frames the current cell of `view` clearly while the view has the focus, on
// a highlighted row as on a plain one (the style's own focus frame is hardly
// visible there).
void markCurrentCell(QAbstractItemView* view);

// Keeps the keyboard focus visible in `window` however it got there: styles
// otherwise draw the focus frame (also of a grid's current cell) only after
// the user has pressed Tab, and the screens move the focus themselves after
// every action.
void keepFocusVisible(QWidget* window);

} // namespace rvl92
