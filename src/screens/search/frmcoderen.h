#pragma once

#include "app/datascreen.h"
#include "coding/codingengine.h"

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace rvl92 {

// "Coderen van functienamen": proposes RVL92 codes for a job title as the
// user writes it, best first with a score, and says how sure the best one is.
// The chosen proposal goes to the other screens like a found job title does.
class frmCoderen : public DataScreen {
    Q_OBJECT
public:
    explicit frmCoderen(QWidget* parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void formUnload() override;
    void applyRecordSelector(bool on) override;

    // The proposals shown, best first.
    const std::vector<coding::Candidate>& candidates() const { return m_candidates; }

protected:
    void storeCurrentCode() override;
    void mnuExporteren_Click() override;
    void mnuEersteRecord_Click() override;
    void mnuLaatsteRecord_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Coderen();
    void ToonIndexStatus();
    void ToonResultaat();
    int huidigeRij() const;
    void gaNaarRij(int row);

    void txtFunctienaam_Change();
    bool txtFunctienaam_KeyDown(int key);
    bool DataGrid1_KeyPress(QKeyEvent* e);
    void DataGrid1_DblClick();
    void cmdBestandCoderen_Click();

    QLineEdit* txtFunctienaam = nullptr;
    QLabel* lblZekerheid = nullptr;
    QLabel* lblStatus = nullptr;
    QTableView* DataGrid1 = nullptr;
    QPushButton* cmdBestandCoderen = nullptr;
    QStandardItemModel* m_model = nullptr;
    std::vector<coding::Candidate> m_candidates;
    coding::Certainty m_certainty = coding::Certainty::None;
};

} // namespace rvl92
