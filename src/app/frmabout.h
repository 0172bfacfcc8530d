#pragma once

#include "app/form.h"

class QLabel;
class QPushButton;

namespace rvl92 {

// The about box: title, reproduction terms and the publisher's details.
class frmAbout : public Form {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    void formLoad() override;
    void cmdOK_Click();

private:
    QLabel* picIcon;
};

} // namespace rvl92
