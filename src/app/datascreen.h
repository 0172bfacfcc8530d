#pragma once

#include "app/listrules.h"
#include "app/menuscreen.h"
#include "data/database.h"
#include "data/recordset.h"

class QTableView;

namespace rvl92 {

class RecordsetModel;
class DataBinding;

// A screen that owns a connection `Cnn` and a recordset `Rs` to the
// classification database, opened when it is loaded and kept until the program
// ends (the start screen's shutdown closes them through closeData()).
class DataScreen : public MenuScreen {
    Q_OBJECT
public:
    DataScreen(const QString& formName, const QString& screenName, QWidget* parent = nullptr);
    ~DataScreen() override;

    Database Cnn;
    Recordset* const Rs;
    // The SQL text of the last query, written just before each open.
    QString sSQL;

    // What every search screen does on load: window icon, connection (a
    // failure reported), hidden grid, maximised window.
    void openSearchScreen();

    // Opens Cnn on the program's database.
    bool openConnection(DbError* error);
    // Stores `sql` as the query text and (re)opens Rs with it.
    bool openRs(const QString& sql, DbError* error);
    // Stores `sql` as the query text and (re)opens Rs with `statement`, which
    // gives the same rows in the same order (read faster) when its rows are
    // ordered as `order` says.
    bool openRs(const QString& sql, const QString& statement, Recordset::Order order,
                DbError* error);
    void closeData() override;

    // The code (first field) of the current row, or "" when not on a row.
    QString currentCode() const;

    // Every data screen enters the history on each resize; a screen with more
    // to do on resize calls this first.
    void formResize() override;

protected:
    // A grid for Rs: rows selected whole, read-only, no row numbers, kept in
    // step with Rs both ways through binding().
    QTableView* createGrid(const QString& toolTip = QString());
    QTableView* grid() const { return m_grid; }
    RecordsetModel* model() const { return m_model; }
    DataBinding* binding() const { return m_binding; }

    // The current-row highlight (record selector): on, the whole current row
    // is highlighted; off, only the focus frame of the current cell shows.
    void setRowHighlight(bool on);

    // Shows a failed open/query as prefix + number + " " + description.
    void reportError(const QString& prefix, const DbError& error);

    // The font of the grid's rows (the column headers keep their own).
    void setListFont(const ListFont& font);
    ListFont listFont() const { return m_listFont; }

    // The program's not-found notice, `widthTwips` wide when given.
    void showNotFound(const QString& text, int widthTwips = 0);

private:
    QTableView* m_grid = nullptr;
    RecordsetModel* m_model = nullptr;
    DataBinding* m_binding = nullptr;
    ListFont m_listFont = normalListFont();
};

// Shows the busy cursor while it lives.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace rvl92
