// The four browse screens driven as a user would: the jumps of the two
// overviews, the steps through one code, the thresholds, the record selector,
// the hand-offs between the screens, an occupation without job titles or
// without a row, and a job-title table that cannot be read.

#include "browsedriver.h"
#include "support/datarow.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace rvl92;
using namespace browsedriver;

namespace {
const QString F = form::Functienamen;
const QString B = form::Beroepen;
const QString N = form::Namen;
const QString K = form::Kenmerken;

// The rows the list marks.
QList<int> gemarkeerd(const QString& form) {
    QList<int> rijen;
    for (const QModelIndex& i : grid(form)->selectionModel()->selectedRows())
        rijen << i.row();
    return rijen;
}
// A jump: letters typed in the job-title list; on the occupation list digits
// typed in the list and "Springen", its notice closed.
void spring(const QString& form, const QString& toetsen) {
    type(grid(form), form == B ? toetsen.left(1) : toetsen);
    if (form == B) {
        type(nullptr, toetsen.mid(1)); // on in the code boxes
        drive::click(B, "cmdZoeken");
        if (forms().isLoaded(form::DialogNietGevonden))
            closeNotice();
    }
}
} // namespace

class TestBrowseScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid() && browsefixture::schrijf(m_dir.path()));
        drive::install(m_dir.path());
    }
    void init() { drive::restart(); }
    void cleanup() {
        drive::unloadAll();
        QVERIFY(!msgbox::hasPendingAnswers());
    }

    void springen_data() {
        QTest::addColumn<QString>("toetsen");
        QTest::addColumn<QString>("springwaarde");
        QTest::addColumn<QString>("titel");
        auto rij = [](const char* naam, const char* toetsen, const char* waarde,
                      const char* titel) {
            row(naam, QString(toetsen), QString(waarde), QString(titel));
        };
        rij("b-a-k-x stays on bak", "bakx", "bak", "Bakker");
        rij("Backspace jumps again", "bal\b", "ba", "Bakker");
        rij("Escape", "zee\x1b", "", "Aannemer");
        rij("quote literally", "pak'", "pak'", "Pak'ket");
        rij("star literally", "pak*", "pak*", "Pak*ket");
        rij("underscore literally", "pak_", "pak_", "Pak_ket");
    }

    void springen() {
        QFETCH(QString, toetsen);
        QFETCH(QString, springwaarde);
        QFETCH(QString, titel);
        QVERIFY(show(F));
        type(grid(F), toetsen);
        QCOMPARE(tekst(F, "txtLoop"), springwaarde);
        QCOMPARE(current(F), titel);
        QCOMPARE(grid(F)->currentIndex().row(), scherm(F)->Rs->currentRow());
        QCOMPARE(child(F, "cmdZoeken")->isEnabled(), !springwaarde.isEmpty());
        QCOMPARE(child(F, "cmdWissen")->isEnabled(), !springwaarde.isEmpty());
        QCOMPARE(focus(), grid(F));
    }

    void vorigeVolgende() {
        appState().gsRvl92Code = "31001";
        QVERIFY(show(F));
        QAction* vorige = actie(F, "mnuVorigeRvl");
        QAction* volgende = actie(F, "mnuVolgendeRvl");
        QVERIFY(!vorige->isEnabled()); // loaded on the first title of the code
        struct Stap {
            Qt::Key toets; // Ctrl+O previous, Ctrl+V next
            const char* titel;
            bool vorigeAan, volgendeAan;
        };
        const Stap stappen[] = {
            {Qt::Key_V, "Chef d'équipe", true, true}, {Qt::Key_V, "Zwemleraar", true, true},
            {Qt::Key_V, "Zwemleraar", true, false}, // the last title of the code
            {Qt::Key_O, "Chef d'équipe", true, true}, {Qt::Key_O, "Aannemer", true, true},
            {Qt::Key_O, "Aannemer", false, true}, // the first
        };
        for (const Stap& s : stappen) {
            ctrl(grid(F), s.toets);
            QCOMPARE(current(F), QString(s.titel));
            QCOMPARE(vorige->isEnabled(), s.vorigeAan);
            QCOMPARE(volgende->isEnabled(), s.volgendeAan);
            QCOMPARE(focus(), grid(F));
        }
        // Record selector off: the step keeps to the code of the current row.
        actie(F, "mnuRecordselector")->trigger();
        ctrl(grid(F), Qt::Key_V);
        type(grid(F), "pak'");
        QCOMPARE(appState().gsRvl92Code, QString("31001"));
        ctrl(grid(F), Qt::Key_O);
        QCOMPARE(current(F), QString("Pak[h]uis"));
        QCOMPARE(appState().gsRvl92Code, QString("11101"));
    }

    void drempels_data() {
        QTest::addColumn<QString>("toetsen"); // from the title of 101 characters
        QTest::addColumn<QString>("familie");
        row("title of 101", "", "Arial");
        row("title of 100", "↑", "MS SANS SERIF");
    }

    void drempels() {
        QFETCH(QString, toetsen);
        QFETCH(QString, familie);
        QVERIFY(show(F));
        type(grid(F), "lang↓");
        QCOMPARE(current(F), browsefixture::titel(101));
        type(grid(F), toetsen);
        QCOMPARE(grid(F)->font().family(), familie);
        QCOMPARE(grid(F)->font().pointSizeF(), familie == "Arial" ? 6.75 : 8.25);
        // Only the rows change; the column headers stay bold 8.25.
        const QFont kop = grid(F)->horizontalHeader()->font();
        QCOMPARE(kop.pointSizeF(), 8.25);
        QVERIFY(kop.bold());
    }

    void recordselectorUit() {
        appState().gsRvl92Code = "11101";
        QVERIFY(show(F));
        QCOMPARE(counter(F), QString(" Record  2 van 20 "));
        actie(F, "mnuRecordselector")->trigger();
        QCOMPARE(appState().gbRecordselector, False);
        QCOMPARE(grid(F)->selectionMode(), QAbstractItemView::NoSelection);
        type(grid(F), "↓↓");
        QCOMPARE(grid(F)->currentIndex().row(), 3); // the focus frame moved
        QCOMPARE(counter(F), QString(" Record  2 van 20 "));
        QCOMPARE(appState().gsRvl92Code, QString("11101"));
        actie(F, "mnuKenmerken")->trigger(); // a hand-off still takes the row
        QCOMPARE(tekst(form::Kenmerken, "txtRVL"), QString("12001"));
    }

    // Off, no row is marked whatever moved the current row; on, exactly the
    // current row. Then an arrow key moves on without leaving a mark behind.
    void recordselectorMarkeert_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("toetsen");
        QTest::addColumn<int>("ctrlToets");
        const std::tuple<const char*, QString, const char*, int> gevallen[] = {
            {"jump", F, "bak", 0},       {"rejected letter", F, "bakx", 0},
            {"Escape", F, "zee\x1b", 0}, {"last record", F, "", Qt::Key_L},
            {"code jump", B, "12", 0},   {"code not found", B, "99", 0}};
        for (bool aan : {false, true})
            for (const auto& [naam, scherm, toetsen, ctrlToets] : gevallen)
                QTest::addRow("%s, %s", aan ? "on" : "off", naam)
                    << (aan ? scherm : "-" + scherm) << QString(toetsen) << ctrlToets;
    }

    void recordselectorMarkeert() {
        QFETCH(QString, naam);
        QFETCH(QString, toetsen);
        QFETCH(int, ctrlToets);
        const bool aan = !naam.startsWith('-');
        naam.remove('-');
        appState().gsRvl92Code = "11101";
        QVERIFY(show(naam));
        if (!aan)
            actie(naam, "mnuRecordselector")->trigger();
        spring(naam, toetsen);
        if (ctrlToets)
            ctrl(grid(naam), Qt::Key(ctrlToets));
        for (const char* pijl : {"", "↑"}) {
            type(grid(naam), pijl);
            const int rij = scherm(naam)->Rs->currentRow();
            QCOMPARE(grid(naam)->currentIndex().row(), rij);
            QCOMPARE(gemarkeerd(naam), aan ? QList<int>{rij} : QList<int>{});
        }
    }

    // A jump that keeps the current row keeps the view as it was.
    void lijstBlijftStaan_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("code");  // gsRvl92Code when loaded
        QTest::addColumn<QString>("eerst"); // puts the row at the top
        QTest::addColumn<QString>("dan");   // finds nothing
        row("rejected letter", F, "", "bak", "x");
        row("code not found", B, "12001", "", "99");
    }

    void lijstBlijftStaan() {
        QFETCH(QString, naam);
        QFETCH(QString, code);
        QFETCH(QString, eerst);
        QFETCH(QString, dan);
        appState().gsRvl92Code = code;
        QVERIFY(show(naam));
        QTableView* g = grid(naam);
        g->setFixedHeight(g->horizontalHeader()->height() +
                          4 * g->verticalHeader()->defaultSectionSize());
        QCoreApplication::processEvents();
        if (!eerst.isEmpty())
            spring(naam, eerst);
        g->scrollTo(g->currentIndex(), QAbstractItemView::PositionAtTop);
        const int rij = scherm(naam)->Rs->currentRow();
        const int boven = g->verticalScrollBar()->value();
        QVERIFY(boven > 0); // the row stands at the top, the list scrolled
        spring(naam, dan);
        QCOMPARE(scherm(naam)->Rs->currentRow(), rij);
        QCOMPARE(g->verticalScrollBar()->value(), boven);
    }

    void andereResolutie() {
        // 120 dots per inch is 12 twips per pixel: no record selector anywhere,
        // though the start screen switches it on again as it loads.
        drive::unloadAll();
        setDpiOverride(120, 120);
        QVERIFY(show(form::Startscherm));
        QCOMPARE(appState().gbRecordselector, True);
        for (const QString& scherm : {F, B, N}) {
            appState().gsRvl92Code = "11101";
            QVERIFY(show(scherm));
            QCOMPARE(grid(scherm)->selectionMode(), QAbstractItemView::NoSelection);
            QVERIFY(!actie(scherm, "mnuRecordselector")->isEnabled());
            QVERIFY(!actie(scherm, "mnuRecordselector")->isChecked());
        }
        QCOMPARE(appState().gbRecordselector, False);
    }

    void terugNaAndereKeuze() {
        appState().gsRvl92Code = "31001";
        QVERIFY(show(F));
        ctrl(grid(F), Qt::Key_L);
        QCOMPARE(current(F), QString("Zwemleraar"));
        // The occupation list takes the code; another occupation, above, is
        // chosen there and handed back.
        actie(F, "mnuBeroepen")->trigger();
        QCOMPARE(current(B, 0), QString("31001"));
        scherm(B)->Rs->moveFirst();
        actie(B, "mnuFunctienamen")->trigger();
        QCOMPARE(current(F), QString("Bakker"));
        QCOMPARE(appState().history().mid(1), QStringList({"frmBeroepen", "frmFunctienamen"}));
        type(grid(F), "↓↓");
        ctrl(grid(F), Qt::Key_X); // "Vorig scherm" passes the current code
        QCOMPARE(forms().active(), forms().find(B));
        QCOMPARE(current(B, 0), QString("12001"));
    }

    void beroepZonderTitels() {
        appState().gsRvl92Code = "13001";
        QVERIFY(show(F));
        QVERIFY(!scherm(F)->Rs->onRow());
        QVERIFY(!grid(F)->currentIndex().isValid());
        QCOMPARE(counter(F), QString(" Record  0 van 20 "));
        QVERIFY(!actie(F, "mnuVorigeRvl")->isEnabled() && !actie(F, "mnuVolgendeRvl")->isEnabled());
        QCOMPARE(appState().gsRvl92Code, QString("13001")); // still the chosen one
        // Back on a row, the steps through a code work again.
        type(grid(F), "aan");
        QVERIFY(actie(F, "mnuVorigeRvl")->isEnabled() && actie(F, "mnuVolgendeRvl")->isEnabled());
        ctrl(grid(F), Qt::Key_V);
        QCOMPARE(current(F), QString("Chef d'équipe"));
        actie(F, "mnuKenmerken")->trigger();
        QCOMPARE(tekst(form::Kenmerken, "txtRVL"), QString("31001"));
    }

    void lijstMededeling() {
        const QString map = QDir::toNativeSeparators(m_dir.path() + "/Gebruikersbestanden");
        const std::pair<QString, QString> schermen[] = {{F, "functienamenlijst"},
                                                        {B, "beroepenlijst"}};
        for (const auto& [scherm, lijst] : schermen) {
            QVERIFY(show(scherm));
            actie(scherm, "mnuExporteren")->trigger();
            QVERIFY(!forms().find(scherm)->isEnabled());
            QCOMPARE(forms().find(form::DialogExporteren)->windowTitle(),
                     "Exporteren " + lijst.left(1).toUpper() + lijst.mid(1));
            QCOMPARE(closeNotice(form::DialogExporteren),
                     "De volledige " + lijst + " vindt u in de directory: \r\n" + map);
            QVERIFY(forms().find(scherm)->isEnabled());
        }
    }

    void leesfout() {
        // No job-title table: both error branches report (their texts are checked
        // with the other damaged databases), the screen goes back to where the
        // user was, the program goes on; the occupations still open.
        QTemporaryDir anders;
        QVERIFY(browsefixture::schrijf(anders.path(), false));
        appState().programDir = anders.path();
        QVERIFY(show(form::Zoekprogramma));
        msgbox::setNextAnswer(msgbox::Answer::Ok);
        msgbox::setNextAnswer(msgbox::Answer::Ok);
        forms().show(F);
        QCOMPARE(msgbox::shown().size(), 2);
        QVERIFY(!forms().isLoaded(F));
        QCOMPARE(forms().active(), forms().find(form::Zoekprogramma));
        QCOMPARE(appState().history().mid(1), QStringList({"frmZoekprogramma"}));
        QVERIFY(show(B));
        appState().programDir = m_dir.path();
    }

    void codeSprong_data() {
        QTest::addColumn<QString>("start");   // gsRvl92Code when loaded
        QTest::addColumn<QString>("getypt");  // from box 1 on
        QTest::addColumn<QString>("getoond"); // the boxes after "Springen", "|" between
        QTest::addColumn<QString>("code");
        auto rij = [](const char* n, const char* s, const char* t, const char* g, const char* c) {
            row(n, QString(s), QString(t), QString(g), QString(c));
        };
        rij("12 from below: from the top", "31001", "12", "1|2|*||", "12001");
        rij("1 blank 3 looks for 1*", "31001", "1x→3", "1|*|||", "11101");
        rij("five digits", "11101", "31002", "3|1|0|0|2", "31002");
        rij("current row matches: stays", "11103", "11", "1|1|*||", "11103");
    }

    void codeSprong() {
        QFETCH(QString, start);
        QFETCH(QString, getypt);
        QFETCH(QString, getoond);
        QFETCH(QString, code);
        appState().gsRvl92Code = start;
        QVERIFY(show(B));
        child(B, "txtZ1")->setFocus();
        type(nullptr, getypt);
        drive::click(B, "cmdZoeken");
        QCOMPARE(codeBoxes(B), getoond);
        QCOMPARE(current(B, 0), code);
        QVERIFY(!child(B, "cmdZoeken")->isEnabled());
        QCOMPARE(focus(), grid(B));
        QVERIFY(!forms().isLoaded(form::DialogNietGevonden));
    }

    void codeNietGevonden() {
        const QString melding("Er zijn geen RVL92-codes met de zoekwaarde 99 . . . gevonden");
        appState().gsRvl92Code = "12002";
        QVERIFY(show(B));
        ctrl(grid(B), Qt::Key_L); // away from the occupation
        type(nullptr, "99");      // digits in the list start the boxes
        drive::click(B, "cmdZoeken");
        // A fixed dialog, without minimise or maximise, at least the written
        // width; the message stays one line.
        Form* d = forms().find(form::DialogNietGevonden);
        QVERIFY(d && d->minimumSize() == d->maximumSize());
        QVERIFY(
            !(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(d->width() >= Form::twipsToPixels(5190));
        auto* label = child<QLabel>(form::DialogNietGevonden, "lblText");
        QVERIFY(!label->wordWrap());
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(melding));
        QCOMPARE(child<QPushButton>(form::DialogNietGevonden, "OKButton")->text(), QString("OK"));
        QVERIFY(!forms().find(B)->isEnabled());
        QCOMPARE(closeNotice(), melding);
        QCOMPARE(current(B, 0), QString("12002")); // back on the occupation
        QCOMPARE(forms().active(), forms().find(B));
    }

    void cijfersInLijst() {
        QVERIFY(show(B));
        type(grid(B), "x3");
        QCOMPARE(codeBoxes(B), QString("3||||"));
        QCOMPARE(focus(), child(B, "txtZ2"));
        QVERIFY(child(B, "cmdZoeken")->isEnabled());
        type(nullptr, "1↓");
        QCOMPARE(current(B, 0), QString("11102")); // Down moved the list
        drive::click(B, "cmdZoeken");
        QCOMPARE(current(B, 0), QString("31001"));
        type(grid(B), "\b"); // takes back the wildcard, list from the top
        QCOMPARE(codeBoxes(B), QString("3|1|||"));
        QCOMPARE(focus(), child(B, "txtZ3"));
        QCOMPARE(current(B, 0), QString("11101"));
        ctrl(focus(), Qt::Key_L); // the menu's shortcuts work from a code box
        QCOMPARE(current(B, 0), QString("90001"));
        drive::click(B, "cmdWissen");
        QCOMPARE(codeBoxes(B), QString("||||"));
        QCOMPARE(current(B, 0), QString("11101"));
        QCOMPARE(focus(), child(B, "txtZ1"));
    }

    void langeBeroepsnaam() {
        appState().gsRvl92Code = "21001";
        QVERIFY(show(B));
        QTableView* g = grid(B);
        const int h = g->verticalHeader()->defaultSectionSize();
        QCOMPARE(g->rowHeight(6), 2 * h); // 101 characters: two rows high
        type(g, "↓");
        QCOMPARE(g->rowHeight(7), h); // 100 characters: one
        QCOMPARE(g->rowHeight(6), h);
    }

    void legeBeroepentabel() {
        // Without a current row the occupation list's activation does nothing at
        // all: the hub stays the current screen and the history stays.
        QTemporaryDir leeg;
        QVERIFY(testdb::writeProgramDatabase(leeg.path(), testdb::createTables)); // no rows
        appState().programDir = leeg.path();
        QVERIFY(show(B));
        QVERIFY(show(form::Zoekprogramma));
        const QStringList historie = appState().history();
        QVERIFY(show(B));
        QCOMPARE(appState().gsHuidigScherm, QString("frmZoekprogramma"));
        QCOMPARE(appState().history(), historie);
        appState().programDir = m_dir.path();
    }

    void beroepenNaAndereKeuze() {
        appState().gsRvl92Code = "31001";
        QVERIFY(show(B));
        type(grid(B), "1");
        type(nullptr, "2");
        // Another screen chooses an occupation above the current row.
        appState().gsRvl92Code = "11103";
        QVERIFY(show(form::Kenmerken));
        actie(form::Kenmerken, "mnuBeroepen")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(forms().find(B)));
        QCOMPARE(current(B, 0), QString("11103"));
        QCOMPARE(focus(), child(B, "txtZ3")); // the first empty code box
        QCOMPARE(appState().history().mid(1), QStringList({"frmKenmerken", "frmBeroepen"}));
    }

    void titelsVolgenBeroep() {
        appState().gsRvl92Code = "11101";
        QVERIFY(show(N));
        QVERIFY(!forms().find(N)->isMaximized());
        QCOMPARE(counter(N), QString(" Record  1 van 10 "));
        ctrl(grid(N), Qt::Key_L);
        QCOMPARE(current(N), QString("Pak'ket"));
        QCOMPARE(counter(N), QString(" Record  10 van 10 "));
        // To the characteristics and back: nothing is read again.
        QSignalSpy namen(scherm(N)->Rs, &Recordset::reset);
        actie(N, "mnuKenmerken")->trigger();
        QSignalSpy kenmerken(scherm(K)->Rs, &Recordset::reset);
        ctrl(forms().find(K), Qt::Key_X);
        QCOMPARE(forms().active(), forms().find(N));
        QCOMPARE(namen.count(), 0);
        actie(N, "mnuKenmerken")->trigger();
        QCOMPARE(kenmerken.count(), 0);
        // Another occupation chosen on the list of occupations: its titles.
        actie(K, "mnuBeroepen")->trigger();
        type(grid(B), "↓↓");
        actie(B, "mnuNamen")->trigger();
        QCOMPARE(current(N), QString("Etaleur"));
        QCOMPARE(counter(N), QString(" Record  1 van 1 "));
        actie(N, "mnuKenmerken")->trigger();
        QCOMPARE(tekst(K, "txtRVL"), QString("11103"));
        QCOMPARE(appState().history().mid(1),
                 QStringList({"frmBeroepen", "frmNamen", "frmKenmerken"}));
    }

    void geenTitels() {
        // Loaded for an occupation with titles, then asked for one without, and
        // then shown for the first time for one without.
        appState().gsRvl92Code = "11101";
        QVERIFY(show(N));
        appState().gsRvl92Code = "13001";
        QVERIFY(show(B));
        const QString melding =
            "Er zijn geen functienamen bij het beroep met RVL92-code 13001 gevonden.";
        for (int keer = 0; keer < 2; ++keer) {
            actie(B, "mnuNamen")->trigger();
            QVERIFY(!forms().isLoaded(N));
            QVERIFY(!forms().find(B)->isEnabled());
            QCOMPARE(closeNotice(), melding);
            QCOMPARE(forms().active(), forms().find(B));
            QCOMPARE(appState().gsHuidigScherm, QString("frmBeroepen"));
            QCOMPARE(appState().gsRvl92Code, QString("13001"));
            QCOMPARE(appState().history().mid(1), QStringList({"frmBeroepen"}));
        }
    }

    void alleKenmerken() {
        appState().gsRvl92Code = "11101";
        QVERIFY(show(K));
        const std::pair<const char*, const char*> verwacht[] = {
            {"txtRVL", "11101"},
            {"txtBeroep", "Beroep 11101"},
            {"txtBeroepsniveauCode", "1"},
            {"txtBeroepsklasse", "Klasse 11"},
            {"txtBeroepsgroepCode", "111"},
            {"txtNiveau", "Bekwaamheid 01"},
            {"txtHoofdrichtingCode", "11"},
            {"txtRichting", "Richting 112"},
            {"txtWerksoort2", "Werksoort 2 van 11101"},
            {"txtWerksoortCode3", ""}, // absent: NULL, shown empty
            {"txtVaardighedenCode5", "305"},
            {"txtVaardigheden6", ""},
        };
        for (const auto& [naam, waarde] : verwacht)
            QCOMPARE(tekst(K, naam), QString::fromUtf8(waarde));
        QCOMPARE(child<QGroupBox>(K, "fraNiveau")->title(),
                 QString("Niveau, hoofdrichting en richting van de bekwaamheden"));
        QCOMPARE(child(K, "txtVaardigheden7")->parent(), child(K, "fraVaardigheden"));
        QVERIFY(!actie(K, "mnuKenmerken")->isEnabled());
        QVERIFY(!actie(K, "mnuRecordselector")->isEnabled());
        // The menu's shortcuts from a box.
        child(K, "txtBeroepsniveau")->setFocus();
        ctrl(focus(), Qt::Key_H);
        QCOMPARE(forms().active(), forms().find(form::Startscherm));
    }

    void langeNaam_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("tweeRegels");
        row("90 characters", "11102", false);
        row("91 characters", "11103", true);
    }

    void langeNaam() {
        QFETCH(QString, code);
        QFETCH(bool, tweeRegels);
        appState().gsRvl92Code = code;
        for (const QString& scherm : {K, N, F}) {
            QVERIFY(show(scherm));
            QCOMPARE(zichtbaar(scherm, "txtBeroepGeheel"), tweeRegels);
            QCOMPARE(zichtbaar(scherm, "txtBeroep"), !tweeRegels);
            QCOMPARE(child<QPlainTextEdit>(scherm, "txtBeroepGeheel")->toPlainText(),
                     browsefixture::beroepVan(code));
        }
    }

    void codeZonderBeroep_data() {
        QTest::addColumn<QString>("code");
        row("empty", "");
        row("unknown", "99999");
        row("with quotes", "1' or '1'='1");
    }

    void codeZonderBeroep() {
        QFETCH(QString, code);
        appState().gsRvl92Code = "11103"; // shown before for an occupation
        QVERIFY(show(K));
        QVERIFY(show(form::Zoekprogramma));
        appState().gsRvl92Code = code;
        QVERIFY(show(K));
        for (QLineEdit* box : forms().find(K)->findChildren<QLineEdit*>())
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QVERIFY(!zichtbaar(K, "txtBeroepGeheel"));
        QCOMPARE(appState().gsRvl92Code, code);
        QVERIFY(msgbox::shown().isEmpty());
        actie(K, "mnuNamen")->trigger(); // passed on as it was
        QCOMPARE(
            closeNotice(),
            code.isEmpty()
                ? QString(
                      "Er is geen beroep gekozen waarvan de functienamen getoond kunnen worden.")
                : "Er zijn geen functienamen bij het beroep met RVL92-code " + code + " gevonden.");
        QCOMPARE(forms().active(), forms().find(K));
        QCOMPARE(appState().gsRvl92Code, code);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestBrowseScreens)
#include "tst_browsescreens.moc"
