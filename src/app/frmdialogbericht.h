#pragma once

#include "app/form.h"

class QLabel;
class QPushButton;

namespace rvl92 {

// The two OK dialogs of the program share their build: a label for the text
// and an OK button, in a fixed dialog. While one is up, the screen named in
// gsHuidigScherm is disabled; every way out enables it again. Escape and the
// close button mean "OK".
class MessageDialog : public Form {
    Q_OBJECT
public:
    MessageDialog(const QString& formName, int designWidthTwips, QWidget* parent = nullptr);

    void setWidthTwips(int twips) override;
    void setText(const QString& text);
    QString text() const;

    void formLoad() override;
    void formDeactivate() override;

    virtual void OKButton_Click() = 0;

protected:
    QLabel* lblText;
    QPushButton* OKButton;

private:
    void fitSize();
    int m_width; // the written width, in pixels
};

// Tells the user something (as a rule that nothing was found).
class frmDialogNietGevonden : public MessageDialog {
    Q_OBJECT
public:
    explicit frmDialogNietGevonden(QWidget* parent = nullptr);
    void OKButton_Click() override;
};

// An information text under a caption of the caller's choosing.
class frmDialogExporteren : public MessageDialog {
    Q_OBJECT
public:
    explicit frmDialogExporteren(QWidget* parent = nullptr);
    void OKButton_Click() override;
};

struct Notice;

// Shows a documentation notice in frmDialogExporteren: the dialog as wide as
// its text plus a margin, centred on the start screen.
void showNotice(const Notice& notice);

} // namespace rvl92
