#include "screens/browse/frmfunctienamen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/frmdialogbericht.h"
#include "app/modrvl92.h"
#include "screens/browse/browsemessages.h"
#include "screens/browse/jumpvalue.h"

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
constexpr int JobTitleColumn = 1;
constexpr int OccupationColumn = 2;
} // namespace

frmFunctienamen::frmFunctienamen(QWidget* parent)
    : BrowseScreen(form::Functienamen, screen::Functienamen, parent) {
    setWindowTitle(QStringLiteral("Overzicht Functienamen"));
    QWidget* frame = makeCodeOccupationFrame(
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

    auto* below = new QHBoxLayout;
    below->addWidget(lbl1);
    below->addWidget(txtLoop);
    below->addWidget(cmdZoeken);
    below->addWidget(cmdWissen);
    below->addStretch(1);
    below->addWidget(lblRecordCount);
    body()->addWidget(frame);
    body()->addWidget(grid(), 1);
    body()->addLayout(below);

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
    DbError error;
    if (!openConnection(&error)) {
        reportError(QStringLiteral("Load! "), error);
        return;
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    bool opened = false;
    {
        BusyCursor busy;
        opened = OpenFunctienamen(&error);
        if (opened)
            OpmaakKolommen();
    }
    if (!opened) {
        reportError(QStringLiteral("Load! "), error);
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

bool frmFunctienamen::OpenFunctienamen(DbError* error) {
    if (!openRs(Query, error))
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
    if (m_stepsWithoutRow && Rs->onRow()) {
        m_stepsWithoutRow = false;
        menuItem(MenuRole::VorigeCode)->setEnabled(true);
        menuItem(MenuRole::VolgendeCode)->setEnabled(true);
    }
    AppState& s = appState();
    if (s.gbRecordselector != True)
        return;
    if (Rs->absolutePosition() < 1) {
        menuItem(MenuRole::VorigeCode)->setEnabled(false);
        menuItem(MenuRole::VolgendeCode)->setEnabled(false);
        m_stepsWithoutRow = true;
    } else {
        showWholeOccupation(isLongOccupationName(Rs->text(OccupationColumn)));
        setListFont(listFontFor(Rs->text(JobTitleColumn)));
    }
    ToonRecordTeller();
    if (Rs->onRow())
        s.gsRvl92Code = currentCode();
}

bool frmFunctienamen::DataGrid1_KeyPress(char32_t key) {
    const JumpStep step = jumpKey(SpringWaarde, key);
    switch (step.kind) {
    case JumpStep::Kind::Clear:
        setJumpValue(QString());
        moveQuietly([this] { Rs->moveFirst(); });
        break;
    case JumpStep::Kind::Focus:
    case JumpStep::Kind::Ignore:
        break;
    case JumpStep::Kind::Jump:
        setJumpValue(step.value);
        SpringNaarFunctienaam();
        break;
    }
    focusList();
    return true;
}

void frmFunctienamen::setJumpValue(const QString& value) {
    SpringWaarde = value;
    txtLoop->setText(value);
}

void frmFunctienamen::SpringNaarFunctienaam() {
    if (SpringWaarde.isEmpty() || !Rs->isOpen()) {
        focusList();
        return;
    }
    bool found = false;
    moveQuietly([&] {
        Rs->moveFirst();
        found = Rs->find({JobTitleColumn, FindCriterion::Op::Prefix, SpringWaarde});
        if (found) {
            LaatstePositie = Rs->absolutePosition();
        } else {
            // The last character made the value match nothing: take it back
            // and stay on the last match.
            setJumpValue(withoutLastCharacter(SpringWaarde));
            Rs->setAbsolutePosition(LaatstePositie < 1 ? 1 : LaatstePositie);
        }
    });
    if (found)
        scrollCurrentRowToTop();
    focusList();
}

void frmFunctienamen::txtLoop_Change() {
    const bool value = !txtLoop->text().isEmpty();
    cmdZoeken->setEnabled(value);
    cmdWissen->setEnabled(value);
}

void frmFunctienamen::cmdZoeken_Click() {
    if (txtLoop->text().isEmpty()) {
        showNotFound(noJumpValueJobTitlesText());
    } else {
        SpringNaarFunctienaam();
        focusList();
    }
    cmdZoeken->setEnabled(false);
}

void frmFunctienamen::cmdWissen_Click() {
    if (!txtLoop->text().isEmpty()) {
        setJumpValue(QString());
        const QString code = appState().gsRvl92Code;
        moveQuietly([&] { findCode(code); });
    }
    focusList();
}

void frmFunctienamen::mnuVolgendeRvl_Click() {
    stepWithinCode(Recordset::Direction::Forward);
}

void frmFunctienamen::mnuVorigeRvl_Click() {
    stepWithinCode(Recordset::Direction::Backward);
}

// The next or previous title of the same code as the current row, and back
// to this row when there is none: the step never lands on another occupation.
void frmFunctienamen::stepWithinCode(Recordset::Direction direction) {
    if (!Rs->onRow()) {
        focusList();
        return;
    }
    const QString code = currentCode();
    appState().gsRvl92Code = code;
    LaatstePositie = Rs->absolutePosition();
    bool found = false;
    moveQuietly([&] {
        found = Rs->find({0, FindCriterion::Op::Equals, code}, 1, direction);
        if (found)
            LaatstePositie = Rs->absolutePosition();
        else
            Rs->setAbsolutePosition(LaatstePositie);
    });
    const bool forward = direction == Recordset::Direction::Forward;
    menuItem(forward ? MenuRole::VorigeCode : MenuRole::VolgendeCode)->setEnabled(true);
    menuItem(forward ? MenuRole::VolgendeCode : MenuRole::VorigeCode)->setEnabled(found);
    focusList();
}

void frmFunctienamen::mnuExporteren_Click() {
    showNotice(jobTitleListNotice(appState().programDir));
}

} // namespace rvl92
