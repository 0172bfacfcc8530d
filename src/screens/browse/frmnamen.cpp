#include "screens/browse/frmnamen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"
#include "data/sqltext.h"
#include "export/screenexports.h"
#include "screens/browse/browseteksten.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace rvl92 {

namespace {
constexpr int KolomFunctienaam = 1;
constexpr int KolomBeroep = 2;
} // namespace

frmNamen::frmNamen(QWidget* parent) : BrowseScreen(form::Namen, screen::Namen, parent) {
    setWindowTitle(QStringLiteral("Functienamen bij beroep"));
    QWidget* kader =
        makeCodeOccupationFrame(QStringLiteral("fraRVLBeroep"), QString(), QString(), 615);
    txtRVL->setFocusPolicy(Qt::ClickFocus);
    txtBeroep->setFocusPolicy(Qt::ClickFocus);
    txtBeroepGeheel->setFocusPolicy(Qt::ClickFocus);
    createBrowseGrid(QString());
    nameItemView(grid(), QStringLiteral("Functienamen bij beroep"));
    lblRecordCount = new QLabel(this);
    lblRecordCount->setObjectName(QStringLiteral("lblRecordCount"));
    auto* onder = new QHBoxLayout;
    onder->addStretch(1);
    onder->addWidget(lblRecordCount);
    body()->addWidget(kader);
    body()->addWidget(grid(), 1);
    body()->addLayout(onder);
    binding()->bindField(txtRVL, QStringLiteral("RVL92"));
    binding()->bindField(txtBeroep, QStringLiteral("beroep"));
    letMenuShortcutsThrough();
    // This screen opens in its own size, not maximised.
    resize(qMax(twipsToPixels(9735), kader->sizeHint().width() + 24), twipsToPixels(6600));
}

void frmNamen::formLoad() {
    setWindowIcon(programIcon());
    DbError fout;
    if (!openConnection(&fout) || !OpenNamen(&fout)) {
        reportReadError(fout);
        forms().unload(this);
        return;
    }
    CheckSchermResolutie();
    focusList();
}

bool frmNamen::OpenNamen(DbError* fout) {
    const QString code = appState().gsRvl92Code;
    BusyCursor busy;
    m_opgevraagd = code;
    const bool geopend = openRs(QStringLiteral("SELECT RVL92,Functienaam,beroep FROM ") +
                                    QStringLiteral("Functienamen where RVL92 = '") +
                                    sqlLiteralText(code) + QStringLiteral("'"),
                                fout);
    OpmaakKolommen();
    ToonRecordTeller();
    // The name box and the font follow every new list, the first one too.
    toonLengteAfhankelijk();
    return geopend;
}

void frmNamen::OpmaakKolommen() {
    setCodeAndTitleColumns();
}

void frmNamen::toonLengteAfhankelijk() {
    showWholeOccupation(Rs->onRow() && isLongOccupationName(Rs->text(KolomBeroep)));
    setListFont(listFontFor(Rs->text(KolomFunctienaam)));
}

void frmNamen::formActivate() {
    AppState& s = appState();
    CheckSchermResolutie();
    applyRecordSelector(s.gbRecordselector == True);
    SynchroniseerRecordselector();
    // An empty list shows no occupation, not even an empty code.
    const QString code = s.gsRvl92Code;
    const bool getoond = Rs->onRow() && currentCode() == code;
    if (s.gbVorigScherm == True) {
        s.gsHuidigScherm = screenName();
        if (getoond)
            return;
    }
    s.gsHuidigScherm = screenName();
    HistorieToevoegen();
    if (getoond)
        return;
    // A new occupation: its titles. An empty list for this very code was
    // already read when the screen was loaded.
    if (!Rs->isOpen() || Rs->recordCount() > 0 || m_opgevraagd != code) {
        DbError fout;
        if (!OpenNamen(&fout)) {
            reportReadError(fout);
            closeAndGoBack();
            return;
        }
    }
    if (Rs->absolutePosition() == Recordset::PosUnknown) {
        // Nothing to show: back to where the user came from, and say why.
        closeAndGoBack();
        showNotFound(geenFunctienamenBijBeroep(code));
        return;
    }
    toonLengteAfhankelijk();
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
    setListFont(listFontFor(Rs->text(KolomFunctienaam)));
    ToonRecordTeller();
}

void frmNamen::mnuExporteren_Click() {
    exports::exporteerNamen(this, *Rs, Cnn);
}

} // namespace rvl92
