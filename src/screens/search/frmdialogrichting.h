#pragma once

#include "screens/search/choicedialog.h"

namespace rvl92 {

// Asks whether the chosen (main) direction is to be replaced by the one just picked.
class frmDialogRichting : public ReplaceQuestion {
    Q_OBJECT
public:
    explicit frmDialogRichting(QWidget* parent = nullptr);
    void cmdYes_Click() override;
};

} // namespace rvl92
