#pragma once

#include "screens/search/choicedialog.h"

namespace rvl92 {

// Asks which of the seven chosen skills the one just picked replaces.
class frmDialoogVaardigheden : public ReplaceChoice {
    Q_OBJECT
public:
    explicit frmDialoogVaardigheden(QWidget* parent = nullptr);

protected:
    QStringList chosen(const frmZoekenKenmerken& searchForm) const override;
    void replace(frmZoekenKenmerken& searchForm, int index) override;
};

} // namespace rvl92
