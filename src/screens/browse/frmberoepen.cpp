#include "screens/browse/frmberoepen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmdialogbericht.h"
#include "app/keys.h"
#include "app/modrvl92.h"
#include "screens/browse/browseteksten.h"

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
constexpr int KolomBeroep = 1;
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
    auto* vakken = new QHBoxLayout;
    vakken->setSpacing(1);
    for (int k = 0; k < 5; ++k) {
        auto* vak = new QLineEdit(this);
        vak->setObjectName(QStringLiteral("txtZ%1").arg(k + 1));
        vak->setMaxLength(1);
        vak->setAlignment(Qt::AlignCenter);
        vak->setAttribute(Qt::WA_InputMethodEnabled, false);
        // Paste (Shift+Insert), a drop or an input method puts text in without
        // the key rules: even then a box takes nothing but a digit. The rules
        // write their blanks and wildcards with setText, which is not checked.
        vak->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), vak));
        vak->setFixedWidth(qMax(twipsToPixels(200),
                                vak->fontMetrics().horizontalAdvance(QStringLiteral("0")) + 14));
        vakken->addWidget(vak);
        txtZ[size_t(k)] = vak;
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

    auto* onder = new QHBoxLayout;
    onder->addWidget(lbl1);
    onder->addLayout(vakken);
    onder->addSpacing(8);
    onder->addWidget(cmdZoeken);
    onder->addWidget(cmdWissen);
    onder->addStretch(1);
    onder->addWidget(lblRecordCount);
    body()->addWidget(grid(), 1);
    body()->addLayout(onder);

    connect(txtZ[0], &QLineEdit::textChanged, this, [this] { txtZ1_Change(); });
    connect(txtZ[4], &QLineEdit::textChanged, this, [this] { txtZ5_Change(); });
    connect(cmdZoeken, &QPushButton::clicked, this, [this] { cmdZoeken_Click(); });
    connect(cmdWissen, &QPushButton::clicked, this, [this] { cmdWissen_Click(); });
    letMenuShortcutsThrough();
    resize(twipsToPixels(9700), twipsToPixels(7200));
}

void frmBeroepen::formLoad() {
    setWindowIcon(programIcon());
    DbError fout;
    bool geopend = openConnection(&fout);
    if (geopend) {
        setWindowState(windowState() | Qt::WindowMaximized);
        BusyCursor busy;
        geopend = OpenBeroepen(&fout);
    }
    if (!geopend) {
        // A list that cannot be read is not shown at all.
        reportReadError(fout);
        forms().unload(this);
        return;
    }
    OpmaakKolommen();
    CheckSchermResolutie();
    focusList();
}

bool frmBeroepen::OpenBeroepen(DbError* fout) {
    if (!openRs(Query, fout))
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
    for (int kolom = 0; kolom < Rs->fieldCount(); ++kolom) {
        const QString veld = Rs->fieldName(kolom);
        if (sameName(veld, QStringLiteral("RVL92")))
            setColumn(kolom, 700, QStringLiteral("RVL92"), true);
        else if (sameName(veld, QStringLiteral("beroep")))
            setColumn(kolom, 8000, QStringLiteral("Beroep"), false);
    }
}

void frmBeroepen::formResize() {
    const bool terug = appState().gbVorigScherm == True;
    DataScreen::formResize();
    OpmaakKolommen();
    if (!terug)
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
    const CodeBoxes v = codeVakken();
    if (isLeegVak(v[0])) {
        focusList();
    } else {
        for (int k = 1; k < 5; ++k) {
            if (isLeegVak(v[size_t(k)])) {
                focusOpVak(k);
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
        zetRijHoogteTerug();
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
    zetRijHoogteTerug();
    if (!Rs->onRow() || !isLongOccupationNameInList(Rs->text(KolomBeroep)))
        return;
    m_hogeRij = Rs->currentRow();
    grid()->setRowHeight(m_hogeRij, 2 * grid()->verticalHeader()->defaultSectionSize());
}

void frmBeroepen::zetRijHoogteTerug() {
    if (m_hogeRij >= 0 && m_hogeRij < Rs->recordCount())
        grid()->setRowHeight(m_hogeRij, grid()->verticalHeader()->defaultSectionSize());
    m_hogeRij = -1;
}

CodeBoxes frmBeroepen::codeVakken() const {
    CodeBoxes v;
    for (size_t k = 0; k < v.size(); ++k)
        v[k] = txtZ[k]->text();
    return v;
}

int frmBeroepen::vakVan(const QObject* o) const {
    for (size_t k = 0; k < txtZ.size(); ++k)
        if (txtZ[k] == o)
            return int(k);
    return -1;
}

void frmBeroepen::focusOpVak(int vak) {
    if (vak == CodeVakStap::Lijst)
        focusList();
    else if (vak >= 0 && vak < 5)
        txtZ[size_t(vak)]->setFocus(Qt::OtherFocusReason);
}

void frmBeroepen::voerUit(const CodeVakStap& stap) {
    for (size_t k = 0; k < txtZ.size(); ++k)
        if (txtZ[k]->text() != stap.vakken[k])
            txtZ[k]->setText(stap.vakken[k]);
    if (stap.zoekenAan)
        cmdZoeken->setEnabled(true);
    if (stap.naarEerste)
        moveQuietly([this] { Rs->moveFirst(); });
    if (stap.beweging < 0 && Rs->absolutePosition() >= 2)
        moveQuietly([this] { Rs->movePrevious(); });
    if (stap.beweging > 0 && Rs->onRow() && Rs->absolutePosition() < Rs->recordCount())
        moveQuietly([this] { Rs->moveNext(); });
    focusOpVak(stap.focus);
}

bool frmBeroepen::eventFilter(QObject* watched, QEvent* event) {
    const int vak = vakVan(watched);
    if (vak >= 0 && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* ke = static_cast<QKeyEvent*>(event);
        std::optional<Pijl> pijl;
        switch (ke->key()) {
        case Qt::Key_Left:
            pijl = Pijl::Links;
            break;
        case Qt::Key_Right:
            pijl = Pijl::Rechts;
            break;
        case Qt::Key_Up:
            pijl = Pijl::Omhoog;
            break;
        case Qt::Key_Down:
            pijl = Pijl::Omlaag;
            break;
        default:
            break;
        }
        if (pijl) {
            // Arrows act when the key comes up, once per press.
            if (event->type() == QEvent::KeyRelease && !ke->isAutoRepeat())
                voerUit(codeVakPijl(codeVakken(), vak, *pijl));
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            if (ke->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
                return true; // no cut or paste into a one-digit box
            if (const std::optional<char32_t> t = keyCharacter(ke, ModifiedKeys::Ignore)) {
                voerUit(codeVakTeken(codeVakken(), vak, *t));
                return true;
            }
        }
    }
    return BrowseScreen::eventFilter(watched, event);
}

bool frmBeroepen::DataGrid1_KeyPress(char32_t toets) {
    voerUit(lijstTeken(codeVakken(), ZoekWaarde, toets));
    return true;
}

void frmBeroepen::txtZ1_Change() {
    QLineEdit* z1 = txtZ[0];
    const QString t = z1->text();
    if (!t.isEmpty() && !isCijferVak(t)) {
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
    if (!isCijferVak(t)) {
        z5->clear();
        z5->setFocus(Qt::OtherFocusReason);
        return;
    }
    cmdZoeken->setEnabled(true);
    cmdWissen->setEnabled(true);
}

void frmBeroepen::cmdZoeken_Click() {
    if (joinedCodeBoxes(codeVakken()).isEmpty()) {
        showNotFound(geenSpringwaardeBeroepen());
        return;
    }
    focusList();
    SpringNaarRvl92Code();
    cmdZoeken->setEnabled(false);
}

void frmBeroepen::SpringNaarRvl92Code() {
    const QString code = appState().gsRvl92Code;
    CodeBoxes v = codeVakken();
    if (isLeegVak(v[0])) {
        showNotFound(geenSpringwaardeBeroepen());
        moveQuietly([&] { findCode(code); });
        return;
    }
    v = vulCodeVakkenAan(v);
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
    const int voor = Rs->currentRow();
    bool gevonden = false;
    moveQuietly([&] {
        gevonden = Rs->find(c) || (Rs->moveFirst() && Rs->find(c));
        if (!gevonden) {
            // Back to the occupation that was current.
            Rs->moveTo(voor);
            findCode(code);
        }
    });
    if (!gevonden)
        showNotFound(nietGevondenTekst(ZoekWaarde), NotFoundWidthTwips);
    else if (Rs->currentRow() != voor)
        scrollCurrentRowToTop();
}

void frmBeroepen::cmdWissen_Click() {
    const CodeBoxes v = codeVakken();
    if (!joinedCodeBoxes(v).isEmpty()) {
        for (QLineEdit* vak : txtZ)
            vak->clear();
        moveQuietly([this] { Rs->moveFirst(); });
    }
    txtZ[0]->setFocus(Qt::OtherFocusReason);
}

void frmBeroepen::mnuExporteren_Click() {
    toonMededeling(beroepenlijstMededeling(appState().programDir));
}

} // namespace rvl92
