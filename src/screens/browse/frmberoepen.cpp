#include "screens/browse/frmberoepen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmdialogbericht.h"
#include "app/keys.h"
#include "app/modrvl92.h"
#include "screens/browse/browsemessages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>

namespace rvl92 {

namespace {
const QString Query = QStringLiteral("SELECT RVL92, beroep FROM RVL order by RVL92");
constexpr int OccupationColumn = 1;
} // namespace

frmBeroepen::frmBeroepen(QWidget* parent) : BrowseScreen(form::Beroepen, screen::Beroepen, parent) {
    setWindowTitle(QStringLiteral("Overzicht Beroepen"));
    createBrowseGrid(
        QStringLiteral("Lijst van alle opgenomen Rvl92-codes met de bijbehorende beroepen"));
    // A long name is shown on two lines while its row is current.
    grid()->setWordWrap(true);
    grid()->setTextElideMode(Qt::ElideRight);

    auto* lbl1 = new QLabel(QStringLiteral("Spring naar:"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(1);
    for (int k = 0; k < 5; ++k) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtZ%1").arg(k + 1));
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        // Paste (Shift+Insert), a drop or an input method puts text in without
        // the key rules: even then a box takes nothing but a digit. The rules
        // write their blanks and wildcards with setText, which is not checked.
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), box));
        box->setFixedWidth(qMax(twipsToPixels(200),
                                box->fontMetrics().horizontalAdvance(QStringLiteral("0")) + 14));
        boxes->addWidget(box);
        txtZ[size_t(k)] = box;
    }
    cmdZoeken = new QPushButton(QStringLiteral("Springen"), this);
    cmdZoeken->setObjectName(QStringLiteral("cmdZoeken"));
    cmdZoeken->setToolTip(QStringLiteral("Springen naar opgegeven Rvl92-code"));
    cmdZoeken->setEnabled(false);
    cmdWissen = new QPushButton(QStringLiteral("Wissen springcriterium"), this);
    cmdWissen->setObjectName(QStringLiteral("cmdWissen"));
    cmdWissen->setToolTip(QStringLiteral("Wissen van de opgegeven zoekwaarde"));
    cmdWissen->setEnabled(false);
    lblRecordCount = new QLabel(this);
    lblRecordCount->setObjectName(QStringLiteral("lblRecordCount"));
    lbl1->setBuddy(txtZ[0]);
    nameCodeBoxes(txtZ);
    nameItemView(grid(), QStringLiteral("Lijst beroepen"));

    auto* below = new QHBoxLayout;
    below->addWidget(lbl1);
    below->addLayout(boxes);
    below->addSpacing(8);
    below->addWidget(cmdZoeken);
    below->addWidget(cmdWissen);
    below->addStretch(1);
    below->addWidget(lblRecordCount);
    body()->addWidget(grid(), 1);
    body()->addLayout(below);

    connect(txtZ[0], &QLineEdit::textChanged, this, [this] { txtZ1_Change(); });
    connect(txtZ[4], &QLineEdit::textChanged, this, [this] { txtZ5_Change(); });
    connect(cmdZoeken, &QPushButton::clicked, this, [this] { cmdZoeken_Click(); });
    connect(cmdWissen, &QPushButton::clicked, this, [this] { cmdWissen_Click(); });
    letMenuShortcutsThrough();
    resize(twipsToPixels(9700), twipsToPixels(7200));
}

void frmBeroepen::formLoad() {
    setWindowIcon(programIcon());
    DbError error;
    bool opened = openConnection(&error);
    if (opened) {
        setWindowState(windowState() | Qt::WindowMaximized);
        BusyCursor busy;
        opened = OpenBeroepen(&error);
    }
    if (!opened) {
        // A list that cannot be read is not shown at all.
        reportReadError(error);
        forms().unload(this);
        return;
    }
    OpmaakKolommen();
    CheckSchermResolutie();
    focusList();
}

bool frmBeroepen::OpenBeroepen(DbError* error) {
    if (!openRs(Query, error))
        return false;
    const QString code = appState().gsRvl92Code;
    moveQuietly(
        [&] {
            Rs->moveFirst();
            findCode(code);
        },
        true);
    scrollCurrentRowToTop();
    ToonRecordTeller();
    if (Rs->onRow())
        appState().gsRvl92Code = currentCode();
    return true;
}

void frmBeroepen::OpmaakKolommen() {
    for (int column = 0; column < Rs->fieldCount(); ++column) {
        const QString field = Rs->fieldName(column);
        if (sameName(field, QStringLiteral("RVL92")))
            setColumn(column, 700, QStringLiteral("RVL92"), true);
        else if (sameName(field, QStringLiteral("beroep")))
            setColumn(column, 8000, QStringLiteral("Beroep"), false);
    }
}

void frmBeroepen::formResize() {
    const bool goingBack = appState().gbVorigScherm == True;
    DataScreen::formResize();
    OpmaakKolommen();
    if (!goingBack)
        update();
}

void frmBeroepen::formActivate() {
    // Without a current row (an empty table) activation does nothing at all.
    if (!Rs->isOpen() || !Rs->onRow())
        return;
    AppState& s = appState();
    CheckSchermResolutie();
    applyRecordSelector(s.gbRecordselector == True);
    SynchroniseerRecordselector();
    if (s.gbVorigScherm == True) {
        s.gsHuidigScherm = screenName();
        if (currentCode() == s.gsRvl92Code)
            return;
    }
    s.gsHuidigScherm = screenName();
    HistorieToevoegen();
    if (currentCode() == s.gsRvl92Code)
        return;
    const QString code = s.gsRvl92Code;
    moveQuietly([&] { findCode(code); });
    scrollCurrentRowToTop();

    // Typing goes on where it stopped: the list, or the first open code box.
    const CodeBoxes v = codeBoxes();
    if (isEmptyBox(v[0])) {
        focusList();
    } else {
        for (int k = 1; k < 5; ++k) {
            if (isEmptyBox(v[size_t(k)])) {
                focusBox(k);
                break;
            }
        }
    }
    OpmaakKolommen();
    s.gsHuidigScherm = screenName();
    HistorieToevoegen();
}

void frmBeroepen::applyRecordSelector(bool on) {
    setRowHighlight(on);
    if (on && Rs->onRow())
        PlaatsRecordselector();
    else
        restoreRowHeight();
}

void frmBeroepen::DataGrid1_RowColChange() {
    if (appState().gbRecordselector != True)
        return;
    if (Rs->onRow()) {
        PlaatsRecordselector();
        ToonRecordTeller();
    }
}

void frmBeroepen::PlaatsRecordselector() {
    restoreRowHeight();
    if (!Rs->onRow() || !isLongOccupationNameInList(Rs->text(OccupationColumn)))
        return;
    m_tallRow = Rs->currentRow();
    grid()->setRowHeight(m_tallRow, 2 * grid()->verticalHeader()->defaultSectionSize());
}

void frmBeroepen::restoreRowHeight() {
    if (m_tallRow >= 0 && m_tallRow < Rs->recordCount())
        grid()->setRowHeight(m_tallRow, grid()->verticalHeader()->defaultSectionSize());
    m_tallRow = -1;
}

CodeBoxes frmBeroepen::codeBoxes() const {
    CodeBoxes v;
    for (size_t k = 0; k < v.size(); ++k)
        v[k] = txtZ[k]->text();
    return v;
}

int frmBeroepen::boxOf(const QObject* o) const {
    for (size_t k = 0; k < txtZ.size(); ++k)
        if (txtZ[k] == o)
            return int(k);
    return -1;
}

void frmBeroepen::focusBox(int box) {
    if (box == CodeBoxStep::List)
        focusList();
    else if (box >= 0 && box < 5)
        txtZ[size_t(box)]->setFocus(Qt::OtherFocusReason);
}

void frmBeroepen::applyStep(const CodeBoxStep& step) {
    for (size_t k = 0; k < txtZ.size(); ++k)
        if (txtZ[k]->text() != step.boxes[k])
            txtZ[k]->setText(step.boxes[k]);
    if (step.jumpEnabled)
        cmdZoeken->setEnabled(true);
    if (step.toFirstRow)
        moveQuietly([this] { Rs->moveFirst(); });
    if (step.rowMove < 0 && Rs->absolutePosition() >= 2)
        moveQuietly([this] { Rs->movePrevious(); });
    if (step.rowMove > 0 && Rs->onRow() && Rs->absolutePosition() < Rs->recordCount())
        moveQuietly([this] { Rs->moveNext(); });
    focusBox(step.focus);
}

bool frmBeroepen::eventFilter(QObject* watched, QEvent* event) {
    const int box = boxOf(watched);
    if (box >= 0 && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* ke = static_cast<QKeyEvent*>(event);
        std::optional<Arrow> arrow;
        switch (ke->key()) {
        case Qt::Key_Left:
            arrow = Arrow::Left;
            break;
        case Qt::Key_Right:
            arrow = Arrow::Right;
            break;
        case Qt::Key_Up:
            arrow = Arrow::Up;
            break;
        case Qt::Key_Down:
            arrow = Arrow::Down;
            break;
        default:
            break;
        }
        if (arrow) {
            // Arrows act when the key comes up, once per press.
            if (event->type() == QEvent::KeyRelease && !ke->isAutoRepeat())
                applyStep(codeBoxArrow(codeBoxes(), box, *arrow));
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            if (ke->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
                return true; // no cut or paste into a one-digit box
            if (const std::optional<char32_t> t = keyCharacter(ke, ModifiedKeys::Ignore)) {
                applyStep(codeBoxCharacter(codeBoxes(), box, *t));
                return true;
            }
        }
    }
    return BrowseScreen::eventFilter(watched, event);
}

bool frmBeroepen::DataGrid1_KeyPress(char32_t key) {
    applyStep(listCharacter(codeBoxes(), ZoekWaarde, key));
    return true;
}

void frmBeroepen::txtZ1_Change() {
    QLineEdit* z1 = txtZ[0];
    const QString t = z1->text();
    if (!t.isEmpty() && !isDigitBox(t)) {
        z1->clear();
        z1->setFocus(Qt::OtherFocusReason);
        return;
    }
    cmdZoeken->setEnabled(!t.isEmpty());
    cmdWissen->setEnabled(!t.isEmpty());
}

void frmBeroepen::txtZ5_Change() {
    QLineEdit* z5 = txtZ[4];
    const QString t = z5->text();
    if (t.isEmpty() || t == QLatin1String("*"))
        return;
    if (!isDigitBox(t)) {
        z5->clear();
        z5->setFocus(Qt::OtherFocusReason);
        return;
    }
    cmdZoeken->setEnabled(true);
    cmdWissen->setEnabled(true);
}

void frmBeroepen::cmdZoeken_Click() {
    if (joinedCodeBoxes(codeBoxes()).isEmpty()) {
        showNotFound(noJumpValueOccupationsText());
        return;
    }
    focusList();
    SpringNaarRvl92Code();
    cmdZoeken->setEnabled(false);
}

void frmBeroepen::SpringNaarRvl92Code() {
    const QString code = appState().gsRvl92Code;
    CodeBoxes v = codeBoxes();
    if (isEmptyBox(v[0])) {
        showNotFound(noJumpValueOccupationsText());
        moveQuietly([&] { findCode(code); });
        return;
    }
    v = completeCodeBoxes(v);
    for (size_t k = 0; k < txtZ.size(); ++k)
        if (txtZ[k]->text() != v[k])
            txtZ[k]->setText(v[k]);
    ZoekWaarde = joinedCodeBoxes(v);
    if (ZoekWaarde.isEmpty() || ZoekWaarde == QLatin1String("*")) {
        txtZ[0]->clear();
        return;
    }
    // The pattern holds only digits and the completion's "*".
    const FindCriterion c{0, FindCriterion::Op::Like, ZoekWaarde};
    const int before = Rs->currentRow();
    bool found = false;
    moveQuietly([&] {
        found = Rs->find(c) || (Rs->moveFirst() && Rs->find(c));
        if (!found) {
            // Back to the occupation that was current.
            Rs->moveTo(before);
            findCode(code);
        }
    });
    if (!found)
        showNotFound(codeNotFoundText(ZoekWaarde), NotFoundWidthTwips);
    else if (Rs->currentRow() != before)
        scrollCurrentRowToTop();
}

void frmBeroepen::cmdWissen_Click() {
    const CodeBoxes v = codeBoxes();
    if (!joinedCodeBoxes(v).isEmpty()) {
        for (QLineEdit* box : txtZ)
            box->clear();
        moveQuietly([this] { Rs->moveFirst(); });
    }
    txtZ[0]->setFocus(Qt::OtherFocusReason);
}

void frmBeroepen::mnuExporteren_Click() {
    showNotice(occupationListNotice(appState().programDir));
}

} // namespace rvl92
