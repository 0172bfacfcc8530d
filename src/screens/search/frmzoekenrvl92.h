#pragma once

#include "screens/search/codepattern.h"
#include "screens/search/jobtitlesearchscreen.h"

#include <array>

class QPushButton;

namespace rvl92 {

// "Zoeken op RVL92-Code": finds the job titles whose code agrees with the
// digits typed in five one-character boxes; an empty box matches any digit.
class frmZoekenRvl92 : public JobTitleSearchScreen {
    Q_OBJECT
public:
    explicit frmZoekenRvl92(QWidget* parent = nullptr);

    void formLoad() override;
    void formActivate() override;

protected:
    void storeCurrentCode() override { BepaalHuidigeCode(); }
    void mnuExporteren_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ZoekCode();
    void ToonCodeResultaat();
    void OpmaakCodeDatagrid() { OpmaakDatagrid(); }
    void ToonRecordPositie() { ToonRecordTeller(); }
    void DatagridWeg();
    void BepaalHuidigeCode();
    void KnoppenAan();
    void KnoppenUit();

    void cmdZoeken_Click();
    void cmdWissen_Click();
    void txtZ_KeyPress(int box, int key);
    void txtZ_KeyUp(int box, int key);
    void txtZ_DblClick(int box);
    // True when the key is handled and must not reach the grid.
    bool DataGrid1_KeyPress(int key);

    CodeBoxes boxes() const;
    int boxOf(const QObject* o) const;

    std::array<QLineEdit*, CodeBoxCount> txtZ{};
    QPushButton* cmdZoeken = nullptr;
    QPushButton* cmdWissen = nullptr;
};

} // namespace rvl92
