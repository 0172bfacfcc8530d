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
#include "screens/search/kenmerkcodes.h"
#include "screens/search/keuzedialoog.h"
#include "screens/search/zoekstring.h"

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

// A list of chosen codes: `kolommen` columns of `hoogte` lines, filled column
// by column, as wide and high as that.
QListWidget* chosenCodesList(QWidget* parent, const char* naam, int kolommen, int hoogte) {
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::fromLatin1(naam));
    l->setToolTip(RemoveTip);
    l->setFlow(QListView::TopToBottom);
    l->setWrapping(true);
    l->setResizeMode(QListView::Adjust);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics fm = l->fontMetrics();
    const QSize cel(fm.horizontalAdvance(QStringLiteral("0000")) + 8, fm.height() + 2);
    l->setGridSize(cel);
    l->setFixedSize(kolommen * cel.width() + 2 * l->frameWidth() + 2,
                    hoogte * cel.height() + 2 * l->frameWidth() + 2);
    return l;
}

QComboBox* choiceBox(QWidget* parent, const char* naam) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(naam));
    c->setEditable(false);
    c->setMinimumWidth(Form::twipsToPixels(4500));
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMaxVisibleItems(20);
    return c;
}

void fillChoiceBox(QComboBox* c, const QStringList& linesOf) {
    c->clear();
    c->addItems(linesOf);
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
    {"Niveau:", "lblNiveau", "lstNiveau", "cboNiveau", 1, 1, zoeken::niveauQuery, asRead,
     zoeken::niveauCode, 1, form::DialogNiveau, true},
    {"(Hoofd)richting:", "lblRichting", "lstRichting", "cboHoofdrichting", 1, 1,
     zoeken::richtingQuery, zoeken::richtingenGroeperen, zoeken::richtingCode, 1,
     form::DialogRichting, false},
    {"Werksoorten:", "lblWerksoort", "lstWerksoorten", "cboWerksoorten", 3, 1,
     zoeken::werksoortenQuery, sortedWithoutCase, zoeken::werksoortCode, zoeken::MaxWerksoorten,
     form::DialoogWerksoorten, false},
    {"Vaardigheden:", "lblVaardigheden", "lstVaardigheden", "cboVaardigheden", 5, 2,
     zoeken::vaardighedenQuery, sortedWithoutCase, zoeken::vaardigheidCode, zoeken::MaxVaardigheden,
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
    auto* fraSelectie = new QGroupBox(QStringLiteral("Selectie kenmerken"), this);
    fraSelectie->setObjectName(QStringLiteral("fraSelectie"));
    auto* rooster = new QGridLayout(fraSelectie);
    // All lists of chosen codes first, then the drop-down lists, as the
    // screen has always made them.
    for (int r = 0; r < CriterionCount; ++r) {
        CriterionRow& rij = m_rows[r];
        rij.kind = &criterionKinds[r];
        rij.chosen =
            chosenCodesList(fraSelectie, rij.kind->listName, rij.kind->columns, rij.kind->lines);
    }
    for (CriterionRow& rij : m_rows)
        rij.choices = choiceBox(fraSelectie, rij.kind->choicesName);
    for (int r = 0; r < CriterionCount; ++r) {
        CriterionRow& rij = m_rows[r];
        auto* label = new QLabel(QString::fromLatin1(rij.kind->label), fraSelectie);
        label->setObjectName(QString::fromLatin1(rij.kind->labelName));
        label->setBuddy(rij.choices);
        // The chosen codes: a screen reader names the list after its row and
        // tells how a code comes off again, also without a mouse.
        QString rijNaam = label->text();
        rijNaam.chop(1);
        nameItemView(rij.chosen, QStringLiteral("Gekozen ") + rijNaam.toLower(),
                     RemoveTip + QStringLiteral(" of met de Delete-toets"));
        nameControl(rij.choices, rijNaam);
        markCurrentCell(rij.chosen);
        rooster->addWidget(label, r, 0, Qt::AlignLeft | Qt::AlignTop);
        rooster->addWidget(rij.chosen, r, 1, Qt::AlignLeft | Qt::AlignTop);
        rooster->addWidget(rij.choices, r, 2, Qt::AlignTop);
        rij.chosen->installEventFilter(this);
        connect(rij.choices, &QComboBox::activated, this, [this, &rij] { choiceMade(rij); });
        connect(rij.chosen, &QListWidget::itemDoubleClicked, this,
                [this, &rij](QListWidgetItem* item) { chosenRemoved(rij, item); });
    }
    cmdZoeken = new QPushButton(QStringLiteral("Zoeken"), fraSelectie);
    cmdZoeken->setObjectName(QStringLiteral("cmdZoeken"));
    cmdWissen = new QPushButton(QStringLiteral("Wissen zoekcriteria"), fraSelectie);
    cmdWissen->setObjectName(QStringLiteral("cmdWissen"));
    cmdWissen->setToolTip(QStringLiteral("Wissen van alle opgegeven waarden"));
    auto* knoppen = new QVBoxLayout;
    knoppen->addWidget(cmdZoeken);
    knoppen->addWidget(cmdWissen);
    knoppen->addStretch();
    rooster->addLayout(knoppen, 0, 3, 4, 1);
    rooster->setColumnStretch(4, 1);
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

QStringList frmZoekenKenmerken::chosenCodes(Criterion c) const {
    return linesOf(row(c).chosen);
}

void frmZoekenKenmerken::choiceMade(CriterionRow& r) {
    if (bNegeerKlik)
        return;
    QStringList l = linesOf(r.chosen);
    // A kind with one code asks before replacing it, also when the same entry
    // is chosen again.
    const zoeken::Keuze keuze =
        r.kind->max == 1 && !l.isEmpty()
            ? zoeken::Keuze::Vol
            : zoeken::kiesCode(l, r.kind->code(r.choices->currentText()), r.kind->max);
    switch (keuze) {
    case zoeken::Keuze::Toegevoegd:
        setLines(r.chosen, l);
        break;
    case zoeken::Keuze::Vol:
        forms().show(r.kind->replaceDialog);
        break;
    case zoeken::Keuze::AlGekozen:
        break;
    }
}

void frmZoekenKenmerken::replaceChosen(Criterion c, int index) {
    CriterionRow& r = row(c);
    QStringList l = linesOf(r.chosen);
    if (index >= 0 && index < l.size())
        l.removeAt(index);
    const QString code = r.kind->code(r.choices->currentText());
    l.insert(zoeken::sorteerPlek(l, code), code);
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
        fillChoices(r);
        bNegeerKlik = false;
        DatagridWeg();
        return;
    }
    // The drop-down list shows the highest code still chosen.
    const QString laatste = r.chosen->item(r.chosen->count() - 1)->text();
    bNegeerKlik = true;
    for (int i = 0; i < r.choices->count(); ++i) {
        if (r.choices->itemText(i).left(3) == laatste) {
            r.choices->setCurrentIndex(i);
            break;
        }
    }
    bNegeerKlik = false;
    BusyCursor busy;
    ZoekBeroepen();
}

void frmZoekenKenmerken::cmdWissen_Click() {
    m_listErrorShown = false;
    for (Criterion c :
         {Criterion::Richting, Criterion::Niveau, Criterion::Vaardigheden, Criterion::Werksoorten})
        fillChoices(row(c));
    for (Criterion c :
         {Criterion::Niveau, Criterion::Richting, Criterion::Vaardigheden, Criterion::Werksoorten})
        row(c).chosen->clear();
    menuItem(MenuRole::Exporteren)->setEnabled(false);
    DatagridWeg();
    sZoekstring.clear();
}

void frmZoekenKenmerken::VullenZoekstring() {
    sZoekstring = zoeken::VullenZoekstring(
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
    if (!openRs(zoeken::kenmerkZoekQuery(sZoekstring), &err)) {
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
    struct Kolom {
        const char* veld;
        const char* kop;
        int breedte;
    };
    static const Kolom kolommen[] = {{"RVL92", "RVL92", 700},
                                     {"WerksoortCode1", "WS1", 500},
                                     {"WerksoortCode2", "WS2", 500},
                                     {"WerksoortCode3", "WS3", 500},
                                     {"Beroep", "Beroep", 6500}};
    QStringList koppen;
    for (int c = 0; c < Rs->fieldCount(); ++c) {
        const auto it = std::find_if(std::begin(kolommen), std::end(kolommen), [&](const Kolom& k) {
            return sameName(Rs->fieldName(c), QString::fromLatin1(k.veld));
        });
        DataGrid1->setColumnHidden(c, it == std::end(kolommen));
        if (it == std::end(kolommen)) {
            koppen << QString();
            continue;
        }
        koppen << QString::fromLatin1(it->kop);
        DataGrid1->setColumnWidth(c, twipsToPixels(it->breedte));
        if (c == 0)
            model()->setAlignment(c, Qt::AlignHCenter);
    }
    model()->setCaptions(koppen);
}

void frmZoekenKenmerken::DatagridWeg() {
    DataGrid1->hide();
    lblRecordCount->hide();
    menuItem(MenuRole::Namen)->setEnabled(false);
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
}

void frmZoekenKenmerken::ToonRecordTeller() {
    lblRecordCount->setText(recordTellerTekst(Rs->absolutePosition(), Rs->recordCount()));
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
    auto* lijst = qobject_cast<QListWidget*>(watched);
    if (lijst && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && lijst->currentItem()) {
        emit lijst->itemDoubleClicked(lijst->currentItem());
        return true;
    }
    return DataScreen::eventFilter(watched, event);
}

// The export frame writes the shown result; the item keeps the enabled state
// the screen's own rules give it.
void frmZoekenKenmerken::mnuExporteren_Click() {
    exports::exporteerZoekenKenmerken(this, *Rs);
}

} // namespace rvl92
