#include "screens/search/frmcoderen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/keys.h"
#include "app/modrvl92.h"
#include "coding/codingindex.h"
#include "export/screenexports.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace rvl92 {

namespace {

enum Column { ColCode, ColOccupation, ColTitle, ColScore, ColumnCount };

} // namespace

frmCoderen::frmCoderen(QWidget* parent) : DataScreen(form::Coderen, screen::Coderen, parent) {
    setWindowTitle(QStringLiteral("Coderen van functienamen"));

    auto* lbl1 = new QLabel(QStringLiteral("&Functienaam:"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    txtFunctienaam = new QLineEdit(this);
    txtFunctienaam->setObjectName(QStringLiteral("txtFunctienaam"));
    txtFunctienaam->setMinimumWidth(twipsToPixels(5000));
    txtFunctienaam->setToolTip(
        QStringLiteral("Typ een functienaam zoals die geschreven is; de voorstellen volgen"));
    lbl1->setBuddy(txtFunctienaam);
    cmdBestandCoderen = new QPushButton(QStringLiteral("Bestand &coderen…"), this);
    cmdBestandCoderen->setObjectName(QStringLiteral("cmdBestandCoderen"));
    cmdBestandCoderen->setToolTip(
        QStringLiteral("Een tekst- of CSV-bestand met functienamen in één keer coderen"));
    auto* boven = new QHBoxLayout;
    boven->addWidget(lbl1);
    boven->addWidget(txtFunctienaam, 1);
    boven->addSpacing(twipsToPixels(240));
    boven->addWidget(cmdBestandCoderen);

    lblZekerheid = new QLabel(this);
    lblZekerheid->setObjectName(QStringLiteral("lblZekerheid"));
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblStatus->hide();

    m_model = new QStandardItemModel(0, ColumnCount, this);
    m_model->setHorizontalHeaderLabels({QStringLiteral("RVL92"), QStringLiteral("Beroep"),
                                        QStringLiteral("Functienaam"), QStringLiteral("Score")});
    DataGrid1 = new QTableView(this);
    DataGrid1->setObjectName(QStringLiteral("DataGrid1"));
    DataGrid1->setModel(m_model);
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->setTabKeyNavigation(false);
    DataGrid1->setWordWrap(false);
    DataGrid1->verticalHeader()->setVisible(false);
    DataGrid1->horizontalHeader()->setHighlightSections(false);
    DataGrid1->horizontalHeader()->setSectionResizeMode(ColOccupation, QHeaderView::Stretch);
    DataGrid1->horizontalHeader()->setSectionResizeMode(ColTitle, QHeaderView::Stretch);
    DataGrid1->setColumnWidth(ColCode, twipsToPixels(700));
    DataGrid1->setColumnWidth(ColScore, twipsToPixels(700));
    const ListFont lijst = normalListFont();
    QFont f = DataGrid1->font();
    f.setFamily(lijst.family);
    f.setPointSizeF(lijst.points);
    DataGrid1->setFont(f);
    markCurrentCell(DataGrid1);
    nameItemView(DataGrid1, QStringLiteral("Voorgestelde RVL92-codes"),
                 QStringLiteral("Enter of dubbelklik: kenmerken van het beroep"));

    body()->addLayout(boven);
    body()->addWidget(lblZekerheid);
    body()->addWidget(lblStatus);
    body()->addWidget(DataGrid1, 1);
    setTabChain({txtFunctienaam, DataGrid1, cmdBestandCoderen});

    connect(txtFunctienaam, &QLineEdit::textChanged, this, &frmCoderen::txtFunctienaam_Change);
    connect(DataGrid1, &QTableView::doubleClicked, this, &frmCoderen::DataGrid1_DblClick);
    connect(cmdBestandCoderen, &QPushButton::clicked, this, &frmCoderen::cmdBestandCoderen_Click);
    txtFunctienaam->installEventFilter(this);
    DataGrid1->installEventFilter(this);

    coding::CodingIndex& index = coding::codingIndex();
    connect(&index, &coding::CodingIndex::ready, this, [this] {
        ToonIndexStatus();
        Coderen();
    });
    connect(&index, &coding::CodingIndex::failed, this, [this] { ToonIndexStatus(); });
}

void frmCoderen::formLoad() {
    openSearchScreen();
    CheckSchermResolutie();
    if (Cnn.isOpen())
        coding::codingIndex().request(Cnn.fileName());
    ToonIndexStatus();
    ToonResultaat();
    txtFunctienaam->setFocus();
}

void frmCoderen::formActivate() {
    CheckSchermResolutie();
    AppState& s = appState();
    applyRecordSelector(s.gbRecordselector == True);
    SynchroniseerRecordselector();
    s.gsHuidigScherm = screenName();
    if (s.gbVorigScherm == True || isVisible())
        HistorieToevoegen();
    else
        txtFunctienaam->setFocus();
}

void frmCoderen::formUnload() {
    if (huidigeRij() >= 0)
        appState().gsRvl92Code = m_candidates[size_t(huidigeRij())].code;
    HistorieVerwijderen();
}

void frmCoderen::ToonIndexStatus() {
    QString status;
    if (!Cnn.isOpen()) {
        status = QStringLiteral("Zonder database kunnen er geen functienamen worden gecodeerd.");
    } else {
        const coding::CodingIndex& index = coding::codingIndex();
        switch (index.state()) {
        case coding::CodingIndex::State::Building:
        case coding::CodingIndex::State::Idle:
            status = QStringLiteral("De functienamen worden voorbereid voor het coderen; de "
                                    "voorstellen volgen zodra dat klaar is.");
            break;
        case coding::CodingIndex::State::Failed:
            status = index.errorText();
            break;
        case coding::CodingIndex::State::Ready:
            break;
        }
    }
    lblStatus->setText(status);
    lblStatus->setVisible(!status.isEmpty());
}

void frmCoderen::Coderen() {
    const coding::CodingIndex& index = coding::codingIndex();
    const std::shared_ptr<const coding::CodingEngine> engine =
        index.state() == coding::CodingIndex::State::Ready &&
                index.databaseFile() == Cnn.fileName() && Cnn.isOpen()
            ? index.engine()
            : nullptr;
    const QString tekst = txtFunctienaam->text();
    if (engine && !tekst.trimmed().isEmpty()) {
        coding::CodingResult r = engine->code(tekst, coding::CodingEngine::MaxCandidates);
        m_candidates = std::move(r.candidates);
        m_certainty = r.certainty;
    } else {
        m_candidates.clear();
        m_certainty = coding::Certainty::None;
    }
    ToonResultaat();
}

void frmCoderen::ToonResultaat() {
    m_model->removeRows(0, m_model->rowCount());
    for (const coding::Candidate& c : m_candidates) {
        QList<QStandardItem*> rij{new QStandardItem(c.code), new QStandardItem(c.occupation),
                                  new QStandardItem(c.title),
                                  new QStandardItem(QString::number(c.score))};
        rij[ColCode]->setTextAlignment(Qt::AlignCenter);
        rij[ColScore]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_model->appendRow(rij);
    }
    const bool rijen = !m_candidates.empty();
    if (rijen)
        gaNaarRij(0);
    const bool gereed = coding::codingIndex().state() == coding::CodingIndex::State::Ready;
    if (rijen)
        lblZekerheid->setText(QStringLiteral("Zekerheid: ") + coding::certaintyText(m_certainty));
    else if (gereed && Cnn.isOpen() && !txtFunctienaam->text().trimmed().isEmpty())
        lblZekerheid->setText(QStringLiteral("Er is geen passende RVL92-code gevonden."));
    else
        lblZekerheid->clear();
    for (MenuRole r : {MenuRole::Exporteren, MenuRole::Namen, MenuRole::Kenmerken,
                       MenuRole::EersteRecord, MenuRole::LaatsteRecord})
        menuItem(r)->setEnabled(rijen);
}

int frmCoderen::huidigeRij() const {
    const QModelIndex cur = DataGrid1->currentIndex();
    return cur.isValid() && size_t(cur.row()) < m_candidates.size() ? cur.row() : -1;
}

void frmCoderen::gaNaarRij(int row) {
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex cur = DataGrid1->currentIndex();
    DataGrid1->setCurrentIndex(m_model->index(row, cur.isValid() ? cur.column() : 0));
    applyRecordSelector(appState().gbRecordselector == True);
}

void frmCoderen::applyRecordSelector(bool on) {
    DataGrid1->setSelectionMode(on ? QAbstractItemView::SingleSelection
                                   : QAbstractItemView::NoSelection);
    const QModelIndex cur = DataGrid1->currentIndex();
    if (on && cur.isValid())
        DataGrid1->selectionModel()->select(cur, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    else if (!on)
        DataGrid1->clearSelection();
}

void frmCoderen::storeCurrentCode() {
    AppState& s = appState();
    const int rij = huidigeRij();
    s.gsRvl92Code = rij >= 0 ? m_candidates[size_t(rij)].code : s.gsStartRvl92Code;
}

void frmCoderen::txtFunctienaam_Change() {
    Coderen();
}

bool frmCoderen::txtFunctienaam_KeyDown(int key) {
    // Down, and Enter, go from the text to its proposals.
    if ((key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !m_candidates.empty()) {
        DataGrid1->setFocus();
        gaNaarRij(std::max(huidigeRij(), 0));
        return true;
    }
    return false;
}

bool frmCoderen::DataGrid1_KeyPress(QKeyEvent* e) {
    if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (huidigeRij() >= 0)
                mnuKenmerken_Click();
            return true;
        case Qt::Key_Home:
            mnuEersteRecord_Click();
            return true;
        case Qt::Key_End:
            mnuLaatsteRecord_Click();
            return true;
        default:
            break;
        }
    }
    // What is typed in the list goes on in the text.
    const std::optional<char32_t> teken = keyCharacter(e, ModifiedKeys::Type);
    if (!teken || *teken < 32 || *teken == 127) {
        if (teken == char32_t(8)) {
            txtFunctienaam->setFocus();
            QCoreApplication::sendEvent(txtFunctienaam, e);
            return true;
        }
        return false;
    }
    txtFunctienaam->setFocus();
    txtFunctienaam->insert(e->text());
    return true;
}

void frmCoderen::DataGrid1_DblClick() {
    if (huidigeRij() >= 0)
        mnuKenmerken_Click();
}

void frmCoderen::cmdBestandCoderen_Click() {
    forms().show(form::DialogBestandCoderen);
}

void frmCoderen::mnuExporteren_Click() {
    exports::exportCoderen(this, m_candidates);
}

void frmCoderen::mnuEersteRecord_Click() {
    gaNaarRij(0);
    DataGrid1->setFocus();
}

void frmCoderen::mnuLaatsteRecord_Click() {
    gaNaarRij(m_model->rowCount() - 1);
    DataGrid1->setFocus();
}

bool frmCoderen::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtFunctienaam && watched != DataGrid1)
        return DataScreen::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (isMenuShortcut(ke)) {
            ke->ignore(); // the menu takes it
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (watched == DataGrid1)
            return DataGrid1_KeyPress(ke);
        if ((ke->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            txtFunctienaam_KeyDown(ke->key()))
            return true;
    }
    return DataScreen::eventFilter(watched, event);
}

} // namespace rvl92
