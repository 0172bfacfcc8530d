#pragma once

class QApplication;

namespace rvl92 {

// Qt's own Dutch texts for its dialogs and buttons; false when not installed.
bool installDutchTranslations(QApplication& app);

} // namespace rvl92
