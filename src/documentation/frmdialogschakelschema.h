#pragma once

#include "app/form.h"

class QLineEdit;
class QPushButton;

namespace rvl92 {

// "Schakelschema's naar andere classificaties": four buttons, each telling
// where the conversion scheme to one other classification is installed. Stays
// open while the user looks at several notices.
class frmDialogSchakelSchema : public Form {
    Q_OBJECT
public:
    explicit frmDialogSchakelSchema(QWidget* parent = nullptr);

    void formLoad() override;

    void cmdIsco_Click();
    void cmdLk82Beroep_Click();
    void cmdLk84Beroepsgroep_Click();
    void cmdSocStratificatie_Click();
    void cmdAfsluiten_Click();

private:
    QLineEdit* txtInfo;
    QPushButton* cmdIsco;
    QPushButton* cmdLk82Beroep;
    QPushButton* cmdLk84Beroepsgroep;
    QPushButton* cmdSocStratificatie;
    QPushButton* cmdAfsluiten;
};

} // namespace rvl92
