#include "screens/browse/frmfunctienamen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/frmdialogbericht.h"
#include "app/modrvl92.h"
#include "screens/browse/browseteksten.h"
#include "screens/browse/springwaarde.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace rvl92 {

namespace {
const QString Query = QStringLiteral(" select RVL92, Functienaam, beroep, id from functienamen");
constexpr int KolomFunctienaam = 1;
constexpr int KolomBeroep = 2;
} // namespace

frmFunctienamen::frmFunctienamen(QWidget* parent)
    : BrowseScreen(form::Functienamen, screen::Functienamen, parent) {
    setWindowTitle(QStringLiteral("Overzicht Functienamen"));
    QWidget* kader = makeCodeOccupationFrame(
        QStringLiteral("fraRVLBeroep"),
        QStringLiteral("Rvl92-code van de geselecteerde functienaam"),
        QStringLiteral("Beroep behorend bij de geselecteerde functienaam"), 750);
    // The boxes above the list only show the current row; Tab goes from the
    // list to the jump buttons.
    txtRVL->setFocusPolicy(Qt::ClickFocus);
    txtBeroep->setFocusPolicy(Qt::ClickFocus);
    txtBeroepGeheel->setFocusPolicy(Qt::ClickFocus);
    createBrowseGrid(QStringLiteral(
        "Lijst van alle opgenomen functiebenamingen met de bijbehorende Rvl92-code"));

    auto* lbl1 = new QLabel(QStringLiteral("Spring naar:"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    txtLoop = new QLineEdit(this);
    txtLoop->setObjectName(QStringLiteral("txtLoop"));
    txtLoop->setToolTip(QStringLiteral("Springwaarde"));
    txtLoop->setEnabled(false);
    txtLoop->setMinimumWidth(Form::twipsToPixels(3000));
    cmdZoeken = new QPushButton(QStringLiteral("Springen"), this);
    cmdZoeken->setObjectName(QStringLiteral("cmdZoeken"));
    cmdZoeken->setToolTip(QStringLiteral("Springen naar opgegeven springcriterium"));
    cmdZoeken->setEnabled(false);
    cmdWissen = new QPushButton(QStringLiteral("Wissen springcriterium"), this);
    cmdWissen->setObjectName(QStringLiteral("cmdWissen"));
    cmdWissen->setToolTip(QStringLiteral("Wissen van het opgegeven springcriterium"));
    cmdWissen->setEnabled(false);
    lblRecordCount = new QLabel(this);
    lblRecordCount->setObjectName(QStringLiteral("lblRecordCount"));
    lbl1->setBuddy(txtLoop);
    nameItemView(grid(), QStringLiteral("Lijst functienamen"));

    auto* onder = new QHBoxLayout;
    onder->addWidget(lbl1);
    onder->addWidget(txtLoop);
    onder->addWidget(cmdZoeken);
    onder->addWidget(cmdWissen);
    onder->addStretch(1);
    onder->addWidget(lblRecordCount);
    body()->addWidget(kader);
    body()->addWidget(grid(), 1);
    body()->addLayout(onder);

    binding()->bindField(txtRVL, QStringLiteral("RVL92"));
    binding()->bindField(txtBeroep, QStringLiteral("beroep"));
    connect(txtLoop, &QLineEdit::textChanged, this, [this] { txtLoop_Change(); });
    connect(cmdZoeken, &QPushButton::clicked, this, [this] { cmdZoeken_Click(); });
    connect(cmdWissen, &QPushButton::clicked, this, [this] { cmdWissen_Click(); });
    letMenuShortcutsThrough();
    resize(twipsToPixels(9700), twipsToPixels(7200));
}

void frmFunctienamen::formLoad() {
    setWindowIcon(programIcon());
    DbError fout;
    if (!openConnection(&fout)) {
        reportError(QStringLiteral("Load! "), fout);
        return;
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    bool geopend = false;
    {
        BusyCursor busy;
        geopend = OpenFunctienamen(&fout);
        if (geopend)
            OpmaakKolommen();
    }
    if (!geopend) {
        reportError(QStringLiteral("Load! "), fout);
        return;
    }
    // Without a current row (an occupation without job titles) the occupation
    // chosen before stays the current one.
    AppState& s = appState();
    if (Rs->onRow())
        s.gsRvl92Code = currentCode();
    s.gsStartRvl92Code = s.gsRvl92Code;
    CheckSchermResolutie();
    focusList();
}

bool frmFunctienamen::OpenFunctienamen(DbError* fout) {
    if (!openRs(Query, fout))
        return false;
    const QString code = appState().gsRvl92Code;
    moveQuietly(
        [&] {
            Rs->moveFirst();
            if (!code.isEmpty())
                Rs->find({0, FindCriterion::Op::Equals, code});
            // The list stands on the first title of its code.
            if (!Rs->eof())
                menuItem(MenuRole::VorigeCode)->setEnabled(false);
        },
        true);
    scrollCurrentRowToTop();
    ToonRecordTeller();
    return true;
}

void frmFunctienamen::OpmaakKolommen() {
    setCodeAndTitleColumns();
}

void frmFunctienamen::formActivate() {
    if (!Rs->isOpen()) {
        reportError(QStringLiteral("Activate! "),
                    {dberr::NotOpen, QStringLiteral("De lijst met functienamen is niet geopend.")});
        closeAndGoBack();
        return;
    }
    CheckSchermResolutie();
    AppState& s = appState();
    applyRecordSelector(s.gbRecordselector == True);
    SynchroniseerRecordselector();
    if (s.gbVorigScherm == True) {
        s.gsHuidigScherm = screenName();
        if (currentCode() == s.gsRvl92Code)
            return;
    }
    s.gsHuidigScherm = screenName();
    HistorieToevoegen();
    // Another screen chose another occupation: its first job title, wherever
    // it lies. No chosen occupation leaves the list where it is.
    const QString code = s.gsRvl92Code;
    if (code.isEmpty() || currentCode() == code)
        return;
    {
        BusyCursor busy;
        moveQuietly([&] {
            Rs->moveFirst();
            Rs->find({0, FindCriterion::Op::Equals, code});
        });
    }
    scrollCurrentRowToTop();
    focusList();
}

void frmFunctienamen::applyRecordSelector(bool on) {
    setRowHighlight(on);
}

void frmFunctienamen::DataGrid1_RowColChange() {
    // Whatever brought the list back onto a row (a jump, Escape, first or
    // last record, an arrow key, another occupation), the steps through a
    // code work again: nothing else would ever enable them.
    if (m_stappenZonderRij && Rs->onRow()) {
        m_stappenZonderRij = false;
        menuItem(MenuRole::VorigeCode)->setEnabled(true);
        menuItem(MenuRole::VolgendeCode)->setEnabled(true);
    }
    AppState& s = appState();
    if (s.gbRecordselector != True)
        return;
    if (Rs->absolutePosition() < 1) {
        menuItem(MenuRole::VorigeCode)->setEnabled(false);
        menuItem(MenuRole::VolgendeCode)->setEnabled(false);
        m_stappenZonderRij = true;
    } else {
        showWholeOccupation(isLongOccupationName(Rs->text(KolomBeroep)));
        setListFont(listFontFor(Rs->text(KolomFunctienaam)));
    }
    ToonRecordTeller();
    if (Rs->onRow())
        s.gsRvl92Code = currentCode();
}

bool frmFunctienamen::DataGrid1_KeyPress(char32_t toets) {
    const SpringStap stap = springToets(SpringWaarde, toets);
    switch (stap.soort) {
    case SpringStap::Soort::Wissen:
        zetSpringWaarde(QString());
        moveQuietly([this] { Rs->moveFirst(); });
        break;
    case SpringStap::Soort::Focus:
    case SpringStap::Soort::Negeren:
        break;
    case SpringStap::Soort::Springen:
        zetSpringWaarde(stap.waarde);
        SpringNaarFunctienaam();
        break;
    }
    focusList();
    return true;
}

void frmFunctienamen::zetSpringWaarde(const QString& waarde) {
    SpringWaarde = waarde;
    txtLoop->setText(waarde);
}

void frmFunctienamen::SpringNaarFunctienaam() {
    if (SpringWaarde.isEmpty() || !Rs->isOpen()) {
        focusList();
        return;
    }
    bool gevonden = false;
    moveQuietly([&] {
        Rs->moveFirst();
        gevonden = Rs->find({KolomFunctienaam, FindCriterion::Op::Prefix, SpringWaarde});
        if (gevonden) {
            LaatstePositie = Rs->absolutePosition();
        } else {
            // The last character made the value match nothing: take it back
            // and stay on the last match.
            zetSpringWaarde(zonderLaatsteTeken(SpringWaarde));
            Rs->setAbsolutePosition(LaatstePositie < 1 ? 1 : LaatstePositie);
        }
    });
    if (gevonden)
        scrollCurrentRowToTop();
    focusList();
}

void frmFunctienamen::txtLoop_Change() {
    const bool waarde = !txtLoop->text().isEmpty();
    cmdZoeken->setEnabled(waarde);
    cmdWissen->setEnabled(waarde);
}

void frmFunctienamen::cmdZoeken_Click() {
    if (txtLoop->text().isEmpty()) {
        showNotFound(geenSpringwaardeFunctienamen());
    } else {
        SpringNaarFunctienaam();
        focusList();
    }
    cmdZoeken->setEnabled(false);
}

void frmFunctienamen::cmdWissen_Click() {
    if (!txtLoop->text().isEmpty()) {
        zetSpringWaarde(QString());
        const QString code = appState().gsRvl92Code;
        moveQuietly([&] { findCode(code); });
    }
    focusList();
}

void frmFunctienamen::mnuVolgendeCode_Click() {
    stapBinnenCode(Recordset::Direction::Forward);
}

void frmFunctienamen::mnuVorigeCode_Click() {
    stapBinnenCode(Recordset::Direction::Backward);
}

// The next or previous title of the same code as the current row, and back
// to this row when there is none: the step never lands on another occupation.
void frmFunctienamen::stapBinnenCode(Recordset::Direction richting) {
    if (!Rs->onRow()) {
        focusList();
        return;
    }
    const QString code = currentCode();
    appState().gsRvl92Code = code;
    LaatstePositie = Rs->absolutePosition();
    bool gevonden = false;
    moveQuietly([&] {
        gevonden = Rs->find({0, FindCriterion::Op::Equals, code}, 1, richting);
        if (gevonden)
            LaatstePositie = Rs->absolutePosition();
        else
            Rs->setAbsolutePosition(LaatstePositie);
    });
    const bool vooruit = richting == Recordset::Direction::Forward;
    menuItem(vooruit ? MenuRole::VorigeCode : MenuRole::VolgendeCode)->setEnabled(true);
    menuItem(vooruit ? MenuRole::VolgendeCode : MenuRole::VorigeCode)->setEnabled(gevonden);
    focusList();
}

void frmFunctienamen::mnuExporteren_Click() {
    toonMededeling(functienamenlijstMededeling(appState().programDir));
}

} // namespace rvl92
