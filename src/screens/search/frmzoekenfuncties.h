#pragma once

#include "screens/search/jobtitlesearchscreen.h"

class QPushButton;

namespace rvl92 {

// "Zoeken op functienamen": finds the job titles that hold a typed text.
class frmZoekenFuncties : public JobTitleSearchScreen {
    Q_OBJECT
public:
    explicit frmZoekenFuncties(QWidget* parent = nullptr);

    void formLoad() override;
    void formActivate() override;

protected:
    void storeCurrentCode() override { BepaalHuidigeCode(); }
    void mnuExporteren_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ZoekFuncties();
    void OpenZoekopdracht(const QString& searchText);
    void ToonResultaat();
    void BepaalHuidigeCode();
    void clearResult();

    void cmdZoeken_Click();
    void cmdWissen_Click();
    // Both return true when the key is handled and must not reach the control.
    bool txtZoekstr_KeyPress(int key);
    bool DataGrid1_KeyPress(int key);
    bool DataGrid1_KeyDown(int key);
    void enableButtons();

    QLineEdit* txtZoekstr = nullptr;
    QPushButton* cmdZoeken = nullptr;
    QPushButton* cmdWissen = nullptr;
    // Text changed by a key that the key handler saw (not by a paste).
    bool m_keyBusy = false;
};

} // namespace rvl92
