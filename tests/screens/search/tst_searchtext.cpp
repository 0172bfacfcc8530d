// The job-title search: the query built from the typed text, and the key
// rules of the search box and the grid.
#include "screens/search/zoektekst.h"

#include <QTest>

using namespace rvl92::zoeken;

class TestSearchText : public QObject {
    Q_OBJECT
private slots:
    void query_data();
    void query();
    void zoekvak_data();
    void zoekvak();
    void grid_data();
    void grid();
};

void TestSearchText::query_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("voorwaarde");
    QTest::newRow("one word") << "bakker"
                              << "'%bakker%'";
    QTest::newRow("every blank a run") << "brood  bakker "
                                       << "'%brood%%bakker%%'";
    QTest::newRow("% and _ stay wildcards") << "100%_a"
                                            << "'%100%_a%'";
    QTest::newRow("other wildcards literal") << "#1*?[x]"
                                             << "'%[#]1[*][?][[]x]%'";
    QTest::newRow("quote doubled") << "chef d'équipe"
                                   << "'%chef%d''équipe%'";
    QTest::newRow("injection is text") << "x' or ''='"
                                       << "'%x''%or%''''=''%'";
}

void TestSearchText::query() {
    QFETCH(QString, tekst);
    QFETCH(QString, voorwaarde);
    QCOMPARE(functieZoekQuery(tekst),
             "select RVL92, functienaam, beroep  from functienamen where  functienaam Like " +
                 voorwaarde);
}

void TestSearchText::zoekvak_data() {
    QTest::addColumn<int>("toets");
    QTest::addColumn<bool>("vakLeeg");
    QTest::addColumn<bool>("zoekenAan");
    QTest::addColumn<bool>("zoeken");
    QTest::addColumn<bool>("knoppenAan");
    QTest::newRow("letter") << int('a') << true << true << false << true;
    QTest::newRow("sign between Z and a") << int('[') << true << false << false << true;
    QTest::newRow("blank in empty box") << 32 << true << true << false << false;
    QTest::newRow("blank after text") << 32 << false << false << false << true;
    QTest::newRow("backspace") << 8 << false << false << false << true;
    QTest::newRow("Enter, Zoeken enabled") << 13 << false << true << true << true;
    QTest::newRow("Enter, Zoeken disabled") << 13 << false << false << false << true;
    QTest::newRow("accented letter") << 0xe9 << true << false << false << false;
    QTest::newRow("hyphen") << int('-') << false << true << false << false;
    QTest::newRow("brace") << int('{') << false << true << false << false;
}

void TestSearchText::zoekvak() {
    QFETCH(int, toets);
    QFETCH(bool, vakLeeg);
    QFETCH(bool, zoekenAan);
    const ToetsGevolg g = zoekvakToets(toets, vakLeeg, zoekenAan);
    QTEST(g.zoeken, "zoeken");
    QTEST(g.knoppenAan, "knoppenAan");
}

void TestSearchText::grid_data() {
    QTest::addColumn<int>("toets");
    QTest::addColumn<QString>("voor");
    QTest::addColumn<bool>("zoekenAan");
    QTest::addColumn<QString>("na");
    QTest::addColumn<bool>("zoeken");
    QTest::addColumn<bool>("knoppenAan");
    QTest::newRow("letter appended") << int('k') << "bak" << false << "bakk" << false << true;
    QTest::newRow("backspace") << 8 << "bak" << false << "ba" << false << true;
    QTest::newRow("blank appended") << 32 << "bak" << false << "bak " << false << true;
    QTest::newRow("blank on empty: nothing") << 32 << "" << true << "" << false << false;
    QTest::newRow("Enter searches") << 13 << "bak" << true << "bak" << true << true;
    QTest::newRow("Enter, Zoeken disabled") << 13 << "bak" << false << "bak" << false << true;
    QTest::newRow("other key ignored") << int('*') << "bak" << true << "bak" << false << false;
}

void TestSearchText::grid() {
    QFETCH(int, toets);
    QFETCH(QString, voor);
    QFETCH(bool, zoekenAan);
    const GridToetsGevolg g = gridToets(toets, voor, zoekenAan);
    QTEST(g.tekst, "na");
    QTEST(g.zoeken, "zoeken");
    QTEST(g.knoppenAan, "knoppenAan");
}

QTEST_GUILESS_MAIN(TestSearchText)
#include "tst_searchtext.moc"
