#pragma once

#include "screens/browse/browsescreen.h"
#include "screens/browse/codeboxkeys.h"

#include <array>

class QPushButton;

namespace rvl92 {

struct CodeBoxStep;

// The occupation overview: every occupation in code order. A code, or its
// first digits, typed into five one-digit boxes (or into the list) jumps to
// the first occupation whose code begins with them.
class frmBeroepen : public BrowseScreen {
    Q_OBJECT
public:
    explicit frmBeroepen(QWidget* parent = nullptr);

    void formLoad() override;
    void formResize() override;
    void formActivate() override;
    void applyRecordSelector(bool on) override;

    void cmdZoeken_Click();
    void cmdWissen_Click();

protected:
    bool DataGrid1_KeyPress(char32_t key) override;
    void DataGrid1_RowColChange() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    void mnuExporteren_Click() override;

private:
    bool OpenBeroepen(DbError* error);
    void OpmaakKolommen();
    void SpringNaarRvl92Code();
    void PlaatsRecordselector();
    void restoreRowHeight();

    void txtZ1_Change();
    void txtZ5_Change();
    CodeBoxes codeBoxes() const;
    void applyStep(const CodeBoxStep& step);
    void focusBox(int box);
    int boxOf(const QObject* o) const;

    std::array<QLineEdit*, 5> txtZ{};
    QPushButton* cmdZoeken;
    QPushButton* cmdWissen;

    // The pattern of the last jump.
    QString ZoekWaarde;
    // The row shown two rows high for its long name, or -1.
    int m_tallRow = -1;
};

} // namespace rvl92
