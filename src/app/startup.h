#pragma once

class QApplication;

namespace rvl92 {

// The program's name for the desktop: window class "RVL92" and the desktop
// entry rvl92.desktop. No display name is set, because Qt would append it to
// every window title; the titles are exactly the screens' captions.
void setApplicationIdentity();

// Qt's own Dutch texts for its dialogs and buttons; false when not installed.
bool installDutchTranslations(QApplication& app);

} // namespace rvl92
