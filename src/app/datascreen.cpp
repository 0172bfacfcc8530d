#include "app/datascreen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmdialogbericht.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "app/screentext.h"
#include "data/recordsetmodel.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>

namespace rvl92 {

DataScreen::DataScreen(const QString& formName, const QString& screenName, QWidget* parent)
    : MenuScreen(formName, screenName, parent), Rs(new Recordset(this)) {}

DataScreen::~DataScreen() = default;

bool DataScreen::openConnection(DbError* error) {
    return Cnn.openProgramDatabase(appState().programDir, error);
}

bool DataScreen::openRs(const QString& sql, DbError* error) {
    sSQL = sql;
    return Rs->open(sql, Cnn, error);
}

bool DataScreen::openRs(const QString& sql, const QString& statement, Recordset::Order order,
                        DbError* error) {
    sSQL = sql;
    return Rs->open(statement, Cnn, error, order);
}

void DataScreen::closeData() {
    if (Rs->isOpen()) {
        Rs->close();
        Cnn.close();
    }
}

void DataScreen::openSearchScreen() {
    setWindowIcon(programIcon());
    DbError err;
    if (!openConnection(&err))
        reportError(QStringLiteral("De database kan niet worden geopend: "), err);
    if (m_grid)
        m_grid->hide();
    setWindowState(windowState() | Qt::WindowMaximized);
}

QString DataScreen::currentCode() const {
    return Rs->isOpen() && Rs->onRow() ? Rs->text(0) : QString();
}

QTableView* DataScreen::createGrid(const QString& toolTip) {
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_grid->setToolTip(toolTip);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setTabKeyNavigation(false);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setHighlightSections(false);
    // The column headers keep their own font when the rows switch to a
    // smaller one for a long title: family and size are set, not inherited.
    QFont header(QStringLiteral("MS Sans Serif"));
    header.setPointSizeF(8.25);
    header.setBold(true);
    m_grid->horizontalHeader()->setFont(header);
    markCurrentCell(m_grid);
    m_model = new RecordsetModel(m_grid);
    m_binding = new DataBinding(Rs, m_grid);
    m_binding->bindGrid(m_grid, m_model);
    return m_grid;
}

void DataScreen::setRowHighlight(bool on) {
    if (!m_grid)
        return;
    m_grid->setSelectionMode(on ? QAbstractItemView::SingleSelection
                                : QAbstractItemView::NoSelection);
    if (on) {
        const QModelIndex cur = m_grid->currentIndex();
        if (cur.isValid())
            m_grid->selectionModel()->select(cur, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    } else {
        m_grid->clearSelection();
    }
}

void DataScreen::formResize() {
    AppState& s = appState();
    if (s.gbVorigScherm == True)
        s.gbVorigScherm = False;
    s.gsHuidigScherm = screenName();
    HistorieToevoegen();
}

void DataScreen::setListFont(const ListFont& font) {
    if (!m_grid || (font == m_listFont && m_grid->font().family() == font.family))
        return;
    m_listFont = font;
    QFont f = m_grid->font();
    f.setFamily(font.family);
    f.setPointSizeF(font.points);
    m_grid->setFont(f);
}

void DataScreen::showNotFound(const QString& text, int widthTwips) {
    auto* dlg = qobject_cast<frmDialogNietGevonden*>(forms().load(form::DialogNietGevonden));
    if (!dlg)
        return;
    if (widthTwips > 0)
        dlg->setWidthTwips(widthTwips);
    dlg->setText(text);
    forms().show(dlg);
}

void DataScreen::reportError(const QString& prefix, const DbError& error) {
    msgbox::warn(this, msgbox::applicationTitle(),
                 errorText(prefix, error.number, error.description));
}

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace rvl92
