#include "screens/search/jobtitlesearchscreen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/modrvl92.h"
#include "app/screentext.h"
#include "data/recordsetmodel.h"
#include "screens/search/searchtext.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

namespace rvl92 {

namespace {

constexpr int VisibleRows = 21;

void keepRoom(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

} // namespace

JobTitleSearchScreen::JobTitleSearchScreen(const QString& formName, const QString& screenName,
                                           QWidget* parent)
    : DataScreen(formName, screenName, parent) {
    fraRVLBeroep = new QGroupBox(this);
    fraRVLBeroep->setObjectName(QStringLiteral("fraRVLBeroep"));
    auto* lblRvl = new QLabel(QStringLiteral("RVL92-code"), fraRVLBeroep);
    lblRvl->setObjectName(QStringLiteral("lblRvl"));
    txtRVL = new QLineEdit(fraRVLBeroep);
    txtRVL->setObjectName(QStringLiteral("txtRVL"));
    txtRVL->setReadOnly(true);
    txtRVL->setAlignment(Qt::AlignCenter);
    txtRVL->setFixedWidth(twipsToPixels(900));
    auto* lblBeroep = new QLabel(QStringLiteral("Beroep"), fraRVLBeroep);
    lblBeroep->setObjectName(QStringLiteral("lblBeroep"));
    txtBeroep = new QLineEdit(fraRVLBeroep);
    txtBeroep->setObjectName(QStringLiteral("txtBeroep"));
    txtBeroep->setReadOnly(true);
    // The whole name of a long occupation, two lines high over the one-line box.
    txtBeroepGeheel = new QPlainTextEdit(fraRVLBeroep);
    txtBeroepGeheel->setObjectName(QStringLiteral("txtBeroepGeheel"));
    txtBeroepGeheel->setReadOnly(true);
    txtBeroepGeheel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtBeroepGeheel->setFixedHeight(twipsToPixels(490));
    txtBeroepGeheel->hide();
    keepRoom(txtBeroepGeheel);
    txtBeroep->installEventFilter(this);
    txtBeroepGeheel->viewport()->installEventFilter(this);

    auto* frame = new QGridLayout(fraRVLBeroep);
    frame->addWidget(lblRvl, 0, 0, Qt::AlignTop);
    frame->addWidget(txtRVL, 0, 1, Qt::AlignTop);
    frame->addWidget(lblBeroep, 0, 2, Qt::AlignTop);
    frame->addWidget(txtBeroep, 0, 3, Qt::AlignTop);
    frame->addWidget(txtBeroepGeheel, 0, 3);
    frame->setColumnStretch(3, 1);
    fraRVLBeroep->hide();
    keepRoom(fraRVLBeroep);
    lblRvl->setBuddy(txtRVL);
    lblBeroep->setBuddy(txtBeroep);
    nameControl(txtBeroepGeheel, lblBeroep->text());

    DataGrid1 = createGrid();
    setListFont(normalListFont());
    const int row = DataGrid1->verticalHeader()->defaultSectionSize();
    DataGrid1->setMinimumHeight(DataGrid1->horizontalHeader()->sizeHint().height() +
                                VisibleRows * row + 2 * DataGrid1->frameWidth());
    DataGrid1->hide();
    keepRoom(DataGrid1);
    nameItemView(DataGrid1, QStringLiteral("Gevonden functienamen"));
    connect(binding(), &DataBinding::rowChanged, this, [this] {
        updateWholeOccupation();
        DataGrid1_RowColChange();
    });

    lblRecordCount = new QLabel(this);
    lblRecordCount->setObjectName(QStringLiteral("lblRecordCount"));
    lblRecordCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblRecordCount->hide();
    keepRoom(lblRecordCount);

    auto* below = new QHBoxLayout;
    m_searchRow = new QHBoxLayout;
    below->addLayout(m_searchRow);
    below->addStretch();
    below->addWidget(lblRecordCount, 0, Qt::AlignTop);

    body()->addWidget(fraRVLBeroep);
    body()->addWidget(DataGrid1, 1);
    body()->addLayout(below);
}

void JobTitleSearchScreen::loadScreen() {
    openSearchScreen();
    CheckSchermResolutie();
}

bool JobTitleSearchScreen::activateScreen() {
    CheckSchermResolutie();
    AppState& s = appState();
    applyRecordSelector(s.gbRecordselector == True);
    SynchroniseerRecordselector();
    s.gsHuidigScherm = screenName();
    if (s.gbVorigScherm == True || isVisible()) {
        HistorieToevoegen();
        return true;
    }
    return false;
}

void JobTitleSearchScreen::formUnload() {
    if (Rs->isOpen() && Rs->onRow())
        appState().gsRvl92Code = Rs->text(0);
    HistorieVerwijderen();
}

bool JobTitleSearchScreen::openSearch(const QString& sql) {
    return openSearch(sql, {sql});
}

bool JobTitleSearchScreen::openSearch(const QString& sql, const search::QueryPlan& plan) {
    DbError err;
    bool ok;
    {
        BusyCursor busy;
        ok = openRs(sql, plan.sql, plan.order, &err);
    }
    if (!ok)
        reportError(QStringLiteral("De zoekopdracht is mislukt: "), err);
    return ok;
}

void JobTitleSearchScreen::OpmaakDatagrid() {
    if (!hasRows())
        return;
    QStringList captions;
    for (int c = 0; c < Rs->fieldCount(); ++c) {
        const QString field = Rs->fieldName(c);
        if (sameName(field, QStringLiteral("RVL92"))) {
            captions << QStringLiteral("RVL92");
            model()->setAlignment(c, Qt::AlignHCenter);
            DataGrid1->setColumnHidden(c, false);
            DataGrid1->setColumnWidth(c, twipsToPixels(700));
        } else if (sameName(field, QStringLiteral("functienaam"))) {
            captions << QStringLiteral("Functienaam");
            DataGrid1->setColumnHidden(c, false);
            DataGrid1->setColumnWidth(c, twipsToPixels(8000));
        } else {
            captions << QString();
            DataGrid1->setColumnHidden(c, true);
        }
    }
    model()->setCaptions(captions);
}

void JobTitleSearchScreen::ToonRecordTeller() {
    lblRecordCount->setText(recordCounterText(Rs->absolutePosition(), Rs->recordCount()));
}

void JobTitleSearchScreen::showResultParts(bool visible) {
    if (visible) {
        binding()->clearFields();
        binding()->bindField(txtBeroep, QStringLiteral("beroep"));
        binding()->bindField(txtRVL, QStringLiteral("RVL92"));
        binding()->refresh();
        updateWholeOccupation();
        applyRecordSelector(appState().gbRecordselector == True);
    }
    DataGrid1->setVisible(visible);
    fraRVLBeroep->setVisible(visible);
    lblRecordCount->setVisible(visible);
    // The first row gets both rules of a row change at once: the whole name
    // of a long occupation and the small font of a long title.
    txtBeroepGeheel->setVisible(visible &&
                                isLongOccupationName(Rs->text(QStringLiteral("beroep"))));
    if (visible && Rs->onRow())
        setListFont(listFontFor(Rs->text(1)));
}

void JobTitleSearchScreen::updateWholeOccupation() {
    const QString occupation = Rs->isOpen() ? Rs->text(QStringLiteral("beroep")) : QString();
    if (txtBeroepGeheel->toPlainText() != occupation)
        txtBeroepGeheel->setPlainText(occupation);
}

void JobTitleSearchScreen::DataGrid1_RowColChange() {
    if (appState().gbRecordselector != True || !Rs->onRow())
        return;
    setListFont(listFontFor(Rs->text(1)));
    txtBeroepGeheel->setVisible(!fraRVLBeroep->isHidden() && isLongOccupationName(Rs->text(2)));
    ToonRecordTeller();
}

void JobTitleSearchScreen::applyRecordSelector(bool on) {
    setRowHighlight(on);
}

void JobTitleSearchScreen::txtBeroep_DblClick() {
    txtBeroepGeheel->show();
    txtBeroepGeheel->raise();
}

void JobTitleSearchScreen::txtBeroepGeheel_DblClick() {
    txtBeroepGeheel->hide();
}

void JobTitleSearchScreen::focusGrid() {
    if (DataGrid1->isVisible())
        DataGrid1->setFocus();
}

void JobTitleSearchScreen::mnuEersteRecord_Click() {
    if (hasRows())
        Rs->moveFirst();
    focusGrid();
}

void JobTitleSearchScreen::mnuLaatsteRecord_Click() {
    if (hasRows())
        Rs->moveLast();
    focusGrid();
}

bool JobTitleSearchScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == txtBeroep) {
            txtBeroep_DblClick();
            return true;
        }
        if (watched == txtBeroepGeheel->viewport()) {
            txtBeroepGeheel_DblClick();
            return true;
        }
    }
    return DataScreen::eventFilter(watched, event);
}

} // namespace rvl92
