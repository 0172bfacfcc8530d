#pragma once

#include "app/datascreen.h"
#include "screens/browse/rvlcolumns.h"

#include <optional>

class QLabel;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;

namespace rvl92 {

class DataBinding;

// What the four browse screens share: the hand-off of the current code, the
// unload rule, a screen that leaves when it has nothing to show, the keys typed
// in the list, and row changes that fire once per action.
class BrowseScreen : public DataScreen {
    Q_OBJECT
public:
    BrowseScreen(const QString& formName, const QString& screenName, QWidget* parent = nullptr);

    void formUnload() override;

    // The boxes bound to the current row (the grid's binding, or an own one
    // on a screen without a grid).
    DataBinding* boundFields();

protected:
    // The list goes to its first or last row and takes the focus.
    void mnuEersteRecord_Click() override;
    void mnuLaatsteRecord_Click() override;

    // A list item and "Vorig scherm" pass the code of the current row; without
    // a current row the code chosen before stays.
    void storeCurrentCode() override;
    void storeCodeForBack() override;

    // A key typed while the list has the focus, as a character code (Escape
    // 27, Enter 13, Backspace 8); true when the screen handled it.
    virtual bool DataGrid1_KeyPress(char32_t /*toets*/) { return false; }
    // The current row changed, once per action on the list.
    virtual void DataGrid1_RowColChange() {}

    QTableView* createBrowseGrid(const QString& toolTip);
    void focusList();
    // Scrolls the list so that the current row stands at the top.
    void scrollCurrentRowToTop();

    // Runs `f`, which may move Rs several times, and reports one row change
    // afterwards when the row differs from the one before (or always).
    // The list shows only where `f` ends: a row that stays keeps the view
    // where it was.
    template <typename F> void moveQuietly(F f, bool alwaysNotify = false) {
        const int before = Rs->currentRow();
        beginQuiet();
        f();
        endQuiet(alwaysNotify || Rs->currentRow() != before);
    }
    // Goes to the first row of `code`: from the current row on, then once more
    // from the top. A code that is nowhere leaves the list where it was.
    bool findCode(const QString& code);

    // The record counter.
    void ToonRecordTeller();
    QLabel* lblRecordCount = nullptr;

    // The code and occupation boxes above a list: a one-line box and a two-line
    // box for long names in the same place.
    QWidget* makeCodeOccupationFrame(const QString& frameName, const QString& codeTip,
                                     const QString& occupationTip, int codeWidthTwips);
    void showWholeOccupation(bool whole);
    QLineEdit* txtRVL = nullptr;
    QLineEdit* txtBeroep = nullptr;
    QPlainTextEdit* txtBeroepGeheel = nullptr;

    // Leaves a screen that has nothing to show: out of the history, unloaded,
    // and back to the screen the user came from.
    void closeAndGoBack();

    // A failed open or query in a screen without its own wording.
    void reportReadError(const DbError& error);
    // Column `column` of the grid: width (at least its caption's), caption,
    // alignment; hidden when `visible` is false.
    void setColumn(int column, int widthTwips, const QString& caption, bool centred,
                   bool visible = true);
    // The job-title lists: code and title shown, every other column hidden.
    void setCodeAndTitleColumns();

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every text box of the screen lets the menu's Ctrl shortcuts through.
    void letMenuShortcutsThrough();

private:
    void beginQuiet();
    void endQuiet(bool notify);
    void afterMove(bool notify);
    void onRowChanged();

    int m_quiet = 0;
    QStringList m_columnCaptions;
    DataBinding* m_ownFields = nullptr;
};

} // namespace rvl92
