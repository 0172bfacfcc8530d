#pragma once

#include "screens/browse/browsescreen.h"

namespace rvl92 {

// The job titles of one occupation: the one whose code is current when the
// screen is loaded or activated. One loaded screen serves any number of
// occupations; it leaves when an occupation has no job titles.
class frmNamen : public BrowseScreen {
    Q_OBJECT
public:
    explicit frmNamen(QWidget* parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    void applyRecordSelector(bool on) override;

protected:
    void DataGrid1_RowColChange() override;

    void mnuExporteren_Click() override;

private:
    bool OpenNamen(DbError* error);
    void OpmaakKolommen();
    void showByLength();

    // The code the last query asked for.
    QString m_requested;
};

} // namespace rvl92
