#pragma once

#include "screens/search/keuzedialoog.h"

namespace rvl92 {

// Asks which of the seven chosen skills the one just picked replaces.
class frmDialoogVaardigheden : public VervangKeuze {
    Q_OBJECT
public:
    explicit frmDialoogVaardigheden(QWidget* parent = nullptr);

protected:
    QStringList gekozen(const frmZoekenKenmerken& scherm) const override;
    void vervang(frmZoekenKenmerken& scherm, int index) override;
};

} // namespace rvl92
