#pragma once

#include "screens/browse/browsescreen.h"

class QLabel;
class QPushButton;

namespace rvl92 {

// The job-title overview: every job title in table order with the code of its
// occupation. Letters typed in the list jump to the first title that begins
// with them; the navigation menu steps through the titles of one code.
class frmFunctienamen : public BrowseScreen {
    Q_OBJECT
public:
    explicit frmFunctienamen(QWidget* parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void applyRecordSelector(bool on) override;

    void cmdZoeken_Click();
    void cmdWissen_Click();

protected:
    bool DataGrid1_KeyPress(char32_t key) override;
    void DataGrid1_RowColChange() override;

    void mnuExporteren_Click() override;
    // The shared previous/next code items are mnuVorigeRvl and mnuVolgendeRvl
    // on this screen.
    void mnuVorigeCode_Click() override { mnuVorigeRvl_Click(); }
    void mnuVolgendeCode_Click() override { mnuVolgendeRvl_Click(); }
    void mnuVorigeRvl_Click();
    void mnuVolgendeRvl_Click();

private:
    bool OpenFunctienamen(DbError* error);
    void OpmaakKolommen();
    void stepWithinCode(Recordset::Direction direction);
    void SpringNaarFunctienaam();
    void setJumpValue(const QString& value);
    void txtLoop_Change();

    QLineEdit* txtLoop;
    QPushButton* cmdZoeken;
    QPushButton* cmdWissen;

    // The letters typed in the list, and the row of the last successful jump
    // or step through a code.
    QString SpringWaarde;
    int LaatstePositie = 0;
    // The previous/next items were taken away because the list had no
    // current row; they come back as soon as it has one again.
    bool m_stepsWithoutRow = false;
};

} // namespace rvl92
