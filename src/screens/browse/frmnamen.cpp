#include "screens/browse/frmnamen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"
#include "data/sqltext.h"
#include "export/screenexports.h"
#include "screens/browse/browsemessages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace rvl92 {

namespace {
constexpr int JobTitleColumn = 1;
constexpr int OccupationColumn = 2;
} // namespace

frmNamen::frmNamen(QWidget* parent) : BrowseScreen(form::Namen, screen::Namen, parent) {
    setWindowTitle(QStringLiteral("Functienamen bij beroep"));
    QWidget* frame =
        makeCodeOccupationFrame(QStringLiteral("fraRVLBeroep"), QString(), QString(), 615);
    txtRVL->setFocusPolicy(Qt::ClickFocus);
    txtBeroep->setFocusPolicy(Qt::ClickFocus);
    txtBeroepGeheel->setFocusPolicy(Qt::ClickFocus);
    createBrowseGrid(QString());
    nameItemView(grid(), QStringLiteral("Functienamen bij beroep"));
    lblRecordCount = new QLabel(this);
    lblRecordCount->setObjectName(QStringLiteral("lblRecordCount"));
    auto* below = new QHBoxLayout;
    below->addStretch(1);
    below->addWidget(lblRecordCount);
    body()->addWidget(frame);
    body()->addWidget(grid(), 1);
    body()->addLayout(below);
    binding()->bindField(txtRVL, QStringLiteral("RVL92"));
    binding()->bindField(txtBeroep, QStringLiteral("beroep"));
    letMenuShortcutsThrough();
    // This screen opens in its own size, not maximised.
    resize(qMax(twipsToPixels(9735), frame->sizeHint().width() + 24), twipsToPixels(6600));
}

void frmNamen::formLoad() {
    setWindowIcon(programIcon());
    DbError error;
    if (!openConnection(&error) || !OpenNamen(&error)) {
        reportReadError(error);
        forms().unload(this);
        return;
    }
    CheckSchermResolutie();
    focusList();
}

bool frmNamen::OpenNamen(DbError* error) {
    const QString code = appState().gsRvl92Code;
    BusyCursor busy;
    m_requested = code;
    const bool opened = openRs(QStringLiteral("SELECT RVL92,Functienaam,beroep FROM ") +
                                   QStringLiteral("Functienamen where RVL92 = '") +
                                   sqlLiteralText(code) + QStringLiteral("'"),
                               error);
    OpmaakKolommen();
    ToonRecordTeller();
    // The name box and the font follow every new list, the first one too.
    showByLength();
    return opened;
}

void frmNamen::OpmaakKolommen() {
    setCodeAndTitleColumns();
}

void frmNamen::showByLength() {
    showWholeOccupation(Rs->onRow() && isLongOccupationName(Rs->text(OccupationColumn)));
    setListFont(listFontFor(Rs->text(JobTitleColumn)));
}

void frmNamen::formActivate() {
    AppState& s = appState();
    CheckSchermResolutie();
    applyRecordSelector(s.gbRecordselector == True);
    SynchroniseerRecordselector();
    // An empty list shows no occupation, not even an empty code.
    const QString code = s.gsRvl92Code;
    const bool shown = Rs->onRow() && currentCode() == code;
    if (s.gbVorigScherm == True) {
        s.gsHuidigScherm = screenName();
        if (shown)
            return;
    }
    s.gsHuidigScherm = screenName();
    HistorieToevoegen();
    if (shown)
        return;
    // A new occupation: its titles. An empty list for this very code was
    // already read when the screen was loaded.
    if (!Rs->isOpen() || Rs->recordCount() > 0 || m_requested != code) {
        DbError error;
        if (!OpenNamen(&error)) {
            reportReadError(error);
            closeAndGoBack();
            return;
        }
    }
    if (Rs->absolutePosition() == Recordset::PosUnknown) {
        // Nothing to show: back to where the user came from, and say why.
        closeAndGoBack();
        showNotFound(noJobTitlesForOccupationText(code));
        return;
    }
    showByLength();
    focusList();
    s.gsHuidigScherm = screenName();
    HistorieToevoegen();
}

void frmNamen::applyRecordSelector(bool on) {
    setRowHighlight(on);
}

void frmNamen::DataGrid1_RowColChange() {
    if (appState().gbRecordselector != True)
        return;
    setListFont(listFontFor(Rs->text(JobTitleColumn)));
    ToonRecordTeller();
}

void frmNamen::mnuExporteren_Click() {
    exports::exportNamen(this, *Rs, Cnn);
}

} // namespace rvl92
