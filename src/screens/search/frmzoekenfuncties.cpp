#include "screens/search/frmzoekenfuncties.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/keys.h"
#include "app/modrvl92.h"
#include "export/screenexports.h"
#include "screens/search/searchtext.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

namespace rvl92 {

frmZoekenFuncties::frmZoekenFuncties(QWidget* parent)
    : JobTitleSearchScreen(form::ZoekenFuncties, screen::ZoekenFuncties, parent) {
    setWindowTitle(QStringLiteral("Zoeken op functienamen"));
    auto* lbl1 = new QLabel(QStringLiteral("Zoeken naar:"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    txtZoekstr = new QLineEdit(this);
    txtZoekstr->setObjectName(QStringLiteral("txtZoekstr"));
    txtZoekstr->setMinimumWidth(twipsToPixels(4000));
    lbl1->setBuddy(txtZoekstr);
    cmdZoeken = new QPushButton(QStringLiteral("Zoeken"), this);
    cmdZoeken->setObjectName(QStringLiteral("cmdZoeken"));
    cmdZoeken->setEnabled(false);
    cmdWissen = new QPushButton(QStringLiteral("Wissen zoekwaarde"), this);
    cmdWissen->setObjectName(QStringLiteral("cmdWissen"));
    cmdWissen->setToolTip(QStringLiteral("Wissen van alle opgegeven waarden"));
    cmdWissen->setEnabled(false);
    searchRow()->addWidget(lbl1);
    searchRow()->addWidget(txtZoekstr);
    searchRow()->addWidget(cmdZoeken);
    searchRow()->addWidget(cmdWissen);
    setTabOrder(txtZoekstr, cmdZoeken);
    setTabOrder(cmdZoeken, cmdWissen);
    setTabOrder(cmdWissen, DataGrid1);
    // Reading order: the current row's code and occupation, the result, then
    // the search row below it.
    setTabOrder(txtBeroepGeheel, DataGrid1);

    connect(cmdZoeken, &QPushButton::clicked, this, &frmZoekenFuncties::cmdZoeken_Click);
    connect(cmdWissen, &QPushButton::clicked, this, &frmZoekenFuncties::cmdWissen_Click);
    // A paste, or a key that types nothing (Delete), changes the text without
    // passing the key rules; a text that is there can then be searched.
    connect(txtZoekstr, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!m_keyBusy && !text.isEmpty())
            enableButtons();
    });
    txtZoekstr->installEventFilter(this);
    DataGrid1->installEventFilter(this);
}

void frmZoekenFuncties::formLoad() {
    loadScreen();
    txtZoekstr->setFocus();
}

void frmZoekenFuncties::formActivate() {
    if (!activateScreen())
        txtZoekstr->setFocus();
}

void frmZoekenFuncties::ZoekFuncties() {
    const QString searchText = txtZoekstr->text();
    if (searchText.isEmpty()) {
        if (!DataGrid1->isHidden()) {
            clearResult();
            txtZoekstr->setFocus();
        } else {
            showNotFound(QStringLiteral("Er is geen zoekwaarde opgegeven"), NotFoundWidthTwips);
            menuItem(MenuRole::Exporteren)->setEnabled(false);
            menuItem(MenuRole::Namen)->setEnabled(false);
            menuItem(MenuRole::Kenmerken)->setEnabled(false);
        }
        return;
    }
    OpenZoekopdracht(searchText);
    OpmaakDatagrid();
    ToonRecordTeller();
    if (hasRows())
        appState().gsRvl92Code = Rs->text(0);
}

void frmZoekenFuncties::clearResult() {
    lblRecordCount->hide();
    DataGrid1->hide();
    binding()->clearFields();
    txtRVL->clear();
    txtBeroep->clear();
    menuItem(MenuRole::Exporteren)->setEnabled(false);
    menuItem(MenuRole::Namen)->setEnabled(false);
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
}

void frmZoekenFuncties::OpenZoekopdracht(const QString& searchText) {
    const bool ok = openSearch(search::jobTitleQuery(searchText));
    ToonResultaat();
    menuItem(MenuRole::Namen)->setEnabled(hasRows());
    menuItem(MenuRole::Kenmerken)->setEnabled(hasRows());
    if (ok && !hasRows())
        showNotFound(QStringLiteral("Er zijn geen functies met ") +
                         QStringLiteral("de opgegeven zoekwaarde gevonden"),
                     NotFoundWidthTwips);
}

void frmZoekenFuncties::ToonResultaat() {
    const bool rows = hasRows();
    showResultParts(rows);
    for (MenuRole r : {MenuRole::Kenmerken, MenuRole::Exporteren, MenuRole::EersteRecord,
                       MenuRole::LaatsteRecord})
        menuItem(r)->setEnabled(rows);
}

void frmZoekenFuncties::BepaalHuidigeCode() {
    AppState& s = appState();
    if (!Rs->isOpen()) {
        s.gsRvl92Code = s.gsStartRvl92Code;
    } else if (Rs->recordCount() == 0) {
        Rs->close();
        s.gsRvl92Code.clear();
    } else {
        s.gsRvl92Code = Rs->text(0);
    }
}

void frmZoekenFuncties::cmdZoeken_Click() {
    ZoekFuncties();
    focusGrid();
    cmdZoeken->setEnabled(false);
}

void frmZoekenFuncties::cmdWissen_Click() {
    txtZoekstr->clear();
    DataGrid1->hide();
    fraRVLBeroep->hide();
    lblRecordCount->hide();
    txtBeroepGeheel->hide();
    // Nothing is left to export once the result is gone.
    for (MenuRole r : {MenuRole::Namen, MenuRole::Kenmerken, MenuRole::EersteRecord,
                       MenuRole::LaatsteRecord, MenuRole::Exporteren})
        menuItem(r)->setEnabled(false);
    if (Rs->isOpen())
        Rs->close();
    appState().gsRvl92Code.clear();
    txtZoekstr->setFocus();
    cmdWissen->setEnabled(false);
    cmdZoeken->setEnabled(false);
}

void frmZoekenFuncties::enableButtons() {
    cmdZoeken->setEnabled(true);
    cmdWissen->setEnabled(true);
}

bool frmZoekenFuncties::txtZoekstr_KeyPress(int key) {
    const auto g = search::searchBoxKey(key, txtZoekstr->text().isEmpty(), cmdZoeken->isEnabled());
    if (g.runSearch)
        ZoekFuncties();
    if (g.enableButtons)
        enableButtons();
    return false;
}

bool frmZoekenFuncties::DataGrid1_KeyPress(int key) {
    const auto g = search::gridKey(key, txtZoekstr->text(), cmdZoeken->isEnabled());
    if (g.text != txtZoekstr->text())
        txtZoekstr->setText(g.text);
    if (g.runSearch)
        ZoekFuncties();
    if (g.enableButtons)
        enableButtons();
    return true;
}

bool frmZoekenFuncties::DataGrid1_KeyDown(int key) {
    if (key == Qt::Key_End && hasRows()) {
        Rs->moveLast();
        return true;
    }
    if (key == Qt::Key_Home && hasRows()) {
        Rs->moveFirst();
        return true;
    }
    return false;
}

bool frmZoekenFuncties::eventFilter(QObject* watched, QEvent* event) {
    const bool shortcut = event->type() == QEvent::ShortcutOverride;
    if ((shortcut || event->type() == QEvent::KeyPress) &&
        (watched == txtZoekstr || watched == DataGrid1)) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (shortcut) {
            if (!isMenuShortcut(ke))
                return JobTitleSearchScreen::eventFilter(watched, event);
            ke->ignore(); // the menu takes it
            return true;
        }
        if (watched == DataGrid1) {
            if (ke->modifiers() == Qt::NoModifier && DataGrid1_KeyDown(ke->key()))
                return true;
            const std::optional<char32_t> key = keyCharacter(ke, ModifiedKeys::Type);
            return key && DataGrid1_KeyPress(int(*key));
        }
        const std::optional<char32_t> key = keyCharacter(ke, ModifiedKeys::Type);
        if (key && !m_keyBusy && !ke->matches(QKeySequence::Paste)) {
            txtZoekstr_KeyPress(int(*key));
            // The box takes the key now, known to come from the key rules.
            m_keyBusy = true;
            QCoreApplication::sendEvent(txtZoekstr, event);
            m_keyBusy = false;
            return true;
        }
    }
    return JobTitleSearchScreen::eventFilter(watched, event);
}

// The export frame writes the shown result; the item keeps the enabled state
// the screen's own rules give it.
void frmZoekenFuncties::mnuExporteren_Click() {
    exports::exportZoekenFuncties(this, *Rs);
}

} // namespace rvl92
