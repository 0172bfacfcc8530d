#include "screens/search/frmzoekenkenmerken.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"
#include "app/screentext.h"
#include "data/recordsetmodel.h"
#include "export/screenexports.h"
#include "screens/search/characteristiccodes.h"
#include "screens/search/choicedialog.h"
#include "screens/search/searchcondition.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace rvl92 {

namespace {

constexpr int VisibleRows = 14;
const QString RemoveTip = QStringLiteral("Wissen ingave door dubbelklikken");

QStringList linesOf(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void setLines(QListWidget* list, const QStringList& lines) {
    list->clear();
    list->addItems(lines);
}

// A list of chosen codes: `columns` columns of `lines` lines, filled column
// by column, as wide and high as that.
QListWidget* chosenCodesList(QWidget* parent, const char* name, int columns, int lines) {
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setToolTip(RemoveTip);
    l->setFlow(QListView::TopToBottom);
    l->setWrapping(true);
    l->setResizeMode(QListView::Adjust);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics fm = l->fontMetrics();
    const QSize cell(fm.horizontalAdvance(QStringLiteral("0000")) + 8, fm.height() + 2);
    l->setGridSize(cell);
    l->setFixedSize(columns * cell.width() + 2 * l->frameWidth() + 2,
                    lines * cell.height() + 2 * l->frameWidth() + 2);
    return l;
}

QComboBox* choiceBox(QWidget* parent, const char* name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(false);
    c->setMinimumWidth(Form::twipsToPixels(4500));
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMaxVisibleItems(20);
    return c;
}

void fillChoiceBox(QComboBox* c, const QStringList& entries) {
    c->clear();
    c->addItems(entries);
    c->setCurrentIndex(-1);
}

void keepRoomWhenHidden(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

QStringList asRead(const QStringList& rows) {
    return rows;
}

QStringList sortedWithoutCase(const QStringList& rows) {
    QStringList out = rows;
    std::stable_sort(out.begin(), out.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return out;
}

} // namespace

// What sets the four kinds of characteristic apart; everything else about a
// row is the same for all four.
struct CriterionKind {
    const char* label;
    const char* labelName;
    const char* listName;
    const char* choicesName;
    int columns; // the list of chosen codes: columns by lines
    int lines;
    QString (*query)();
    QStringList (*arrange)(const QStringList& rows); // the rows as the drop-down list shows them
    QString (*code)(QStringView text);               // the code cut from a chosen entry
    int max;                                         // codes that can be chosen
    const QString& replaceDialog;                    // asked when the list is full
    // A changed level no longer answers the shown result: it goes.
    bool replaceHidesResult;
};

namespace {
const CriterionKind criterionKinds[] = {
    {"Niveau:", "lblNiveau", "lstNiveau", "cboNiveau", 1, 1, search::levelQuery, asRead,
     search::levelCode, 1, form::DialogNiveau, true},
    {"(Hoofd)richting:", "lblRichting", "lstRichting", "cboHoofdrichting", 1, 1,
     search::directionQuery, search::groupDirections, search::directionCode, 1,
     form::DialogRichting, false},
    {"Werksoorten:", "lblWerksoort", "lstWerksoorten", "cboWerksoorten", 3, 1,
     search::workTypesQuery, sortedWithoutCase, search::workTypeCode, search::MaxWorkTypes,
     form::DialoogWerksoorten, false},
    {"Vaardigheden:", "lblVaardigheden", "lstVaardigheden", "cboVaardigheden", 5, 2,
     search::skillsQuery, sortedWithoutCase, search::skillCode, search::MaxSkills,
     form::DialoogVaardigheden, false},
};
} // namespace

frmZoekenKenmerken::frmZoekenKenmerken(QWidget* parent)
    : DataScreen(form::ZoekenKenmerken, screen::ZoekenKenmerken, parent) {
    setWindowTitle(QStringLiteral("Zoeken op kenmerken"));
    buildSelection();

    DataGrid1 = createGrid();
    setListFont(normalListFont());
    DataGrid1->setMinimumHeight(DataGrid1->horizontalHeader()->sizeHint().height() +
                                VisibleRows * DataGrid1->verticalHeader()->defaultSectionSize() +
                                2 * DataGrid1->frameWidth());
    DataGrid1->hide();
    keepRoomWhenHidden(DataGrid1);
    nameItemView(DataGrid1, QStringLiteral("Gevonden beroepen"));
    connect(binding(), &DataBinding::rowChanged, this, [this] { DataGrid1_RowColChange(); });

    lblRecordCount = new QLabel(this);
    lblRecordCount->setObjectName(QStringLiteral("lblRecordCount"));
    lblRecordCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblRecordCount->hide();
    keepRoomWhenHidden(lblRecordCount);
    body()->addWidget(DataGrid1, 1);
    body()->addWidget(lblRecordCount);
}

void frmZoekenKenmerken::buildSelection() {
    // The handlers of each row, in the order of the rows.
    struct RowHandlers {
        void (frmZoekenKenmerken::*fill)();
        void (frmZoekenKenmerken::*click)();
        void (frmZoekenKenmerken::*dblClick)(QListWidgetItem*);
    };
    static const RowHandlers handlers[CriterionCount] = {
        {&frmZoekenKenmerken::VullenNiveau, &frmZoekenKenmerken::cboNiveau_Click,
         &frmZoekenKenmerken::lstNiveau_DblClick},
        {&frmZoekenKenmerken::VullenHoofdrichting, &frmZoekenKenmerken::cboHoofdrichting_Click,
         &frmZoekenKenmerken::lstRichting_DblClick},
        {&frmZoekenKenmerken::VullenWerksoorten, &frmZoekenKenmerken::cboWerksoorten_Click,
         &frmZoekenKenmerken::lstWerksoorten_DblClick},
        {&frmZoekenKenmerken::VullenVaardigheden, &frmZoekenKenmerken::cboVaardigheden_Click,
         &frmZoekenKenmerken::lstVaardigheden_DblClick},
    };

    auto* fraSelectie = new QGroupBox(QStringLiteral("Selectie kenmerken"), this);
    fraSelectie->setObjectName(QStringLiteral("fraSelectie"));
    auto* grid = new QGridLayout(fraSelectie);
    // All lists of chosen codes first, then the drop-down lists, as the
    // screen has always made them.
    for (int r = 0; r < CriterionCount; ++r) {
        CriterionRow& row = m_rows[r];
        row.kind = &criterionKinds[r];
        row.fill = handlers[r].fill;
        row.chosen =
            chosenCodesList(fraSelectie, row.kind->listName, row.kind->columns, row.kind->lines);
    }
    for (CriterionRow& row : m_rows)
        row.choices = choiceBox(fraSelectie, row.kind->choicesName);
    for (int r = 0; r < CriterionCount; ++r) {
        CriterionRow& row = m_rows[r];
        auto* label = new QLabel(QString::fromLatin1(row.kind->label), fraSelectie);
        label->setObjectName(QString::fromLatin1(row.kind->labelName));
        label->setBuddy(row.choices);
        // The chosen codes: a screen reader names the list after its row and
        // tells how a code comes off again, also without a mouse.
        QString rowName = label->text();
        rowName.chop(1);
        nameItemView(row.chosen, QStringLiteral("Gekozen ") + rowName.toLower(),
                     RemoveTip + QStringLiteral(" of met de Delete-toets"));
        nameControl(row.choices, rowName);
        markCurrentCell(row.chosen);
        grid->addWidget(label, r, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(row.chosen, r, 1, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(row.choices, r, 2, Qt::AlignTop);
        row.chosen->installEventFilter(this);
        connect(row.choices, &QComboBox::activated, this, handlers[r].click);
        connect(row.chosen, &QListWidget::itemDoubleClicked, this, handlers[r].dblClick);
    }
    cmdZoeken = new QPushButton(QStringLiteral("Zoeken"), fraSelectie);
    cmdZoeken->setObjectName(QStringLiteral("cmdZoeken"));
    cmdWissen = new QPushButton(QStringLiteral("Wissen zoekcriteria"), fraSelectie);
    cmdWissen->setObjectName(QStringLiteral("cmdWissen"));
    cmdWissen->setToolTip(QStringLiteral("Wissen van alle opgegeven waarden"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdZoeken);
    buttons->addWidget(cmdWissen);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 4, 1);
    grid->setColumnStretch(4, 1);
    body()->addWidget(fraSelectie);

    // The keyboard goes down the drop-down lists first, then the buttons.
    for (int r = 1; r < CriterionCount; ++r)
        setTabOrder(m_rows[r - 1].choices, m_rows[r].choices);
    setTabOrder(m_rows[CriterionCount - 1].choices, cmdZoeken);
    setTabOrder(cmdZoeken, cmdWissen);
    // Reading order: each row's chosen codes beside its drop-down list.
    setTabChain({m_rows[0].chosen, m_rows[0].choices, m_rows[1].chosen, m_rows[1].choices,
                 m_rows[2].chosen, m_rows[2].choices, m_rows[3].chosen, m_rows[3].choices,
                 cmdZoeken, cmdWissen});

    connect(cmdZoeken, &QPushButton::clicked, this, &frmZoekenKenmerken::cmdZoeken_Click);
    connect(cmdWissen, &QPushButton::clicked, this, &frmZoekenKenmerken::cmdWissen_Click);
}

void frmZoekenKenmerken::formLoad() {
    openSearchScreen();
    cmdWissen_Click();
    CheckSchermResolutie();
    row(Criterion::Niveau).choices->setFocus();
}

void frmZoekenKenmerken::formActivate() {
    CheckSchermResolutie();
    AppState& s = appState();
    applyRecordSelector(s.gbRecordselector == True);
    SynchroniseerRecordselector();
    s.gsHuidigScherm = screen::ZoekenKenmerken;
    if (s.gbVorigScherm == True || isVisible())
        HistorieToevoegen();
}

void frmZoekenKenmerken::formUnload() {
    if (hasResult())
        appState().gsRvl92Code = Rs->text(0);
    HistorieVerwijderen();
}

void frmZoekenKenmerken::applyRecordSelector(bool on) {
    setRowHighlight(on);
}

bool frmZoekenKenmerken::hasResult() const {
    return Rs->isOpen() && Rs->onRow();
}

bool frmZoekenKenmerken::readList(const QString& sql, QStringList* rows) {
    sSQL = sql;
    if (Rs->isOpen())
        Rs->close();
    rows->clear();
    if (!Cnn.isOpen())
        return false; // already reported when the screen was loaded
    Recordset lookup;
    DbError err;
    if (!lookup.open(sql, Cnn, &err)) {
        // One message per action, however many lists fail the same way.
        if (!m_listErrorShown)
            reportError(QStringLiteral("De lijst kan niet worden gelezen: "), err);
        m_listErrorShown = true;
        return false;
    }
    for (int r = 0; r < lookup.recordCount(); ++r)
        *rows << lookup.valueAt(r, 0).value_or(QString());
    return true;
}

void frmZoekenKenmerken::fillChoices(const CriterionRow& r) {
    QStringList rows;
    readList(r.kind->query(), &rows);
    fillChoiceBox(r.choices, r.kind->arrange(rows));
}

void frmZoekenKenmerken::VullenNiveau() {
    fillChoices(row(Criterion::Niveau));
}

void frmZoekenKenmerken::VullenHoofdrichting() {
    fillChoices(row(Criterion::Richting));
}

void frmZoekenKenmerken::VullenWerksoorten() {
    fillChoices(row(Criterion::Werksoorten));
}

void frmZoekenKenmerken::VullenVaardigheden() {
    fillChoices(row(Criterion::Vaardigheden));
}

QStringList frmZoekenKenmerken::chosenCodes(Criterion c) const {
    return linesOf(row(c).chosen);
}

void frmZoekenKenmerken::choiceMade(CriterionRow& r) {
    if (bNegeerKlik)
        return;
    QStringList l = linesOf(r.chosen);
    // A kind with one code asks before replacing it, also when the same entry
    // is chosen again.
    const search::Choice outcome =
        r.kind->max == 1 && !l.isEmpty()
            ? search::Choice::Full
            : search::chooseCode(l, r.kind->code(r.choices->currentText()), r.kind->max);
    switch (outcome) {
    case search::Choice::Added:
        setLines(r.chosen, l);
        break;
    case search::Choice::Full:
        forms().show(r.kind->replaceDialog);
        break;
    case search::Choice::AlreadyChosen:
        break;
    }
}

void frmZoekenKenmerken::cboNiveau_Click() {
    choiceMade(row(Criterion::Niveau));
}

void frmZoekenKenmerken::cboHoofdrichting_Click() {
    choiceMade(row(Criterion::Richting));
}

void frmZoekenKenmerken::cboWerksoorten_Click() {
    choiceMade(row(Criterion::Werksoorten));
}

void frmZoekenKenmerken::cboVaardigheden_Click() {
    choiceMade(row(Criterion::Vaardigheden));
}

void frmZoekenKenmerken::replaceChosen(Criterion c, int index) {
    CriterionRow& r = row(c);
    QStringList l = linesOf(r.chosen);
    if (index >= 0 && index < l.size())
        l.removeAt(index);
    const QString code = r.kind->code(r.choices->currentText());
    l.insert(search::sortedPosition(l, code), code);
    setLines(r.chosen, l);
    if (r.kind->replaceHidesResult) {
        // The result no longer answers the criteria: it goes, the menu stays.
        DataGrid1->hide();
        lblRecordCount->hide();
    }
}

void frmZoekenKenmerken::chosenRemoved(CriterionRow& r, QListWidgetItem* item) {
    if (!item)
        return;
    bNegeerKlik = false;
    delete r.chosen->takeItem(r.chosen->row(item));
    if (r.chosen->count() == 0) {
        m_listErrorShown = false;
        (this->*r.fill)();
        bNegeerKlik = false;
        DatagridWeg();
        return;
    }
    // The drop-down list shows the highest code still chosen.
    const QString highest = r.chosen->item(r.chosen->count() - 1)->text();
    bNegeerKlik = true;
    for (int i = 0; i < r.choices->count(); ++i) {
        if (r.choices->itemText(i).left(3) == highest) {
            r.choices->setCurrentIndex(i);
            break;
        }
    }
    bNegeerKlik = false;
    BusyCursor busy;
    ZoekBeroepen();
}

void frmZoekenKenmerken::lstNiveau_DblClick(QListWidgetItem* item) {
    chosenRemoved(row(Criterion::Niveau), item);
}

void frmZoekenKenmerken::lstRichting_DblClick(QListWidgetItem* item) {
    chosenRemoved(row(Criterion::Richting), item);
}

void frmZoekenKenmerken::lstWerksoorten_DblClick(QListWidgetItem* item) {
    chosenRemoved(row(Criterion::Werksoorten), item);
}

void frmZoekenKenmerken::lstVaardigheden_DblClick(QListWidgetItem* item) {
    chosenRemoved(row(Criterion::Vaardigheden), item);
}

void frmZoekenKenmerken::cmdWissen_Click() {
    m_listErrorShown = false;
    VullenHoofdrichting();
    VullenNiveau();
    VullenVaardigheden();
    VullenWerksoorten();
    for (Criterion c :
         {Criterion::Niveau, Criterion::Richting, Criterion::Vaardigheden, Criterion::Werksoorten})
        row(c).chosen->clear();
    menuItem(MenuRole::Exporteren)->setEnabled(false);
    DatagridWeg();
    sZoekstring.clear();
}

void frmZoekenKenmerken::VullenZoekstring() {
    sZoekstring = search::VullenZoekstring(
        chosenCodes(Criterion::Niveau), chosenCodes(Criterion::Richting),
        chosenCodes(Criterion::Werksoorten), chosenCodes(Criterion::Vaardigheden));
}

void frmZoekenKenmerken::ZoekBeroepen() {
    VullenZoekstring();
    if (sZoekstring.isEmpty()) {
        menuItem(MenuRole::Kenmerken)->setEnabled(false);
        showNotFound(QStringLiteral("Er zijn geen kenmerken waarnaar ") +
                         QStringLiteral(" gezocht moet worden opgegeven"),
                     NotFoundWidthTwips);
        return;
    }
    DbError err;
    if (!openRs(search::characteristicsQuery(sZoekstring), &err)) {
        DatagridWeg();
        menuItem(MenuRole::Exporteren)->setEnabled(false);
        reportError(QStringLiteral("De zoekopdracht is mislukt: "), err);
        return;
    }
    if (Rs->recordCount() != 0) {
        ToonResultaat();
        ToonRecordTeller();
        return;
    }
    DatagridWeg();
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
    showNotFound(QStringLiteral("Er zijn geen beroepen met de ") +
                     QStringLiteral("opgegeven kenmerken gevonden"),
                 NotFoundWidthTwips);
    menuItem(MenuRole::Exporteren)->setEnabled(false);
}

void frmZoekenKenmerken::ToonResultaat() {
    DataGrid1->show();
    binding()->refresh();
    applyRecordSelector(appState().gbRecordselector == True);
    lblRecordCount->show();
    for (MenuRole r : {MenuRole::Kenmerken, MenuRole::Beroepen, MenuRole::Namen,
                       MenuRole::Exporteren, MenuRole::EersteRecord, MenuRole::LaatsteRecord})
        menuItem(r)->setEnabled(true);
    OpmaakDatagrid();
}

void frmZoekenKenmerken::OpmaakDatagrid() {
    struct Column {
        const char* field;
        const char* caption;
        int width;
    };
    static const Column columns[] = {{"RVL92", "RVL92", 700},
                                     {"WerksoortCode1", "WS1", 500},
                                     {"WerksoortCode2", "WS2", 500},
                                     {"WerksoortCode3", "WS3", 500},
                                     {"Beroep", "Beroep", 6500}};
    QStringList captions;
    for (int c = 0; c < Rs->fieldCount(); ++c) {
        const auto it = std::find_if(std::begin(columns), std::end(columns), [&](const Column& k) {
            return sameName(Rs->fieldName(c), QString::fromLatin1(k.field));
        });
        DataGrid1->setColumnHidden(c, it == std::end(columns));
        if (it == std::end(columns)) {
            captions << QString();
            continue;
        }
        captions << QString::fromLatin1(it->caption);
        DataGrid1->setColumnWidth(c, twipsToPixels(it->width));
        if (c == 0)
            model()->setAlignment(c, Qt::AlignHCenter);
    }
    model()->setCaptions(captions);
}

void frmZoekenKenmerken::DatagridWeg() {
    DataGrid1->hide();
    lblRecordCount->hide();
    menuItem(MenuRole::Namen)->setEnabled(false);
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
}

void frmZoekenKenmerken::ToonRecordTeller() {
    lblRecordCount->setText(recordCounterText(Rs->absolutePosition(), Rs->recordCount()));
}

void frmZoekenKenmerken::cmdZoeken_Click() {
    {
        BusyCursor busy;
        ZoekBeroepen();
    }
    if (!DataGrid1->isHidden())
        DataGrid1->setFocus();
}

void frmZoekenKenmerken::DataGrid1_RowColChange() {
    if (appState().gbRecordselector == True && hasResult())
        ToonRecordTeller();
}

void frmZoekenKenmerken::storeCurrentCode() {
    if (hasResult())
        appState().gsRvl92Code = Rs->text(0);
}

void frmZoekenKenmerken::mnuEersteRecord_Click() {
    if (hasResult())
        Rs->moveFirst();
    if (!DataGrid1->isHidden())
        DataGrid1->setFocus();
}

void frmZoekenKenmerken::mnuLaatsteRecord_Click() {
    if (hasResult())
        Rs->moveLast();
    if (!DataGrid1->isHidden())
        DataGrid1->setFocus();
}

bool frmZoekenKenmerken::eventFilter(QObject* watched, QEvent* event) {
    // Delete on a list of chosen codes takes the selected code off, as a
    // double-click does.
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && list->currentItem()) {
        emit list->itemDoubleClicked(list->currentItem());
        return true;
    }
    return DataScreen::eventFilter(watched, event);
}

// The export frame writes the shown result; the item keeps the enabled state
// the screen's own rules give it.
void frmZoekenKenmerken::mnuExporteren_Click() {
    exports::exportZoekenKenmerken(this, *Rs);
}

} // namespace rvl92
