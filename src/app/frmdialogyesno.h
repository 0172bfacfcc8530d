#pragma once

#include "app/form.h"

class QLabel;
class QPushButton;

namespace rvl92 {

// Exit confirmation opened from a data screen's "Afsluiten". Behaves as modal
// by disabling the screen named in gsHuidigScherm while it is up.
class frmDialogYesNo : public Form {
    Q_OBJECT
public:
    explicit frmDialogYesNo(QWidget* parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void formDeactivate() override;

    void cmdYes_Click();
    void cmdNo_Click();

private:
    QLabel* lblText;
    QPushButton* cmdYes;
    QPushButton* cmdNo;
};

} // namespace rvl92
