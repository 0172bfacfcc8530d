#pragma once

#include "screens/search/choicedialog.h"

namespace rvl92 {

// Asks whether the chosen level is to be replaced by the one just picked.
class frmDialogNiveau : public ReplaceQuestion {
    Q_OBJECT
public:
    explicit frmDialogNiveau(QWidget* parent = nullptr);
    void cmdYes_Click() override;
};

} // namespace rvl92
