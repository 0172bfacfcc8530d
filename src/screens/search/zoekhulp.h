#pragma once

#include <QString>

class QKeyEvent;
class QWidget;

namespace rvl92::zoeken {

// The key as the search screens' key handlers see it: the character typed,
// 13 for Enter, 8 for Backspace; -1 for a key that types nothing (arrows,
// Delete, Tab, function keys), which the box or grid handles as usual.
int toetsWaarde(const QKeyEvent* e);

// Whether the key is the shortcut of an enabled menu item of `screen`. Such a
// key goes to the menu even while a text box has the focus, so that for
// instance "Vorig scherm" works from the search box.
bool isMenuSneltoets(const QWidget* screen, const QKeyEvent* e);

// Shows frmDialogNietGevonden with this text at the width the search screens
// use.
void toonNietGevonden(const QString& tekst);

// The font of a result grid: a smaller one while the current job title is long.
void zetLijstLettertype(QWidget* grid, bool klein);

} // namespace rvl92::zoeken
