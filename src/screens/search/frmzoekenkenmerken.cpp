#include "screens/search/frmzoekenkenmerken.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"
#include "app/screentext.h"
#include "data/recordsetmodel.h"
#include "screens/search/kenmerkcodes.h"
#include "screens/search/keuzedialoog.h"
#include "screens/search/zoekhulp.h"
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

constexpr int ZichtbareRijen = 14;
const QString WisTip = QStringLiteral("Wissen ingave door dubbelklikken");

QStringList regels(const QListWidget* lijst) {
    QStringList out;
    for (int i = 0; i < lijst->count(); ++i)
        out << lijst->item(i)->text();
    return out;
}

void zetRegels(QListWidget* lijst, const QStringList& regels) {
    lijst->clear();
    lijst->addItems(regels);
}

// A list of chosen codes: `kolommen` columns of `hoogte` lines, filled column
// by column, as wide and high as that.
QListWidget* keuzelijst(QWidget* parent, const char* naam, int kolommen, int hoogte) {
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::fromLatin1(naam));
    l->setToolTip(WisTip);
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

QComboBox* keuzes(QWidget* parent, const char* naam) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(naam));
    c->setEditable(false);
    c->setMinimumWidth(Form::twipsToPixels(4500));
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMaxVisibleItems(20);
    return c;
}

void vulKeuzes(QComboBox* c, const QStringList& regels) {
    c->clear();
    c->addItems(regels);
    c->setCurrentIndex(-1);
}

void behoudRuimte(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

} // namespace

frmZoekenKenmerken::frmZoekenKenmerken(QWidget* parent)
    : DataScreen(form::ZoekenKenmerken, screen::ZoekenKenmerken, parent) {
    setWindowTitle(QStringLiteral("Zoeken op kenmerken"));
    bouwSelectie();

    DataGrid1 = createGrid();
    zoeken::zetLijstLettertype(DataGrid1, false);
    DataGrid1->setMinimumHeight(DataGrid1->horizontalHeader()->sizeHint().height() +
                                ZichtbareRijen * DataGrid1->verticalHeader()->defaultSectionSize() +
                                2 * DataGrid1->frameWidth());
    DataGrid1->hide();
    behoudRuimte(DataGrid1);
    nameItemView(DataGrid1, QStringLiteral("Gevonden beroepen"));
    connect(binding(), &DataBinding::rowChanged, this, [this] { DataGrid1_RowColChange(); });

    lblRecordCount = new QLabel(this);
    lblRecordCount->setObjectName(QStringLiteral("lblRecordCount"));
    lblRecordCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblRecordCount->hide();
    behoudRuimte(lblRecordCount);
    body()->addWidget(DataGrid1, 1);
    body()->addWidget(lblRecordCount);
}

void frmZoekenKenmerken::bouwSelectie() {
    auto* fraSelectie = new QGroupBox(QStringLiteral("Selectie kenmerken"), this);
    fraSelectie->setObjectName(QStringLiteral("fraSelectie"));
    auto* rooster = new QGridLayout(fraSelectie);
    struct Rij {
        const char* label;
        const char* labelNaam;
        QListWidget* lijst;
        QComboBox* keuze;
    };
    lstNiveau = keuzelijst(fraSelectie, "lstNiveau", 1, 1);
    lstRichting = keuzelijst(fraSelectie, "lstRichting", 1, 1);
    lstWerksoorten = keuzelijst(fraSelectie, "lstWerksoorten", 3, 1);
    lstVaardigheden = keuzelijst(fraSelectie, "lstVaardigheden", 5, 2);
    cboNiveau = keuzes(fraSelectie, "cboNiveau");
    cboHoofdrichting = keuzes(fraSelectie, "cboHoofdrichting");
    cboWerksoorten = keuzes(fraSelectie, "cboWerksoorten");
    cboVaardigheden = keuzes(fraSelectie, "cboVaardigheden");
    const Rij rijen[] = {{"Niveau:", "lblNiveau", lstNiveau, cboNiveau},
                         {"(Hoofd)richting:", "lblRichting", lstRichting, cboHoofdrichting},
                         {"Werksoorten:", "lblWerksoort", lstWerksoorten, cboWerksoorten},
                         {"Vaardigheden:", "lblVaardigheden", lstVaardigheden, cboVaardigheden}};
    int r = 0;
    for (const Rij& rij : rijen) {
        auto* label = new QLabel(QString::fromLatin1(rij.label), fraSelectie);
        label->setObjectName(QString::fromLatin1(rij.labelNaam));
        label->setBuddy(rij.keuze);
        // The chosen codes: a screen reader names the list after its row and
        // tells how a code comes off again, also without a mouse.
        QString rijNaam = label->text();
        rijNaam.chop(1);
        nameItemView(rij.lijst, QStringLiteral("Gekozen ") + rijNaam.toLower(),
                     WisTip + QStringLiteral(" of met de Delete-toets"));
        nameControl(rij.keuze, rijNaam);
        markCurrentCell(rij.lijst);
        rooster->addWidget(label, r, 0, Qt::AlignLeft | Qt::AlignTop);
        rooster->addWidget(rij.lijst, r, 1, Qt::AlignLeft | Qt::AlignTop);
        rooster->addWidget(rij.keuze, r, 2, Qt::AlignTop);
        rij.lijst->installEventFilter(this);
        ++r;
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
    setTabOrder(cboNiveau, cboHoofdrichting);
    setTabOrder(cboHoofdrichting, cboWerksoorten);
    setTabOrder(cboWerksoorten, cboVaardigheden);
    setTabOrder(cboVaardigheden, cmdZoeken);
    setTabOrder(cmdZoeken, cmdWissen);
    // Reading order: each row's chosen codes beside its drop-down list.
    setTabChain({lstNiveau, cboNiveau, lstRichting, cboHoofdrichting, lstWerksoorten,
                 cboWerksoorten, lstVaardigheden, cboVaardigheden, cmdZoeken, cmdWissen});

    connect(cboNiveau, &QComboBox::activated, this, &frmZoekenKenmerken::cboNiveau_Click);
    connect(cboHoofdrichting, &QComboBox::activated, this,
            &frmZoekenKenmerken::cboHoofdrichting_Click);
    connect(cboWerksoorten, &QComboBox::activated, this, &frmZoekenKenmerken::cboWerksoorten_Click);
    connect(cboVaardigheden, &QComboBox::activated, this,
            &frmZoekenKenmerken::cboVaardigheden_Click);
    connect(lstNiveau, &QListWidget::itemDoubleClicked, this,
            &frmZoekenKenmerken::lstNiveau_DblClick);
    connect(lstRichting, &QListWidget::itemDoubleClicked, this,
            &frmZoekenKenmerken::lstRichting_DblClick);
    connect(lstWerksoorten, &QListWidget::itemDoubleClicked, this,
            &frmZoekenKenmerken::lstWerksoorten_DblClick);
    connect(lstVaardigheden, &QListWidget::itemDoubleClicked, this,
            &frmZoekenKenmerken::lstVaardigheden_DblClick);
    connect(cmdZoeken, &QPushButton::clicked, this, &frmZoekenKenmerken::cmdZoeken_Click);
    connect(cmdWissen, &QPushButton::clicked, this, &frmZoekenKenmerken::cmdWissen_Click);
}

void frmZoekenKenmerken::formLoad() {
    setWindowIcon(programIcon());
    DbError err;
    if (!openConnection(&err))
        meldFout(QStringLiteral("De database kan niet worden geopend: "), err);
    DataGrid1->hide();
    setWindowState(windowState() | Qt::WindowMaximized);
    cmdWissen_Click();
    CheckSchermResolutie();
    cboNiveau->setFocus();
}

void frmZoekenKenmerken::formResize() {
    AppState& s = appState();
    if (s.gbVorigScherm == True)
        s.gbVorigScherm = False;
    s.gsHuidigScherm = screen::ZoekenKenmerken;
    HistorieToevoegen();
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
    if (heeftResultaat())
        appState().gsRvl92Code = Rs->text(0);
    HistorieVerwijderen();
}

void frmZoekenKenmerken::applyRecordSelector(bool on) {
    setRowHighlight(on);
}

bool frmZoekenKenmerken::heeftResultaat() const {
    return Rs->isOpen() && Rs->onRow();
}

bool frmZoekenKenmerken::leesLijst(const QString& sql, QStringList* rijen) {
    sSQL = sql;
    if (Rs->isOpen())
        Rs->close();
    rijen->clear();
    if (!Cnn.isOpen())
        return false; // already reported when the screen was loaded
    Recordset lookup;
    DbError err;
    if (!lookup.open(sql, Cnn, &err)) {
        // One message per action, however many lists fail the same way.
        if (!m_lijstFoutGemeld)
            meldFout(QStringLiteral("De lijst kan niet worden gelezen: "), err);
        m_lijstFoutGemeld = true;
        return false;
    }
    for (int r = 0; r < lookup.recordCount(); ++r)
        *rijen << lookup.valueAt(r, 0).value_or(QString());
    return true;
}

void frmZoekenKenmerken::VullenNiveau() {
    QStringList rijen;
    leesLijst(zoeken::niveauQuery(), &rijen);
    vulKeuzes(cboNiveau, rijen);
}

void frmZoekenKenmerken::VullenHoofdrichting() {
    QStringList rijen;
    leesLijst(zoeken::richtingQuery(), &rijen);
    vulKeuzes(cboHoofdrichting, zoeken::richtingenGroeperen(rijen));
}

namespace {
void sorteer(QStringList& rijen) {
    std::stable_sort(rijen.begin(), rijen.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}
} // namespace

void frmZoekenKenmerken::VullenWerksoorten() {
    QStringList rijen;
    leesLijst(zoeken::werksoortenQuery(), &rijen);
    sorteer(rijen);
    vulKeuzes(cboWerksoorten, rijen);
}

void frmZoekenKenmerken::VullenVaardigheden() {
    QStringList rijen;
    leesLijst(zoeken::vaardighedenQuery(), &rijen);
    sorteer(rijen);
    vulKeuzes(cboVaardigheden, rijen);
}

QStringList frmZoekenKenmerken::gekozenWerksoorten() const {
    return regels(lstWerksoorten);
}

QStringList frmZoekenKenmerken::gekozenVaardigheden() const {
    return regels(lstVaardigheden);
}

void frmZoekenKenmerken::cboNiveau_Click() {
    if (lstNiveau->count() > 0) {
        forms().show(form::DialogNiveau);
        return;
    }
    lstNiveau->addItem(zoeken::niveauCode(cboNiveau->currentText()));
}

void frmZoekenKenmerken::cboHoofdrichting_Click() {
    if (lstRichting->count() > 0) {
        forms().show(form::DialogRichting);
        return;
    }
    lstRichting->addItem(zoeken::richtingCode(cboHoofdrichting->currentText()));
}

void frmZoekenKenmerken::cboWerksoorten_Click() {
    if (bNegeerKlik)
        return;
    QStringList l = regels(lstWerksoorten);
    switch (zoeken::kiesCode(l, zoeken::werksoortCode(cboWerksoorten->currentText()),
                             zoeken::MaxWerksoorten)) {
    case zoeken::Keuze::Toegevoegd:
        zetRegels(lstWerksoorten, l);
        break;
    case zoeken::Keuze::Vol:
        forms().show(form::DialoogWerksoorten);
        break;
    case zoeken::Keuze::AlGekozen:
        break;
    }
}

void frmZoekenKenmerken::cboVaardigheden_Click() {
    if (bNegeerKlik)
        return;
    QStringList l = regels(lstVaardigheden);
    switch (zoeken::kiesCode(l, zoeken::vaardigheidCode(cboVaardigheden->currentText()),
                             zoeken::MaxVaardigheden)) {
    case zoeken::Keuze::Toegevoegd:
        zetRegels(lstVaardigheden, l);
        break;
    case zoeken::Keuze::Vol:
        forms().show(form::DialoogVaardigheden);
        break;
    case zoeken::Keuze::AlGekozen:
        break;
    }
}

void frmZoekenKenmerken::vervangNiveau() {
    if (lstNiveau->count() > 0)
        delete lstNiveau->takeItem(0);
    lstNiveau->addItem(zoeken::niveauCode(cboNiveau->currentText()));
    // The result no longer answers the criteria: it goes, the menu stays.
    DataGrid1->hide();
    lblRecordCount->hide();
}

void frmZoekenKenmerken::vervangRichting() {
    if (lstRichting->count() > 0)
        delete lstRichting->takeItem(0);
    lstRichting->addItem(zoeken::richtingCode(cboHoofdrichting->currentText()));
}

void frmZoekenKenmerken::vervangWerksoort(int index) {
    QStringList l = regels(lstWerksoorten);
    if (index >= 0 && index < l.size())
        l.removeAt(index);
    const QString code = zoeken::werksoortCode(cboWerksoorten->currentText());
    l.insert(zoeken::sorteerPlek(l, code), code);
    zetRegels(lstWerksoorten, l);
}

void frmZoekenKenmerken::vervangVaardigheid(int index) {
    QStringList l = regels(lstVaardigheden);
    if (index >= 0 && index < l.size())
        l.removeAt(index);
    const QString code = zoeken::vaardigheidCode(cboVaardigheden->currentText());
    l.insert(zoeken::sorteerPlek(l, code), code);
    zetRegels(lstVaardigheden, l);
}

void frmZoekenKenmerken::lstNiveau_DblClick() {
    m_lijstFoutGemeld = false;
    lstNiveau->clear();
    VullenNiveau();
    DatagridWeg();
}

void frmZoekenKenmerken::lstRichting_DblClick() {
    m_lijstFoutGemeld = false;
    lstRichting->clear();
    VullenHoofdrichting();
    DatagridWeg();
}

void frmZoekenKenmerken::lstWerksoorten_DblClick(QListWidgetItem* item) {
    codeVerwijderd(lstWerksoorten, cboWerksoorten, &frmZoekenKenmerken::VullenWerksoorten, item);
}

void frmZoekenKenmerken::lstVaardigheden_DblClick(QListWidgetItem* item) {
    codeVerwijderd(lstVaardigheden, cboVaardigheden, &frmZoekenKenmerken::VullenVaardigheden, item);
}

void frmZoekenKenmerken::codeVerwijderd(QListWidget* lijst, QComboBox* keuze,
                                        void (frmZoekenKenmerken::*vullen)(),
                                        QListWidgetItem* item) {
    if (!item)
        return;
    bNegeerKlik = false;
    delete lijst->takeItem(lijst->row(item));
    if (lijst->count() == 0) {
        m_lijstFoutGemeld = false;
        (this->*vullen)();
        bNegeerKlik = false;
        DatagridWeg();
        return;
    }
    // The drop-down list shows the highest code still chosen.
    const QString laatste = lijst->item(lijst->count() - 1)->text();
    bNegeerKlik = true;
    for (int i = 0; i < keuze->count(); ++i) {
        if (keuze->itemText(i).left(3) == laatste) {
            keuze->setCurrentIndex(i);
            break;
        }
    }
    bNegeerKlik = false;
    BusyCursor busy;
    ZoekBeroepen();
}

void frmZoekenKenmerken::cmdWissen_Click() {
    m_lijstFoutGemeld = false;
    VullenHoofdrichting();
    VullenNiveau();
    VullenVaardigheden();
    VullenWerksoorten();
    for (QListWidget* l : {lstNiveau, lstRichting, lstVaardigheden, lstWerksoorten})
        l->clear();
    menuItem(MenuRole::Exporteren)->setEnabled(false);
    DatagridWeg();
    sZoekstring.clear();
}

void frmZoekenKenmerken::VullenZoekstring() {
    sZoekstring = zoeken::VullenZoekstring(regels(lstNiveau), regels(lstRichting),
                                           regels(lstWerksoorten), regels(lstVaardigheden));
}

void frmZoekenKenmerken::ZoekBeroepen() {
    VullenZoekstring();
    if (sZoekstring.isEmpty()) {
        menuItem(MenuRole::Kenmerken)->setEnabled(false);
        zoeken::toonNietGevonden(QStringLiteral("Er zijn geen kenmerken waarnaar ") +
                                 QStringLiteral(" gezocht moet worden opgegeven"));
        return;
    }
    DbError err;
    if (!openRs(zoeken::kenmerkZoekQuery(sZoekstring), &err)) {
        DatagridWeg();
        menuItem(MenuRole::Exporteren)->setEnabled(false);
        meldFout(QStringLiteral("De zoekopdracht is mislukt: "), err);
        return;
    }
    if (Rs->recordCount() != 0) {
        ToonResultaat();
        ToonRecordTeller();
        return;
    }
    DatagridWeg();
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
    zoeken::toonNietGevonden(QStringLiteral("Er zijn geen beroepen met de ") +
                             QStringLiteral("opgegeven kenmerken gevonden"));
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
    if (appState().gbRecordselector == True && heeftResultaat())
        ToonRecordTeller();
}

void frmZoekenKenmerken::storeCurrentCode() {
    if (heeftResultaat())
        appState().gsRvl92Code = Rs->text(0);
}

void frmZoekenKenmerken::mnuEersteRecord_Click() {
    if (heeftResultaat())
        Rs->moveFirst();
    if (!DataGrid1->isHidden())
        DataGrid1->setFocus();
}

void frmZoekenKenmerken::mnuLaatsteRecord_Click() {
    if (heeftResultaat())
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

} // namespace rvl92
