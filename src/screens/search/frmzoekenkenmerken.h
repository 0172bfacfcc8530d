#pragma once

#include "app/datascreen.h"

#include <QStringList>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace rvl92 {

struct CriterionKind;

// "Zoeken op kenmerken": finds occupations by a skill level, a (main)
// direction, up to three work types and up to seven specific skills.
class frmZoekenKenmerken : public DataScreen {
    Q_OBJECT
public:
    explicit frmZoekenKenmerken(QWidget* parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void formUnload() override;
    void applyRecordSelector(bool on) override;

    // The four kinds of characteristic, in the order of their rows.
    enum class Criterion { Niveau, Richting, Werksoorten, Vaardigheden };

    // What the choice dialogs read and change: the chosen codes of a kind, and
    // the one at `index` (of a kind with one code: that code) replaced by the
    // one now in its drop-down list.
    QStringList chosenCodes(Criterion c) const;
    void replaceChosen(Criterion c, int index = 0);

protected:
    void storeCurrentCode() override;
    void mnuExporteren_Click() override;
    void mnuEersteRecord_Click() override;
    void mnuLaatsteRecord_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One row of the selection: the list of chosen codes beside its drop-down
    // list, with the rules of its kind.
    struct CriterionRow {
        const CriterionKind* kind = nullptr;
        QListWidget* chosen = nullptr;
        QComboBox* choices = nullptr;
        void (frmZoekenKenmerken::*fill)() = nullptr; // its Vullen* procedure
    };
    static constexpr int CriterionCount = 4;

    void buildSelection();
    CriterionRow& row(Criterion c) { return m_rows[int(c)]; }
    const CriterionRow& row(Criterion c) const { return m_rows[int(c)]; }

    // Fills the drop-down list of a row from the database.
    void fillChoices(const CriterionRow& r);
    // Each row's own procedure and handlers: one line over the row's table
    // entry, so every rule stays in one place.
    void VullenNiveau();
    void VullenHoofdrichting();
    void VullenWerksoorten();
    void VullenVaardigheden();
    // Reads column 0 of a lookup query; the screen then holds no result.
    bool readList(const QString& sql, QStringList* rows);
    void VullenZoekstring();
    void ZoekBeroepen();
    void ToonResultaat();
    void OpmaakDatagrid();
    void DatagridWeg();
    bool hasResult() const;
    void ToonRecordTeller();

    // A choice in a row's drop-down list: added, or the replace dialog.
    void choiceMade(CriterionRow& r);
    // A chosen code taken off its list: search again with what is left.
    void chosenRemoved(CriterionRow& r, QListWidgetItem* item);
    void cboNiveau_Click();
    void cboHoofdrichting_Click();
    void cboWerksoorten_Click();
    void cboVaardigheden_Click();
    void lstNiveau_DblClick(QListWidgetItem* item);
    void lstRichting_DblClick(QListWidgetItem* item);
    void lstWerksoorten_DblClick(QListWidgetItem* item);
    void lstVaardigheden_DblClick(QListWidgetItem* item);
    void cmdWissen_Click();
    void cmdZoeken_Click();
    void DataGrid1_RowColChange();

    CriterionRow m_rows[CriterionCount];
    QPushButton* cmdZoeken = nullptr;
    QPushButton* cmdWissen = nullptr;
    QTableView* DataGrid1 = nullptr;
    QLabel* lblRecordCount = nullptr;

    QString sZoekstring;
    bool bNegeerKlik = false;
    bool m_listErrorShown = false;
};

} // namespace rvl92
