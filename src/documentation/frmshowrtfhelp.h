#pragma once

#include "app/form.h"

class QAction;
class QMenuBar;
class QTextEdit;

namespace rvl92 {

// The help window: the help text of the current screen, which stays disabled
// while the help is open. Every way out (the menu item, the close button, the
// program's focus going to another of its windows) closes the help and enables
// that screen again.
class frmShowRtfHelp : public Form {
    Q_OBJECT
public:
    explicit frmShowRtfHelp(QWidget* parent = nullptr);

    void formLoad() override;
    void formDeactivate() override; // the help has lost the focus

    void mnuAfsluitenScherm_Click();

private:
    void LaadHelptekst();
    void showText(const QString& plain);

    QMenuBar* m_menuBar;
    QAction* mnuAfsluitenScherm;
    QTextEdit* RichTextBox1;
};

} // namespace rvl92
