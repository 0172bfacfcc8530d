#pragma once

#include "screens/search/keuzedialoog.h"

namespace rvl92 {

// Asks which of the three chosen work types the one just picked replaces.
class frmDialoogWerksoorten : public VervangKeuze {
    Q_OBJECT
public:
    explicit frmDialoogWerksoorten(QWidget* parent = nullptr);

protected:
    QStringList gekozen(const frmZoekenKenmerken& scherm) const override;
    void vervang(frmZoekenKenmerken& scherm, int index) override;
};

} // namespace rvl92
