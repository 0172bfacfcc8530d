// The job-title search: the query built from the typed text, and the key
// rules of the search box and the grid.
#include "screens/search/searchtext.h"
#include "support/datarow.h"

#include <QTest>

using namespace rvl92::search;

class TestSearchText : public QObject {
    Q_OBJECT
private slots:
    void query_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("voorwaarde");
        row("one word", "bakker", "'%bakker%'");
        row("every blank a run", "brood  bakker ", "'%brood%%bakker%%'");
        row("% and _ stay wildcards", "100%_a", "'%100%_a%'");
        row("other wildcards literal", "#1*?[x]", "'%[#]1[*][?][[]x]%'");
        row("quote doubled", "chef d'équipe", "'%chef%d''équipe%'");
        row("injection is text", "x' or ''='", "'%x''%or%''''=''%'");
    }

    void query() {
        QFETCH(QString, tekst);
        QFETCH(QString, voorwaarde);
        QCOMPARE(jobTitleQuery(tekst),
                 "select RVL92, functienaam, beroep  from functienamen where  functienaam Like " +
                     voorwaarde);
    }

    void zoekvak_data() {
        QTest::addColumn<int>("toets");
        QTest::addColumn<bool>("vakLeeg");
        QTest::addColumn<bool>("zoekenAan");
        QTest::addColumn<bool>("zoeken");
        QTest::addColumn<bool>("knoppenAan");
        row("letter", int('a'), true, true, false, true);
        row("sign between Z and a", int('['), true, false, false, true);
        row("blank in empty box", 32, true, true, false, false);
        row("blank after text", 32, false, false, false, true);
        row("backspace", 8, false, false, false, true);
        row("Enter, Zoeken enabled", 13, false, true, true, true);
        row("Enter, Zoeken disabled", 13, false, false, false, true);
        row("accented letter", 0xe9, true, false, false, false);
        row("hyphen", int('-'), false, true, false, false);
        row("brace", int('{'), false, true, false, false);
    }

    void zoekvak() {
        QFETCH(int, toets);
        QFETCH(bool, vakLeeg);
        QFETCH(bool, zoekenAan);
        const KeyResult g = searchBoxKey(toets, vakLeeg, zoekenAan);
        QTEST(g.runSearch, "zoeken");
        QTEST(g.enableButtons, "knoppenAan");
    }

    void grid_data() {
        QTest::addColumn<int>("toets");
        QTest::addColumn<QString>("voor");
        QTest::addColumn<bool>("zoekenAan");
        QTest::addColumn<QString>("na");
        QTest::addColumn<bool>("zoeken");
        QTest::addColumn<bool>("knoppenAan");
        row("letter appended", int('k'), "bak", false, "bakk", false, true);
        row("backspace", 8, "bak", false, "ba", false, true);
        row("blank appended", 32, "bak", false, "bak ", false, true);
        row("blank on empty: nothing", 32, "", true, "", false, false);
        row("Enter searches", 13, "bak", true, "bak", true, true);
        row("Enter, Zoeken disabled", 13, "bak", false, "bak", false, true);
        row("other key ignored", int('*'), "bak", true, "bak", false, false);
    }

    void grid() {
        QFETCH(int, toets);
        QFETCH(QString, voor);
        QFETCH(bool, zoekenAan);
        const GridKeyResult g = gridKey(toets, voor, zoekenAan);
        QTEST(g.text, "na");
        QTEST(g.runSearch, "zoeken");
        QTEST(g.enableButtons, "knoppenAan");
    }
};

QTEST_GUILESS_MAIN(TestSearchText)
#include "tst_searchtext.moc"
