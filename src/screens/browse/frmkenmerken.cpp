#include "screens/browse/frmkenmerken.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/databinding.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/modrvl92.h"
#include "data/sqltext.h"
#include "export/screenexports.h"
#include "screens/browse/browseregels.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace rvl92 {

namespace {

using Paar = std::pair<QString, QString>; // box name, column name

QList<Paar> reeks(const QString& codeBox, const QString& codeKolom, const QString& naamBox,
                  const QString& naamKolom, int aantal) {
    QList<Paar> out;
    for (int k = 1; k <= aantal; ++k) {
        const QString n = QString::number(k);
        out << Paar{codeBox + n, codeKolom + n} << Paar{naamBox + n, naamKolom + n};
    }
    return out;
}

// The boxes of a frame stand without labels, in pairs of a code and its name;
// a screen reader says which characteristic each one holds.
void noemKenmerkvelden(QWidget* scherm) {
    QList<std::pair<QString, QString>> namen{
        {QStringLiteral("Beroepsniveau"), QStringLiteral("Beroepsniveau")},
        {QStringLiteral("Beroepsklasse"), QStringLiteral("Beroepsklasse")},
        {QStringLiteral("Beroepsgroep"), QStringLiteral("Beroepsgroep")},
        {QStringLiteral("Niveau"), QStringLiteral("Niveau bekwaamheden")},
        {QStringLiteral("Hoofdrichting"), QStringLiteral("Hoofdrichting")},
        {QStringLiteral("Richting"), QStringLiteral("Richting")}};
    for (int k = 1; k <= 7; ++k) {
        if (k <= 3)
            namen.append(
                {QStringLiteral("Werksoort%1").arg(k), QStringLiteral("Werksoort %1").arg(k)});
        namen.append(
            {QStringLiteral("Vaardigheden%1").arg(k), QStringLiteral("Vaardigheid %1").arg(k)});
    }
    for (const auto& [veld, naam] : namen) {
        // "txtWerksoortCode1" beside "txtWerksoort1".
        QString code = QStringLiteral("txt") + veld;
        const qsizetype cijfer = code.size() - (code.back().isDigit() ? 1 : 0);
        code.insert(cijfer, QStringLiteral("Code"));
        nameControl(scherm->findChild<QLineEdit*>(code), naam + QStringLiteral(", code"));
        nameControl(scherm->findChild<QLineEdit*>(QStringLiteral("txt") + veld), naam);
    }
}

} // namespace

frmKenmerken::frmKenmerken(QWidget* parent)
    : BrowseScreen(form::Kenmerken, screen::Kenmerken, parent) {
    setWindowTitle(QStringLiteral("Kenmerken van beroep"));
    QWidget* boven =
        makeCodeOccupationFrame(QStringLiteral("fraRvl92Beroep"), QString(), QString(), 615);
    boundFields()->bindField(txtRVL, QStringLiteral("RVL92"));
    boundFields()->bindField(txtBeroep, QStringLiteral("beroep"));

    QWidget* niveau = maakKader(
        QStringLiteral("fraBeroepsniveau"), QStringLiteral("Beroepsniveau, -klasse, -groep"),
        {{QStringLiteral("txtBeroepsniveauCode"), QStringLiteral("BeroepsniveauCode")},
         {QStringLiteral("txtBeroepsniveau"), QStringLiteral("BeroepsNiveau")},
         {QStringLiteral("txtBeroepsklasseCode"), QStringLiteral("BeroepsklasseCode")},
         {QStringLiteral("txtBeroepsklasse"), QStringLiteral("BeroepsKlasse")},
         {QStringLiteral("txtBeroepsgroepCode"), QStringLiteral("BeroepsGroepCode")},
         {QStringLiteral("txtBeroepsgroep"), QStringLiteral("BeroepsGroep")}});
    QWidget* bekwaamheden =
        maakKader(QStringLiteral("fraNiveau"),
                  QStringLiteral("Niveau, hoofdrichting en richting van de bekwaamheden"),
                  {{QStringLiteral("txtNiveauCode"), QStringLiteral("NiveauBekwaamhedenCode")},
                   {QStringLiteral("txtNiveau"), QStringLiteral("Niveaubekwaamheden")},
                   {QStringLiteral("txtHoofdrichtingCode"), QStringLiteral("HoofdrichtingCode")},
                   {QStringLiteral("txtHoofdrichting"), QStringLiteral("Hoofdrichting")},
                   {QStringLiteral("txtRichtingCode"), QStringLiteral("RichtingCode")},
                   {QStringLiteral("txtRichting"), QStringLiteral("Richting")}});
    QWidget* werksoorten =
        maakKader(QStringLiteral("fraWerksoorten"), QStringLiteral("Werksoorten"),
                  reeks(QStringLiteral("txtWerksoortCode"), QStringLiteral("WerksoortCode"),
                        QStringLiteral("txtWerksoort"), QStringLiteral("Werksoort"), 3));
    QWidget* vaardigheden =
        maakKader(QStringLiteral("fraVaardigheden"), QStringLiteral("Specifieke vaardigheden"),
                  reeks(QStringLiteral("txtVaardighedenCode"), QStringLiteral("VaardighedenCode"),
                        QStringLiteral("txtVaardigheden"), QStringLiteral("Vaardigheid"), 7));

    // Level and skills on the left, the longer list of specific skills on the
    // right.
    auto* kolommen = new QGridLayout;
    kolommen->addWidget(niveau, 0, 0);
    kolommen->addWidget(bekwaamheden, 1, 0);
    kolommen->addWidget(werksoorten, 2, 0);
    kolommen->addWidget(vaardigheden, 0, 1, 3, 1, Qt::AlignTop);
    kolommen->setColumnStretch(0, 1);
    kolommen->setColumnStretch(1, 1);
    kolommen->setRowStretch(3, 1);
    body()->addWidget(boven);
    body()->addLayout(kolommen, 1);

    // Nothing on this screen has a current row to mark.
    menuItem(MenuRole::Recordselector)->setEnabled(false);
    noemKenmerkvelden(this);
    letMenuShortcutsThrough();
    resize(twipsToPixels(12000), twipsToPixels(8000));
}

QWidget* frmKenmerken::maakKader(const QString& naam, const QString& titel,
                                 const QList<Paar>& velden) {
    auto* kader = new QGroupBox(titel, this);
    kader->setObjectName(naam);
    auto* l = new QGridLayout(kader);
    for (int i = 0; i + 1 < velden.size(); i += 2) {
        auto* code = new QLineEdit(kader);
        auto* omschrijving = new QLineEdit(kader);
        code->setObjectName(velden[i].first);
        omschrijving->setObjectName(velden[i + 1].first);
        for (QLineEdit* box : {code, omschrijving})
            box->setReadOnly(true);
        code->setFixedWidth(qMax(
            twipsToPixels(615), code->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16));
        omschrijving->setMinimumWidth(twipsToPixels(4500));
        l->addWidget(code, i / 2, 0);
        l->addWidget(omschrijving, i / 2, 1);
        this->boundFields()->bindField(code, velden[i].second);
        this->boundFields()->bindField(omschrijving, velden[i + 1].second);
    }
    l->setColumnStretch(1, 1);
    return kader;
}

void frmKenmerken::formLoad() {
    setWindowIcon(programIcon());
    DbError fout;
    bool gelezen = openConnection(&fout);
    if (gelezen) {
        setWindowState(windowState() | Qt::WindowMaximized);
        BusyCursor busy;
        gelezen = ToonKenmerken(&fout);
    }
    if (!gelezen) {
        reportReadError(fout);
        forms().unload(this);
        return;
    }
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
    menuItem(MenuRole::Recordselector)->setChecked(appState().gbRecordselector == True);
}

bool frmKenmerken::ToonKenmerken(DbError* fout) {
    QPointer<QWidget> focus = focusWidget();
    setEnabled(false);
    AppState& s = appState();
    bool gelezen = openRs(QStringLiteral(" Select RVL.* from RVL where RVL92 = '") +
                              sqlLiteralText(s.gsRvl92Code) + QStringLiteral("'"),
                          fout);
    if (gelezen) {
        // The boxes and the export also read the columns by position: a
        // table with a column missing or moved would show the wrong
        // characteristics.
        QStringList kolommen;
        for (int k = 0; k < Rs->fieldCount(); ++k)
            kolommen << Rs->fieldName(k);
        if (const QString afwijking = rvlKolomAfwijking(kolommen); !afwijking.isEmpty()) {
            Rs->close();
            if (fout)
                *fout = {dberr::QueryFailed, afwijking};
            gelezen = false;
        }
    }
    // A code without an occupation leaves every box empty and the code as it
    // was.
    showWholeOccupation(gelezen && Rs->onRow() &&
                        isLongOccupationName(Rs->text(QStringLiteral("beroep"))));
    setEnabled(true);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    if (gelezen && Rs->onRow())
        s.gsRvl92Code = Rs->text(0);
    return gelezen;
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
        DbError fout;
        if (!ToonKenmerken(&fout)) {
            reportReadError(fout);
            closeAndGoBack();
            return;
        }
    }
    menuItem(MenuRole::Kenmerken)->setEnabled(false);
}

void frmKenmerken::mnuExporteren_Click() {
    exports::exporteerKenmerken(this, *Rs);
}

} // namespace rvl92
