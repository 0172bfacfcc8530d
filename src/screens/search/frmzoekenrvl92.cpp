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
    QWidget* previous = nullptr;
    for (int i = 0; i < CodeBoxCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtZ%1").arg(i + 1));
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 12);
        // Only the key rules fill a box: no paste or drop of other text.
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        // Paste (Shift+Insert), a drop or an input method puts text in without
        // the key rules: even then a box takes nothing but a digit. The rules
        // write their blanks and wildcards with setText, which is not checked.
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), box));
        box->installEventFilter(this);
        searchRow()->addWidget(box);
        if (previous)
            setTabOrder(previous, box);
        previous = box;
        txtZ[i] = box;
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
    setTabOrder(previous, cmdZoeken);
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
    for (QLineEdit* box : txtZ) {
        if (box->text().isEmpty()) {
            box->setFocus();
            break;
        }
    }
}

CodeBoxes frmZoekenRvl92::boxes() const {
    CodeBoxes v;
    for (int i = 0; i < CodeBoxCount; ++i)
        v[i] = txtZ[i]->text();
    return v;
}

int frmZoekenRvl92::boxOf(const QObject* o) const {
    for (int i = 0; i < CodeBoxCount; ++i)
        if (txtZ[i] == o)
            return i;
    return -1;
}

void frmZoekenRvl92::ZoekCode() {
    const CodeBoxes v = search::codeBoxesForSearch(boxes());
    for (int i = 0; i < CodeBoxCount; ++i)
        txtZ[i]->setText(v[i]);
    const QString pattern = joinedCodeBoxes(v);
    const bool ok =
        openSearch(search::codeSearchQuery(pattern),
                   search::codeSearchPlan(pattern, Cnn.hasTextIndex(QStringLiteral("functienamen"),
                                                                    QStringLiteral("RVL92"))));
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
    const bool rows = hasRows();
    showResultParts(rows);
    for (MenuRole r : {MenuRole::Kenmerken, MenuRole::Exporteren, MenuRole::EersteRecord,
                       MenuRole::LaatsteRecord})
        menuItem(r)->setEnabled(rows);
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
    for (QLineEdit* box : txtZ)
        box->clear();
    DatagridWeg();
    txtBeroepGeheel->hide();
    txtZ[0]->setFocus();
    KnoppenUit();
}

void frmZoekenRvl92::txtZ_KeyPress(int box, int key) {
    const search::CodeKeyResult g = search::codeBoxKey(boxes(), box, key);
    for (int i = 0; i < CodeBoxCount; ++i)
        if (txtZ[i]->text() != g.boxes[i])
            txtZ[i]->setText(g.boxes[i]);
    if (g.focus != box)
        txtZ[g.focus]->setFocus();
    if (g.enableButtons)
        KnoppenAan();
}

void frmZoekenRvl92::txtZ_KeyUp(int box, int key) {
    if (key == Qt::Key_Left && box > 0)
        txtZ[box - 1]->setFocus();
    else if (key == Qt::Key_Right && box < CodeBoxCount - 1)
        txtZ[box + 1]->setFocus();
}

void frmZoekenRvl92::txtZ_DblClick(int box) {
    txtZ[box]->clear();
}

bool frmZoekenRvl92::DataGrid1_KeyPress(int key) {
    if (key >= '0' && key <= '9') {
        txtZ[0]->setText(QString(QChar(key)));
        txtZ[1]->setFocus();
    } else {
        txtZ[0]->setFocus();
    }
    return true;
}

bool frmZoekenRvl92::eventFilter(QObject* watched, QEvent* event) {
    const int box = boxOf(watched);
    if (box < 0 && watched != DataGrid1)
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
        const std::optional<char32_t> character =
            keyCharacter(static_cast<QKeyEvent*>(event), ModifiedKeys::Type);
        if (!character)
            break;
        const int key = int(*character);
        if (box < 0)
            return DataGrid1_KeyPress(key);
        txtZ_KeyPress(box, key);
        return true;
    }
    case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (box >= 0 && !ke->isAutoRepeat())
            txtZ_KeyUp(box, ke->key());
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (box >= 0) {
            txtZ_DblClick(box);
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
    exports::exportZoekenRvl92(this, *Rs);
}

} // namespace rvl92
