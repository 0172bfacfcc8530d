#include "screens/search/functiezoekscherm.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/modrvl92.h"
#include "app/screentext.h"
#include "data/recordsetmodel.h"
#include "screens/search/zoekhulp.h"
#include "screens/search/zoektekst.h"

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

constexpr int ZichtbareRijen = 21;

void behoudRuimte(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

} // namespace

FunctieZoekScherm::FunctieZoekScherm(const QString& formName, const QString& screenName,
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
    behoudRuimte(txtBeroepGeheel);
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
    behoudRuimte(fraRVLBeroep);
    lblRvl->setBuddy(txtRVL);
    lblBeroep->setBuddy(txtBeroep);
    nameControl(txtBeroepGeheel, lblBeroep->text());

    DataGrid1 = createGrid();
    zoeken::zetLijstLettertype(DataGrid1, false);
    const int rij = DataGrid1->verticalHeader()->defaultSectionSize();
    DataGrid1->setMinimumHeight(DataGrid1->horizontalHeader()->sizeHint().height() +
                                ZichtbareRijen * rij + 2 * DataGrid1->frameWidth());
    DataGrid1->hide();
    behoudRuimte(DataGrid1);
    nameItemView(DataGrid1, QStringLiteral("Gevonden functienamen"));
    connect(binding(), &DataBinding::rowChanged, this, [this] {
        werkBeroepGeheelBij();
        DataGrid1_RowColChange();
    });

    lblRecordCount = new QLabel(this);
    lblRecordCount->setObjectName(QStringLiteral("lblRecordCount"));
    lblRecordCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblRecordCount->hide();
    behoudRuimte(lblRecordCount);

    auto* onder = new QHBoxLayout;
    m_zoekRij = new QHBoxLayout;
    onder->addLayout(m_zoekRij);
    onder->addStretch();
    onder->addWidget(lblRecordCount, 0, Qt::AlignTop);

    body()->addWidget(fraRVLBeroep);
    body()->addWidget(DataGrid1, 1);
    body()->addLayout(onder);
}

void FunctieZoekScherm::laadScherm() {
    setWindowIcon(programIcon());
    DbError err;
    if (!openConnection(&err))
        meldFout(QStringLiteral("De database kan niet worden geopend: "), err);
    DataGrid1->hide();
    setWindowState(windowState() | Qt::WindowMaximized);
    CheckSchermResolutie();
}

bool FunctieZoekScherm::activeerScherm() {
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

void FunctieZoekScherm::formUnload() {
    if (Rs->isOpen() && Rs->onRow())
        appState().gsRvl92Code = Rs->text(0);
    HistorieVerwijderen();
}

bool FunctieZoekScherm::openZoekopdracht(const QString& sql) {
    return openZoekopdracht(sql, {sql});
}

bool FunctieZoekScherm::openZoekopdracht(const QString& sql, const zoeken::Uitvoering& uitvoering) {
    DbError err;
    bool ok;
    {
        BusyCursor busy;
        ok = openRs(sql, uitvoering.sql, uitvoering.volgorde, &err);
    }
    if (!ok)
        meldFout(QStringLiteral("De zoekopdracht is mislukt: "), err);
    return ok;
}

void FunctieZoekScherm::OpmaakDatagrid() {
    if (!heeftRijen())
        return;
    QStringList captions;
    for (int c = 0; c < Rs->fieldCount(); ++c) {
        const QString veld = Rs->fieldName(c);
        if (sameName(veld, QStringLiteral("RVL92"))) {
            captions << QStringLiteral("RVL92");
            model()->setAlignment(c, Qt::AlignHCenter);
            DataGrid1->setColumnHidden(c, false);
            DataGrid1->setColumnWidth(c, twipsToPixels(700));
        } else if (sameName(veld, QStringLiteral("functienaam"))) {
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

void FunctieZoekScherm::ToonRecordTeller() {
    lblRecordCount->setText(recordTellerTekst(Rs->absolutePosition(), Rs->recordCount()));
}

void FunctieZoekScherm::toonResultaatDelen(bool zichtbaar) {
    if (zichtbaar) {
        binding()->clearFields();
        binding()->bindField(txtBeroep, QStringLiteral("beroep"));
        binding()->bindField(txtRVL, QStringLiteral("RVL92"));
        binding()->refresh();
        werkBeroepGeheelBij();
        applyRecordSelector(appState().gbRecordselector == True);
    }
    DataGrid1->setVisible(zichtbaar);
    fraRVLBeroep->setVisible(zichtbaar);
    lblRecordCount->setVisible(zichtbaar);
    // The first row gets both rules of a row change at once: the whole name
    // of a long occupation and the small font of a long title.
    txtBeroepGeheel->setVisible(zichtbaar &&
                                zoeken::isLangeBeroepsnaam(Rs->text(QStringLiteral("beroep"))));
    if (zichtbaar && Rs->onRow())
        zoeken::zetLijstLettertype(DataGrid1, zoeken::isLangeFunctienaam(Rs->text(1)));
}

void FunctieZoekScherm::werkBeroepGeheelBij() {
    const QString beroep = Rs->isOpen() ? Rs->text(QStringLiteral("beroep")) : QString();
    if (txtBeroepGeheel->toPlainText() != beroep)
        txtBeroepGeheel->setPlainText(beroep);
}

void FunctieZoekScherm::DataGrid1_RowColChange() {
    if (appState().gbRecordselector != True || !Rs->onRow())
        return;
    zoeken::zetLijstLettertype(DataGrid1, zoeken::isLangeFunctienaam(Rs->text(1)));
    txtBeroepGeheel->setVisible(!fraRVLBeroep->isHidden() &&
                                zoeken::isLangeBeroepsnaam(Rs->text(2)));
    ToonRecordTeller();
}

void FunctieZoekScherm::applyRecordSelector(bool on) {
    setRowHighlight(on);
}

void FunctieZoekScherm::txtBeroep_DblClick() {
    txtBeroepGeheel->show();
    txtBeroepGeheel->raise();
}

void FunctieZoekScherm::txtBeroepGeheel_DblClick() {
    txtBeroepGeheel->hide();
}

void FunctieZoekScherm::geefGridFocus() {
    if (DataGrid1->isVisible())
        DataGrid1->setFocus();
}

void FunctieZoekScherm::mnuEersteRecord_Click() {
    if (heeftRijen())
        Rs->moveFirst();
    geefGridFocus();
}

void FunctieZoekScherm::mnuLaatsteRecord_Click() {
    if (heeftRijen())
        Rs->moveLast();
    geefGridFocus();
}

bool FunctieZoekScherm::eventFilter(QObject* watched, QEvent* event) {
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
