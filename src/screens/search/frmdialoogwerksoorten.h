#pragma once

#include "screens/search/choicedialog.h"

namespace rvl92 {

// Asks which of the three chosen work types the one just picked replaces.
class frmDialoogWerksoorten : public ReplaceChoice {
    Q_OBJECT
public:
    explicit frmDialoogWerksoorten(QWidget* parent = nullptr);

protected:
    QStringList chosen(const frmZoekenKenmerken& searchForm) const override;
    void replace(frmZoekenKenmerken& searchForm, int index) override;
};

} // namespace rvl92
