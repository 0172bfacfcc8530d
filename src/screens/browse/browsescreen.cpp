#include "screens/browse/browsescreen.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmdialogbericht.h"
#include "app/keys.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "app/screentext.h"
#include "data/recordsetmodel.h"
#include "data/sqltext.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTableView>

namespace rvl92 {

BrowseScreen::BrowseScreen(const QString& formName, const QString& screenName, QWidget* parent)
    : DataScreen(formName, screenName, parent) {}

DataBinding* BrowseScreen::boundFields() {
    if (binding())
        return binding();
    if (!m_ownFields)
        m_ownFields = new DataBinding(Rs, this);
    return m_ownFields;
}

void BrowseScreen::mnuEersteRecord_Click() {
    if (Rs->recordCount() >= 1)
        moveQuietly([this] { Rs->moveFirst(); });
    focusList();
}

void BrowseScreen::mnuLaatsteRecord_Click() {
    if (Rs->recordCount() >= 1)
        moveQuietly([this] { Rs->moveLast(); });
    focusList();
}

void BrowseScreen::storeCurrentCode() {
    if (Rs->isOpen() && Rs->onRow())
        appState().gsRvl92Code = currentCode();
}

void BrowseScreen::storeCodeForBack() {
    storeCurrentCode();
}

void BrowseScreen::formUnload() {
    // Leaving from a row passes that row on; otherwise the name stays in the
    // history, as the screens have always done.
    if (Rs->isOpen() && Rs->onRow()) {
        appState().gsRvl92Code = currentCode();
        HistorieVerwijderen();
    }
}

QTableView* BrowseScreen::createBrowseGrid(const QString& toolTip) {
    QTableView* g = createGrid(toolTip);
    setListFont(normalListFont());
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->horizontalHeader()->setStretchLastSection(true);
    g->installEventFilter(this);
    connect(binding(), &DataBinding::rowChanged, this, &BrowseScreen::onRowChanged);
    return g;
}

void BrowseScreen::focusList() {
    if (grid())
        grid()->setFocus(Qt::OtherFocusReason);
}

void BrowseScreen::scrollCurrentRowToTop() {
    if (!grid() || !Rs->onRow())
        return;
    const QModelIndex cur = grid()->currentIndex();
    grid()->scrollTo(model()->index(Rs->currentRow(), cur.isValid() ? cur.column() : 0),
                     QAbstractItemView::PositionAtTop);
}

void BrowseScreen::onRowChanged() {
    if (m_quiet == 0)
        afterMove(true);
}

void BrowseScreen::beginQuiet() {
    ++m_quiet;
    if (binding())
        binding()->beginBatch();
}

void BrowseScreen::endQuiet(bool notify) {
    if (binding())
        binding()->endBatch();
    --m_quiet;
    afterMove(notify);
}

void BrowseScreen::afterMove(bool notify) {
    // A list without a current row shows none, as a bound grid does at the
    // end of its data.
    if (grid() && !Rs->onRow() && grid()->selectionModel()) {
        // Through the view, so that it also does not pick a row of its own
        // when it gets the focus.
        grid()->setCurrentIndex(QModelIndex());
        grid()->clearSelection();
    }
    if (notify)
        DataGrid1_RowColChange();
}

bool BrowseScreen::findCode(const QString& code) {
    if (code.isEmpty() || !Rs->isOpen())
        return false;
    const int before = Rs->currentRow();
    const FindCriterion c{0, FindCriterion::Op::Equals, code};
    if (Rs->find(c))
        return true;
    if (Rs->moveFirst() && Rs->find(c))
        return true;
    if (!Rs->moveTo(before))
        Rs->moveFirst();
    return false;
}

void BrowseScreen::ToonRecordTeller() {
    if (!lblRecordCount)
        return;
    const int position = Rs->onRow() ? Rs->absolutePosition() : 0;
    lblRecordCount->setText(recordCounterText(position, Rs->recordCount()));
}

namespace {

// A box at least as wide as its design size and wide enough for `sample`.
int boxWidth(const QWidget* w, int twips, const QString& sample) {
    const int textWidth = w->fontMetrics().horizontalAdvance(sample) + 16;
    return qMax(Form::twipsToPixels(twips), textWidth);
}

} // namespace

QWidget* BrowseScreen::makeCodeOccupationFrame(const QString& frameName, const QString& codeTip,
                                               const QString& occupationTip, int codeWidthTwips) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(frameName);
    auto* lblRvl = new QLabel(QStringLiteral("RVL92-code"), frame);
    lblRvl->setObjectName(QStringLiteral("lblRvl"));
    txtRVL = new QLineEdit(frame);
    txtRVL->setObjectName(QStringLiteral("txtRVL"));
    txtRVL->setReadOnly(true);
    txtRVL->setAlignment(Qt::AlignCenter);
    txtRVL->setToolTip(codeTip);
    txtRVL->setFixedWidth(boxWidth(txtRVL, codeWidthTwips, QStringLiteral("00000")));
    auto* lblBeroep = new QLabel(QStringLiteral("Beroep"), frame);
    lblBeroep->setObjectName(QStringLiteral("lblBeroep"));

    // The two-line box takes the place of the one-line box for long names; the
    // room for it is always kept, so the list below never jumps.
    auto* slot = new QWidget(frame);
    auto* slotLayout = new QGridLayout(slot);
    slotLayout->setContentsMargins(0, 0, 0, 0);
    txtBeroep = new QLineEdit(slot);
    txtBeroep->setObjectName(QStringLiteral("txtBeroep"));
    txtBeroep->setReadOnly(true);
    txtBeroep->setToolTip(occupationTip);
    txtBeroepGeheel = new QPlainTextEdit(slot);
    txtBeroepGeheel->setObjectName(QStringLiteral("txtBeroepGeheel"));
    txtBeroepGeheel->setReadOnly(true);
    txtBeroepGeheel->setToolTip(occupationTip);
    txtBeroepGeheel->setTabChangesFocus(true);
    txtBeroepGeheel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtBeroepGeheel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtBeroepGeheel->document()->setDocumentMargin(2);
    txtBeroepGeheel->setHidden(true);
    const int twoLines = 2 * txtBeroepGeheel->fontMetrics().lineSpacing() +
                         2 * (txtBeroepGeheel->frameWidth() + 2) + 2;
    txtBeroepGeheel->setFixedHeight(twoLines);
    // Room for a name of the longest length that still counts as short.
    const int occupationWidth =
        qMax(Form::twipsToPixels(6495), txtBeroep->fontMetrics().averageCharWidth() * 92 + 12);
    txtBeroep->setFixedWidth(occupationWidth);
    txtBeroepGeheel->setFixedWidth(occupationWidth);
    slotLayout->addWidget(txtBeroep, 0, 0, Qt::AlignTop);
    slotLayout->addWidget(txtBeroepGeheel, 0, 0);
    slot->setFixedHeight(twoLines);
    connect(txtBeroep, &QLineEdit::textChanged, txtBeroepGeheel, &QPlainTextEdit::setPlainText);
    // The name boxes sit in a cell of their own, out of reach of the label's
    // buddy lookup: they are named directly.
    lblRvl->setBuddy(txtRVL);
    lblBeroep->setBuddy(txtBeroep);
    nameControl(txtBeroep, lblBeroep->text());
    nameControl(txtBeroepGeheel, lblBeroep->text());

    // One row: each label left of its box, level with the one-line box.
    for (QLabel* label : {lblRvl, lblBeroep})
        label->setFixedHeight(txtBeroep->sizeHint().height());
    auto* l = new QGridLayout(frame);
    l->addWidget(lblRvl, 0, 0, Qt::AlignTop);
    l->addWidget(txtRVL, 0, 1, Qt::AlignTop);
    l->addWidget(lblBeroep, 0, 2, Qt::AlignTop);
    l->addWidget(slot, 0, 3);
    lblBeroep->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setColumnMinimumWidth(2, lblBeroep->sizeHint().width() + 16);
    l->setColumnStretch(4, 1);
    return frame;
}

void BrowseScreen::showWholeOccupation(bool whole) {
    txtBeroepGeheel->setVisible(whole);
    txtBeroep->setVisible(!whole);
}

void BrowseScreen::closeAndGoBack() {
    AppState& s = appState();
    s.gsHuidigScherm = screenName();
    HistorieVerwijderen();
    const int i = s.giHistorieIndex;
    const QString previous =
        i >= 0 && i <= AppState::HistoryUpper ? s.gsSchermHistorie[i] : QString();
    forms().unload(this);
    if (previous.isEmpty() || sameName(previous, screenName()))
        return;
    if (Form* f = forms().find(previous))
        forms().show(f);
}

void BrowseScreen::reportReadError(const DbError& error) {
    msgbox::warn(this, msgbox::applicationTitle(),
                 QStringLiteral("De gegevens van dit scherm konden niet worden gelezen.\n") +
                     errorText(QStringLiteral("Fout "), error.number, error.description));
}

void BrowseScreen::setCodeAndTitleColumns() {
    for (int column = 0; column < Rs->fieldCount(); ++column) {
        const QString field = Rs->fieldName(column);
        if (sameName(field, QStringLiteral("RVL92")))
            setColumn(column, 700, QStringLiteral("RVL92"), true);
        else if (sameName(field, QStringLiteral("Functienaam")))
            setColumn(column, 8000, QStringLiteral("Functienaam"), false);
        else
            setColumn(column, 0, QString(), false, false);
    }
}

void BrowseScreen::setColumn(int column, int widthTwips, const QString& caption, bool centred,
                             bool visible) {
    QTableView* g = grid();
    if (!g || column < 0)
        return;
    g->setColumnHidden(column, !visible);
    if (!visible)
        return;
    QStringList captions = m_columnCaptions;
    while (captions.size() <= column)
        captions << QString();
    captions[column] = caption;
    m_columnCaptions = captions;
    model()->setCaptions(captions);
    if (centred)
        model()->setAlignment(column, Qt::AlignHCenter);
    const QHeaderView* h = g->horizontalHeader();
    const int needed = h->fontMetrics().horizontalAdvance(caption) +
                       4 * h->style()->pixelMetric(QStyle::PM_HeaderMargin);
    g->setColumnWidth(column, qMax(Form::twipsToPixels(widthTwips), needed));
}

void BrowseScreen::letMenuShortcutsThrough() {
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
    for (QPlainTextEdit* box : findChildren<QPlainTextEdit*>())
        box->installEventFilter(this);
}

bool BrowseScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && grid() && watched == grid()) {
        const std::optional<char32_t> t =
            keyCharacter(static_cast<QKeyEvent*>(event), ModifiedKeys::Ignore);
        if (t && DataGrid1_KeyPress(*t))
            return true;
    } else if (event->type() == QEvent::ShortcutOverride && watched != grid()) {
        // A text box would otherwise keep Ctrl+X, Ctrl+V, Ctrl+E ... for
        // itself; the menu's items come first.
        if (isMenuShortcut(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return DataScreen::eventFilter(watched, event);
}

} // namespace rvl92
