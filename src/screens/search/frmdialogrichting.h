#pragma once

#include "screens/search/keuzedialoog.h"

namespace rvl92 {

// Asks whether the chosen (main) direction is to be replaced by the one just picked.
class frmDialogRichting : public VervangVraag {
    Q_OBJECT
public:
    explicit frmDialogRichting(QWidget* parent = nullptr);
    void cmdYes_Click() override;
};

} // namespace rvl92
