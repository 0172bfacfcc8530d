#pragma once

#include "app/menuscreen.h"

namespace rvl92 {

// The search-program hub: the shared menu bar and a legend that explains it.
// It holds no data.
class frmZoekprogramma : public MenuScreen {
    Q_OBJECT
public:
    explicit frmZoekprogramma(QWidget* parent = nullptr);

    void formLoad() override;
    void formResize() override;
    void formActivate() override;
    void formUnload() override;

protected:
    void mnuRecordselector_Click() override;
};

} // namespace rvl92
