#include "screens/search/frmzoekenrvl92.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/keys.h"
#include "app/modrvl92.h"
#include "export/screenexports.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>

namespace rvl92 {

frmZoekenRvl92::frmZoekenRvl92(QWidget* parent)
    : JobTitleSearchScreen(form::ZoekenRvl92, screen::ZoekenRvl92, parent) {
    setWindowTitle(QStringLiteral("Zoeken op RVL92-Code"));
    auto* lbl1 = new QLabel(QStringLiteral("Zoeken naar:"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    searchRow()->addWidget(lbl1);
    QWidget* vorige = nullptr;
    for (int i = 0; i < CodeBoxCount; ++i) {
        auto* vak = new QLineEdit(this);
        vak->setObjectName(QStringLiteral("txtZ%1").arg(i + 1));
        vak->setMaxLength(1);
        vak->setAlignment(Qt::AlignCenter);
        vak->setFixedWidth(vak->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 12);
        // Only the key rules fill a box: no paste or drop of other text.
        vak->setContextMenuPolicy(Qt::NoContextMenu);
        vak->setAcceptDrops(false);
        // Paste (Shift+Insert), a drop or an input method puts text in without
        // the key rules: even then a box takes nothing but a digit. The rules
        // write their blanks and wildcards with setText, which is not checked.
        vak->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), vak));
        vak->installEventFilter(this);
        searchRow()->addWidget(vak);
        if (vorige)
            setTabOrder(vorige, vak);
        vorige = vak;
        txtZ[i] = vak;
    }
    lbl1->setBuddy(txtZ[0]);
    nameCodeBoxes(txtZ);
    cmdZoeken = new QPushButton(QStringLiteral("Zoeken"), this);
    cmdZoeken->setObjectName(QStringLiteral("cmdZoeken"));
    cmdWissen = new QPushButton(QStringLiteral("Wissen zoekopdracht"), this);
    cmdWissen->setObjectName(QStringLiteral("cmdWissen"));
    cmdWissen->setToolTip(QStringLiteral("Wissen van alle opgegeven waarden"));
    searchRow()->addSpacing(twipsToPixels(240));
    searchRow()->addWidget(cmdZoeken);
    searchRow()->addWidget(cmdWissen);
    setTabOrder(vorige, cmdZoeken);
    setTabOrder(cmdZoeken, cmdWissen);
    setTabOrder(cmdWissen, DataGrid1);
    // Reading order: the current row's code and occupation, the result, then
    // the search row below it.
    setTabOrder(txtBeroepGeheel, DataGrid1);
    KnoppenUit();

    connect(cmdZoeken, &QPushButton::clicked, this, &frmZoekenRvl92::cmdZoeken_Click);
    connect(cmdWissen, &QPushButton::clicked, this, &frmZoekenRvl92::cmdWissen_Click);
    DataGrid1->installEventFilter(this);
}

void frmZoekenRvl92::formLoad() {
    loadScreen();
    txtZ[0]->setFocus();
}

void frmZoekenRvl92::formActivate() {
    if (activateScreen())
        return;
    for (QLineEdit* vak : txtZ) {
        if (vak->text().isEmpty()) {
            vak->setFocus();
            break;
        }
    }
}

CodeBoxes frmZoekenRvl92::vakken() const {
    CodeBoxes v;
    for (int i = 0; i < CodeBoxCount; ++i)
        v[i] = txtZ[i]->text();
    return v;
}

int frmZoekenRvl92::vakVan(const QObject* o) const {
    for (int i = 0; i < CodeBoxCount; ++i)
        if (txtZ[i] == o)
            return i;
    return -1;
}

void frmZoekenRvl92::ZoekCode() {
    const CodeBoxes v = zoeken::codeVakkenVoorZoeken(vakken());
    for (int i = 0; i < CodeBoxCount; ++i)
        txtZ[i]->setText(v[i]);
    const QString patroon = joinedCodeBoxes(v);
    const bool ok = openSearch(
        zoeken::codeZoekQuery(patroon),
        zoeken::codeZoekUitvoering(
            patroon, Cnn.hasTextIndex(QStringLiteral("functienamen"), QStringLiteral("RVL92"))));
    if (!hasRows()) {
        menuItem(MenuRole::Namen)->setEnabled(false);
        ToonCodeResultaat();
        if (ok)
            showNotFound(QStringLiteral("Er zijn geen functies ") +
                             QStringLiteral("met de opgegeven zoekwaarde gevonden"),
                         NotFoundWidthTwips);
        Rs->close();
        return;
    }
    ToonCodeResultaat();
    OpmaakCodeDatagrid();
    menuItem(MenuRole::Namen)->setEnabled(true);
    ToonRecordPositie();
}

void frmZoekenRvl92::ToonCodeResultaat() {
    const bool rijen = hasRows();
    showResultParts(rijen);
    for (MenuRole r : {MenuRole::Kenmerken, MenuRole::Exporteren, MenuRole::EersteRecord,
                       MenuRole::LaatsteRecord})
        menuItem(r)->setEnabled(rijen);
}

void frmZoekenRvl92::DatagridWeg() {
    DataGrid1->hide();
    lblRecordCount->hide();
    txtBeroepGeheel->hide();
    fraRVLBeroep->hide();
    menuItem(MenuRole::Namen)->setEnabled(false);
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
    appState().gsRvl92Code.clear();
}

void frmZoekenRvl92::BepaalHuidigeCode() {
    AppState& s = appState();
    // A cleared result is only hidden: it still passes on its current row.
    s.gsRvl92Code = Rs->isOpen() && Rs->onRow() ? Rs->text(0) : s.gsStartRvl92Code;
}

void frmZoekenRvl92::KnoppenAan() {
    cmdZoeken->setEnabled(true);
    cmdWissen->setEnabled(true);
}

void frmZoekenRvl92::KnoppenUit() {
    cmdZoeken->setEnabled(false);
    cmdWissen->setEnabled(false);
}

void frmZoekenRvl92::cmdZoeken_Click() {
    ZoekCode();
    focusGrid();
    cmdZoeken->setEnabled(false);
}

void frmZoekenRvl92::cmdWissen_Click() {
    for (QLineEdit* vak : txtZ)
        vak->clear();
    DatagridWeg();
    txtBeroepGeheel->hide();
    txtZ[0]->setFocus();
    KnoppenUit();
}

void frmZoekenRvl92::txtZ_KeyPress(int vak, int toets) {
    const zoeken::CodeToetsGevolg g = zoeken::codeVakToets(vakken(), vak, toets);
    for (int i = 0; i < CodeBoxCount; ++i)
        if (txtZ[i]->text() != g.vakken[i])
            txtZ[i]->setText(g.vakken[i]);
    if (g.focus != vak)
        txtZ[g.focus]->setFocus();
    if (g.knoppenAan)
        KnoppenAan();
}

void frmZoekenRvl92::txtZ_KeyUp(int vak, int key) {
    if (key == Qt::Key_Left && vak > 0)
        txtZ[vak - 1]->setFocus();
    else if (key == Qt::Key_Right && vak < CodeBoxCount - 1)
        txtZ[vak + 1]->setFocus();
}

void frmZoekenRvl92::txtZ_DblClick(int vak) {
    txtZ[vak]->clear();
}

bool frmZoekenRvl92::DataGrid1_KeyPress(int toets) {
    if (toets >= '0' && toets <= '9') {
        txtZ[0]->setText(QString(QChar(toets)));
        txtZ[1]->setFocus();
    } else {
        txtZ[0]->setFocus();
    }
    return true;
}

bool frmZoekenRvl92::eventFilter(QObject* watched, QEvent* event) {
    const int vak = vakVan(watched);
    if (vak < 0 && watched != DataGrid1)
        return JobTitleSearchScreen::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (isMenuShortcut(ke)) {
            ke->ignore(); // the menu takes it
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        const std::optional<char32_t> teken =
            keyCharacter(static_cast<QKeyEvent*>(event), ModifiedKeys::Type);
        if (!teken)
            break;
        const int toets = int(*teken);
        if (vak < 0)
            return DataGrid1_KeyPress(toets);
        txtZ_KeyPress(vak, toets);
        return true;
    }
    case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (vak >= 0 && !ke->isAutoRepeat())
            txtZ_KeyUp(vak, ke->key());
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (vak >= 0) {
            txtZ_DblClick(vak);
            return true;
        }
        break;
    default:
        break;
    }
    return JobTitleSearchScreen::eventFilter(watched, event);
}

// The export frame writes the shown result; the item keeps the enabled state
// the screen's own rules give it.
void frmZoekenRvl92::mnuExporteren_Click() {
    exports::exporteerZoekenRvl92(this, *Rs);
}

} // namespace rvl92
