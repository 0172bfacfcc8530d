#pragma once

#include "app/datascreen.h"
#include "screens/search/codepattern.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace rvl92 {

// What the two searches for job titles share: the frame with the code and
// occupation of the current row, the result grid with its record counter and
// record selector, the hand-off of the current code and the way out.
class JobTitleSearchScreen : public DataScreen {
    Q_OBJECT
public:
    JobTitleSearchScreen(const QString& formName, const QString& screenName,
                         QWidget* parent = nullptr);

    void formUnload() override;
    void applyRecordSelector(bool on) override;

protected:
    // The row below the grid where each screen puts its search controls.
    QHBoxLayout* searchRow() const { return m_searchRow; }

    // Window icon, connection, hidden grid, maximised window, resolution check.
    void loadScreen();
    // The part of Activate both screens share; true when the screen enters the
    // history (after "Vorig scherm" or when it was already on view).
    bool activateScreen();

    // Runs a search query; a failure is reported and leaves no result.
    bool openSearch(const QString& sql);
    // The same, run as `plan`: the same rows in the same order, read faster.
    bool openSearch(const QString& sql, const search::QueryPlan& plan);
    bool hasRows() const { return Rs->isOpen() && Rs->recordCount() > 0; }

    // Grid columns: the code centred, the job title wide, the occupation hidden.
    void OpmaakDatagrid();
    void ToonRecordTeller();
    // Shows a result with rows (grid, frame, counter, bound boxes) or hides it.
    void showResultParts(bool visible);
    // The long-occupation box follows the current row.
    void updateWholeOccupation();
    void DataGrid1_RowColChange();
    void txtBeroep_DblClick();
    void txtBeroepGeheel_DblClick();
    void focusGrid();

    void mnuEersteRecord_Click() override;
    void mnuLaatsteRecord_Click() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    QTableView* DataGrid1 = nullptr;
    QLabel* lblRecordCount = nullptr;
    QGroupBox* fraRVLBeroep = nullptr;
    QLineEdit* txtRVL = nullptr;
    QLineEdit* txtBeroep = nullptr;
    QPlainTextEdit* txtBeroepGeheel = nullptr;

private:
    QHBoxLayout* m_searchRow = nullptr;
};

} // namespace rvl92
