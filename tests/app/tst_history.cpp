#include "app/appstate.h"
#include "app/options.h"
#include "support/datarow.h"

#include <QTest>

using namespace rvl92;

namespace {

// "a b c" -> history entries 1.. (entry 0 is the start screen)
AppState withHistory(const QString& entries, const QString& current) {
    AppState s;
    s.gsSchermHistorie[0] = screen::Start;
    int i = 1;
    for (const QString& e : entries.split(' ', Qt::SkipEmptyParts))
        s.gsSchermHistorie[i++] = e;
    s.giHistorieIndex = std::int16_t(i - 1);
    s.gsHuidigScherm = current;
    return s;
}

QString tail(const AppState& s) {
    return s.history().mid(1).join(' ');
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void toevoegen_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("index");
        row("empty history", "", "A", "A", 1);
        row("appended", "A B", "C", "A B C", 3);
        row("already last: unchanged", "A B", "B", "A B", 2);
        row("moved to the end, gap closed", "A B C", "A", "B C A", 3);
        row("middle moved to the end", "A B C D", "B", "A C D B", 4);
        // Names are compared exactly: the name strings are always written alike.
        row("exact comparison", "frmZoekenRVL92", "frmZoekenRvl92", "frmZoekenRVL92 frmZoekenRvl92",
            2);
    }

    void toevoegen() {
        QFETCH(QString, before);
        QFETCH(QString, current);
        QFETCH(QString, after);
        QFETCH(int, index);
        AppState s = withHistory(before, current);
        HistorieToevoegen(s);
        QCOMPARE(tail(s), after);
        QCOMPARE(int(s.giHistorieIndex), index);
        QCOMPARE(s.gsSchermHistorie[0], screen::Start);
        // Twice in a row changes nothing.
        HistorieToevoegen(s);
        QCOMPARE(tail(s), after);
        QCOMPARE(int(s.giHistorieIndex), index);
    }

    void toevoegenWhenFull() {
        AppState s = withHistory("A B C D E F G H I J", "J");
        HistorieToevoegen(s); // last entry (U): stays
        QCOMPARE(int(s.giHistorieIndex), 10);
        s.gsHuidigScherm = "C";
        HistorieToevoegen(s); // moved to entry U
        QCOMPARE(tail(s), QString("A B D E F G H I J C"));
        QCOMPARE(int(s.giHistorieIndex), 10);
        s.gsHuidigScherm = "K";
        HistorieToevoegen(s); // full and absent: nothing changes
        QCOMPARE(tail(s), QString("A B D E F G H I J C"));
        QCOMPARE(int(s.giHistorieIndex), 10);
    }

    void verwijderen_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("index");
        row("middle of three", "A B C", "B", "A C", 1);
        row("last", "A B C", "C", "A B", 2);
        row("first", "A B C", "A", "B C", 0);
        row("only", "A", "A", "", 0);
        row("absent: unchanged", "A B", "X", "A B", 2);
        row("full history, first", "A B C D E F G H I J", "A", "B C D E F G H I J", 0);
        row("full history, last", "A B C D E F G H I J", "J", "A B C D E F G H I", 9);
    }

    void verwijderen() {
        QFETCH(QString, before);
        QFETCH(QString, current);
        QFETCH(QString, after);
        QFETCH(int, index);
        AppState s = withHistory(before, current);
        HistorieVerwijderen(s);
        QCOMPARE(tail(s), after);
        QCOMPARE(int(s.giHistorieIndex), index);
        // No gaps: every entry after the last used one is empty.
        const int used = int(s.history().size());
        for (int i = used; i <= AppState::HistoryUpper; ++i)
            QVERIFY(s.gsSchermHistorie[i].isEmpty());
    }

    void vorigScherm_data() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("loaded"); // forms loaded, by form name
        QTest::addColumn<QString>("expected");
        row("previous screen", "frmFunctienamen frmKenmerken", "frmKenmerken",
            "frmStartschermViewRvl frmFunctienamen frmKenmerken", "frmFunctienamen");
        row("form name differs in case", "frmZoekenRVL92 frmKenmerken", "frmKenmerken",
            "frmStartschermViewRvl frmZoekenRvl92 frmKenmerken", "frmZoekenRVL92");
        row("back to the start screen", "frmZoekprogramma", "frmZoekprogramma",
            "frmStartschermViewRvl frmZoekprogramma", screen::Start);
        row("current not in history", "frmFunctienamen", "frmBeroepen",
            "frmStartschermViewRvl frmFunctienamen", "");
        row("previous not loaded", "frmFunctienamen frmKenmerken", "frmKenmerken",
            "frmStartschermViewRvl frmKenmerken", "");
    }

    void vorigScherm() {
        QFETCH(QString, history);
        QFETCH(QString, current);
        QFETCH(QString, loaded);
        QFETCH(QString, expected);
        const QStringList forms = loaded.split(' ');
        const AppState s = withHistory(history, current);
        const QString got = previousScreenName(s, [&](const QString& name) {
            for (const QString& f : forms)
                if (sameName(f, name))
                    return true;
            return false;
        });
        QCOMPARE(got, expected);
    }

    void resolution_data() {
        QTest::addColumn<double>("dpiX");
        QTest::addColumn<double>("dpiY");
        QTest::addColumn<int>("twips");
        QTest::addColumn<bool>("standard");
        row("96 dpi", 96.0, 96.0, 15, true);
        row("120 dpi", 120.0, 120.0, 12, false);
        row("rounds to 15", 95.0, 97.0, 15, true);
        row("one direction off", 96.0, 120.0, 15, false);
        row("no dpi", 0.0, 0.0, 0, false);
    }

    void resolution() {
        QFETCH(double, dpiX);
        QFETCH(double, dpiY);
        QFETCH(int, twips);
        QFETCH(bool, standard);
        QCOMPARE(twipsPerPixel(dpiX), twips);
        QCOMPARE(isStandardResolution(dpiX, dpiY), standard);
    }

    void options_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<bool>("quit");
        QTest::addColumn<QString>("error");
        row("none", QStringList{"rvl92"}, "", false, "");
        row("map", QStringList{"rvl92", "--programmamap", "/opt/RVL 92"}, "/opt/RVL 92", false, "");
        row("map with =", QStringList{"rvl92", "--programmamap=/x"}, "/x", false, "");
        row("quit after start", QStringList{"rvl92", "--afsluiten-na-start"}, "", true, "");
        row("map without dir", QStringList{"rvl92", "--programmamap"}, "", false,
            "Bij --programmamap ontbreekt de map.");
        row("unknown", QStringList{"rvl92", "--x"}, "", false, "Onbekende optie: --x");
    }

    void options() {
        QFETCH(QStringList, args);
        QFETCH(QString, dir);
        QFETCH(bool, quit);
        QFETCH(QString, error);
        const StartOptions o = parseStartOptions(args);
        QCOMPARE(o.programDir, dir);
        QCOMPARE(o.quitAfterStart, quit);
        QCOMPARE(o.error, error);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
