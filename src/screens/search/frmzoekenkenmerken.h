#pragma once

#include "app/datascreen.h"

#include <QStringList>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace rvl92 {

// "Zoeken op kenmerken": finds occupations by a skill level, a (main)
// direction, up to three work types and up to seven specific skills.
class frmZoekenKenmerken : public DataScreen {
    Q_OBJECT
public:
    explicit frmZoekenKenmerken(QWidget* parent = nullptr);

    void formLoad() override;
    void formResize() override;
    void formActivate() override;
    void formUnload() override;
    void applyRecordSelector(bool on) override;

    // What the choice dialogs read and change.
    QStringList gekozenWerksoorten() const;
    QStringList gekozenVaardigheden() const;
    // The chosen level or direction replaced by the one now in its drop-down
    // list; a new level also hides the result.
    void vervangNiveau();
    void vervangRichting();
    // The chosen work type or skill at `index` replaced by the one now in the
    // drop-down list.
    void vervangWerksoort(int index);
    void vervangVaardigheid(int index);

protected:
    void storeCurrentCode() override;
    void mnuExporteren_Click() override;
    void mnuEersteRecord_Click() override;
    void mnuLaatsteRecord_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bouwSelectie();

    void VullenNiveau();
    void VullenHoofdrichting();
    void VullenWerksoorten();
    void VullenVaardigheden();
    // Reads column 0 of a lookup query; the screen then holds no result.
    bool leesLijst(const QString& sql, QStringList* rijen);
    void VullenZoekstring();
    void ZoekBeroepen();
    void ToonResultaat();
    void OpmaakDatagrid();
    void DatagridWeg();
    bool heeftResultaat() const;
    void ToonRecordTeller();

    void cboNiveau_Click();
    void cboHoofdrichting_Click();
    void cboWerksoorten_Click();
    void cboVaardigheden_Click();
    void lstNiveau_DblClick();
    void lstRichting_DblClick();
    void lstWerksoorten_DblClick(QListWidgetItem* item);
    void lstVaardigheden_DblClick(QListWidgetItem* item);
    // A work type or skill taken off its list: search again with what is left.
    void codeVerwijderd(QListWidget* lijst, QComboBox* keuzes, void (frmZoekenKenmerken::*vullen)(),
                        QListWidgetItem* item);
    void cmdWissen_Click();
    void cmdZoeken_Click();
    void DataGrid1_RowColChange();

    QComboBox* cboNiveau = nullptr;
    QComboBox* cboHoofdrichting = nullptr;
    QComboBox* cboWerksoorten = nullptr;
    QComboBox* cboVaardigheden = nullptr;
    QListWidget* lstNiveau = nullptr;
    QListWidget* lstRichting = nullptr;
    QListWidget* lstWerksoorten = nullptr;
    QListWidget* lstVaardigheden = nullptr;
    QPushButton* cmdZoeken = nullptr;
    QPushButton* cmdWissen = nullptr;
    QTableView* DataGrid1 = nullptr;
    QLabel* lblRecordCount = nullptr;

    QString sZoekstring;
    bool bNegeerKlik = false;
    bool m_lijstFoutGemeld = false;
};

} // namespace rvl92
