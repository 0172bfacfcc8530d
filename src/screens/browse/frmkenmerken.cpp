#include "screens/browse/frmkenmerken.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"
#include "data/sqltext.h"
#include "export/screenexports.h"
#include "screens/browse/rvlcolumns.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace rvl92 {

namespace {

using Pair = std::pair<QString, QString>; // box name, column name

QList<Pair> series(const QString& codeBox, const QString& codeColumn, const QString& nameBox,
                   const QString& nameColumn, int count) {
    QList<Pair> out;
    for (int k = 1; k <= count; ++k) {
        const QString n = QString::number(k);
        out << Pair{codeBox + n, codeColumn + n} << Pair{nameBox + n, nameColumn + n};
    }
    return out;
}

// The boxes of a frame stand without labels, in pairs of a code and its name;
// a screen reader says which characteristic each one holds.
void nameCharacteristicFields(QWidget* screenForm) {
    QList<std::pair<QString, QString>> names{
        {QStringLiteral("Beroepsniveau"), QStringLiteral("Beroepsniveau")},
        {QStringLiteral("Beroepsklasse"), QStringLiteral("Beroepsklasse")},
        {QStringLiteral("Beroepsgroep"), QStringLiteral("Beroepsgroep")},
        {QStringLiteral("Niveau"), QStringLiteral("Niveau bekwaamheden")},
        {QStringLiteral("Hoofdrichting"), QStringLiteral("Hoofdrichting")},
        {QStringLiteral("Richting"), QStringLiteral("Richting")}};
    for (int k = 1; k <= 7; ++k) {
        if (k <= 3)
            names.append(
                {QStringLiteral("Werksoort%1").arg(k), QStringLiteral("Werksoort %1").arg(k)});
        names.append(
            {QStringLiteral("Vaardigheden%1").arg(k), QStringLiteral("Vaardigheid %1").arg(k)});
    }
    for (const auto& [field, name] : names) {
        // "txtWerksoortCode1" beside "txtWerksoort1".
        QString code = QStringLiteral("txt") + field;
        const qsizetype digit = code.size() - (code.back().isDigit() ? 1 : 0);
        code.insert(digit, QStringLiteral("Code"));
        nameControl(screenForm->findChild<QLineEdit*>(code), name + QStringLiteral(", code"));
        nameControl(screenForm->findChild<QLineEdit*>(QStringLiteral("txt") + field), name);
    }
}

} // namespace

frmKenmerken::frmKenmerken(QWidget* parent)
    : BrowseScreen(form::Kenmerken, screen::Kenmerken, parent) {
    setWindowTitle(QStringLiteral("Kenmerken van beroep"));
    QWidget* top =
        makeCodeOccupationFrame(QStringLiteral("fraRvl92Beroep"), QString(), QString(), 615);
    boundFields()->bindField(txtRVL, QStringLiteral("RVL92"));
    boundFields()->bindField(txtBeroep, QStringLiteral("beroep"));

    QWidget* level = makeFrame(
        QStringLiteral("fraBeroepsniveau"), QStringLiteral("Beroepsniveau, -klasse, -groep"),
        {{QStringLiteral("txtBeroepsniveauCode"), QStringLiteral("BeroepsniveauCode")},
         {QStringLiteral("txtBeroepsniveau"), QStringLiteral("BeroepsNiveau")},
         {QStringLiteral("txtBeroepsklasseCode"), QStringLiteral("BeroepsklasseCode")},
         {QStringLiteral("txtBeroepsklasse"), QStringLiteral("BeroepsKlasse")},
         {QStringLiteral("txtBeroepsgroepCode"), QStringLiteral("BeroepsGroepCode")},
         {QStringLiteral("txtBeroepsgroep"), QStringLiteral("BeroepsGroep")}});
    QWidget* skillLevel =
        makeFrame(QStringLiteral("fraNiveau"),
                  QStringLiteral("Niveau, hoofdrichting en richting van de bekwaamheden"),
                  {{QStringLiteral("txtNiveauCode"), QStringLiteral("NiveauBekwaamhedenCode")},
                   {QStringLiteral("txtNiveau"), QStringLiteral("Niveaubekwaamheden")},
                   {QStringLiteral("txtHoofdrichtingCode"), QStringLiteral("HoofdrichtingCode")},
                   {QStringLiteral("txtHoofdrichting"), QStringLiteral("Hoofdrichting")},
                   {QStringLiteral("txtRichtingCode"), QStringLiteral("RichtingCode")},
                   {QStringLiteral("txtRichting"), QStringLiteral("Richting")}});
    QWidget* workTypes =
        makeFrame(QStringLiteral("fraWerksoorten"), QStringLiteral("Werksoorten"),
                  series(QStringLiteral("txtWerksoortCode"), QStringLiteral("WerksoortCode"),
                         QStringLiteral("txtWerksoort"), QStringLiteral("Werksoort"), 3));
    QWidget* skills =
        makeFrame(QStringLiteral("fraVaardigheden"), QStringLiteral("Specifieke vaardigheden"),
                  series(QStringLiteral("txtVaardighedenCode"), QStringLiteral("VaardighedenCode"),
                         QStringLiteral("txtVaardigheden"), QStringLiteral("Vaardigheid"), 7));

    // Level and skills on the left, the longer list of specific skills on the
    // right.
    auto* columns = new QGridLayout;
    columns->addWidget(level, 0, 0);
    columns->addWidget(skillLevel, 1, 0);
    columns->addWidget(workTypes, 2, 0);
    columns->addWidget(skills, 0, 1, 3, 1, Qt::AlignTop);
    columns->setColumnStretch(0, 1);
    columns->setColumnStretch(1, 1);
    columns->setRowStretch(3, 1);
    body()->addWidget(top);
    body()->addLayout(columns, 1);

    // Nothing on this screen has a current row to mark.
    menuItem(MenuRole::Recordselector)->setEnabled(false);
    nameCharacteristicFields(this);
    letMenuShortcutsThrough();
    resize(twipsToPixels(12000), twipsToPixels(8000));
}

QWidget* frmKenmerken::makeFrame(const QString& name, const QString& title,
                                 const QList<Pair>& fields) {
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(name);
    auto* l = new QGridLayout(frame);
    for (int i = 0; i + 1 < fields.size(); i += 2) {
        auto* code = new QLineEdit(frame);
        auto* description = new QLineEdit(frame);
        code->setObjectName(fields[i].first);
        description->setObjectName(fields[i + 1].first);
        for (QLineEdit* box : {code, description})
            box->setReadOnly(true);
        code->setFixedWidth(qMax(
            twipsToPixels(615), code->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16));
        description->setMinimumWidth(twipsToPixels(4500));
        l->addWidget(code, i / 2, 0);
        l->addWidget(description, i / 2, 1);
        this->boundFields()->bindField(code, fields[i].second);
        this->boundFields()->bindField(description, fields[i + 1].second);
    }
    l->setColumnStretch(1, 1);
    return frame;
}

void frmKenmerken::formLoad() {
    setWindowIcon(programIcon());
    DbError error;
    bool wasRead = openConnection(&error);
    if (wasRead) {
        setWindowState(windowState() | Qt::WindowMaximized);
        BusyCursor busy;
        wasRead = ToonKenmerken(&error);
    }
    if (!wasRead) {
        reportReadError(error);
        forms().unload(this);
        return;
    }
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
    menuItem(MenuRole::Recordselector)->setChecked(appState().gbRecordselector == True);
}

bool frmKenmerken::ToonKenmerken(DbError* error) {
    QPointer<QWidget> focus = focusWidget();
    setEnabled(false);
    AppState& s = appState();
    bool wasRead = openRs(QStringLiteral(" Select RVL.* from RVL where RVL92 = '") +
                              sqlLiteralText(s.gsRvl92Code) + QStringLiteral("'"),
                          error);
    if (wasRead) {
        // The boxes and the export also read the columns by position: a
        // table with a column missing or moved would show the wrong
        // characteristics.
        QStringList columns;
        for (int k = 0; k < Rs->fieldCount(); ++k)
            columns << Rs->fieldName(k);
        if (const QString problem = rvlColumnProblem(columns); !problem.isEmpty()) {
            Rs->close();
            if (error)
                *error = {dberr::QueryFailed, problem};
            wasRead = false;
        }
    }
    // A code without an occupation leaves every box empty and the code as it
    // was.
    showWholeOccupation(wasRead && Rs->onRow() &&
                        isLongOccupationName(Rs->text(QStringLiteral("beroep"))));
    setEnabled(true);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    if (wasRead && Rs->onRow())
        s.gsRvl92Code = Rs->text(0);
    return wasRead;
}

void frmKenmerken::formActivate() {
    AppState& s = appState();
    CheckSchermResolutie();
    if (s.gbVorigScherm == True) {
        s.gsHuidigScherm = screenName();
        if (txtRVL->text() == s.gsRvl92Code)
            return;
    }
    if (isVisible()) {
        s.gsHuidigScherm = screenName();
        HistorieToevoegen();
        if (currentCode() == s.gsRvl92Code)
            return;
    }
    s.gsHuidigScherm = screenName();
    HistorieToevoegen();
    if (txtRVL->text() != s.gsRvl92Code) {
        Rs->close();
        DbError error;
        if (!ToonKenmerken(&error)) {
            reportReadError(error);
            closeAndGoBack();
            return;
        }
    }
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
}

void frmKenmerken::mnuExporteren_Click() {
    exports::exportKenmerken(this, *Rs);
}

} // namespace rvl92
