#pragma once

#include <QString>

namespace rvl92 {

// The procedures that every screen shares, over the application state and the
// loaded forms.

// When the display is not 15 twips per pixel: record selector off, and the
// record-selector item unchecked and disabled on every loaded form.
void CheckSchermResolutie();
// Enable the loaded form named gsHuidigScherm.
void ActiveerAanroeper();
// Put / take gsHuidigScherm in / out of the history.
void HistorieToevoegen();
void HistorieVerwijderen();
// Show the screen recorded just before the current one.
void ToonVorigScherm();
// Check or uncheck the record-selector item on every loaded form.
void SynchroniseerRecordselector();

// The display's logical dots per inch; tests set another display with this.
void setDpiOverride(double dpiX, double dpiY);
void clearDpiOverride();

} // namespace rvl92
