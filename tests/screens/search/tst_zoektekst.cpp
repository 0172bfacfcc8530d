// The job-title search: pattern and query text, and the key rules of the
// search box and the grid.
#include "data/database.h"
#include "data/recordset.h"
#include "screens/search/zoektekst.h"

#include "zoekdb.h"

#include <QTemporaryDir>
#include <QTest>

using namespace rvl92;
using namespace rvl92::zoeken;

class TstZoektekst : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void patroon_data();
    void patroon();
    void query();
    void zoektInDeDatabase_data();
    void zoektInDeDatabase();
    void zoekvak_data();
    void zoekvak();
    void grid_data();
    void grid();
    void langeNamen();

private:
    QTemporaryDir m_dir;
    Database m_db;
};

void TstZoektekst::initTestCase() {
    QVERIFY(zoekdb::schrijf(m_dir.path()));
    DbError err;
    QVERIFY(m_db.openProgramDatabase(m_dir.path(), &err));
}

void TstZoektekst::patroon_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("patroon");
    QTest::newRow("one word") << "bakker"
                              << "bakker";
    QTest::newRow("two words: anything between") << "chef bakker"
                                                 << "chef%bakker";
    QTest::newRow("every blank") << " a  b "
                                 << "%a%%b%";
    QTest::newRow("% and _ stay wildcards") << "100%_a"
                                            << "100%_a";
    QTest::newRow("other wildcards literal") << "#1*?"
                                             << "[#]1[*][?]";
    QTest::newRow("bracket literal") << "[ab]"
                                     << "[[]ab]";
    QTest::newRow("quote kept in the pattern") << "d'équipe"
                                               << "d'équipe";
}

void TstZoektekst::patroon() {
    QFETCH(QString, tekst);
    QFETCH(QString, patroon);
    QCOMPARE(zoekPatroon(tekst), patroon);
}

void TstZoektekst::query() {
    QCOMPARE(functieZoekQuery(u"brood bakker"),
             QString("select RVL92, functienaam, beroep  from functienamen where  functienaam "
                     "Like '%brood%bakker%'"));
    QCOMPARE(functieZoekQuery(u"chef d'équipe"),
             QString("select RVL92, functienaam, beroep  from functienamen where  functienaam "
                     "Like '%chef%d''équipe%'"));
    QCOMPARE(functieZoekQuery(u"'); drop table x; --"),
             QString("select RVL92, functienaam, beroep  from functienamen where  functienaam "
                     "Like '%'');%drop%table%x;%--%'"));
}

void TstZoektekst::zoektInDeDatabase_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("gevonden");
    QTest::newRow("case-insensitive")
        << "BAKKER" << QStringList{"Bakker", "Broodbakker", "Banketbakker"};
    QTest::newRow("quote") << "chef d'équipe" << QStringList{"Chef d'équipe"};
    QTest::newRow("words in order, anything between")
        << "chef quipe" << QStringList{"Chef d'équipe"};
    QTest::newRow("# is a hash, not a digit") << "#1" << QStringList{"100% inspecteur #1"};
    QTest::newRow("% any run") << "100%insp" << QStringList{"100% inspecteur #1"};
    QTest::newRow("_ one character") << "b_nket" << QStringList{"Banketbakker"};
    QTest::newRow("accented capital folded") << "écoleur" << QStringList{"Écoleur"};
    QTest::newRow("a quote alone breaks nothing") << "'" << QStringList{"Chef d'équipe"};
    QTest::newRow("injection attempt is just text") << "' or '1'='1" << QStringList{};
}

void TstZoektekst::zoektInDeDatabase() {
    QFETCH(QString, tekst);
    QFETCH(QStringList, gevonden);
    Database& db = m_db;
    DbError err;
    Recordset rs;
    QVERIFY2(rs.open(functieZoekQuery(tekst), db, &err), qPrintable(err.description));
    QStringList titels;
    for (int r = 0; r < rs.recordCount(); ++r)
        titels << rs.valueAt(r, 1).value_or(QString());
    QCOMPARE(titels, gevonden);
}

void TstZoektekst::zoekvak_data() {
    QTest::addColumn<int>("toets");
    QTest::addColumn<bool>("vakLeeg");
    QTest::addColumn<bool>("zoekenAan");
    QTest::addColumn<bool>("zoeken");
    QTest::addColumn<bool>("knoppenAan");
    QTest::newRow("letter") << int('a') << true << false << false << true;
    QTest::newRow("digit") << int('7') << false << false << false << true;
    QTest::newRow("parenthesis") << int('(') << true << false << false << true;
    QTest::newRow("sign between Z and a") << int('[') << true << false << false << true;
    QTest::newRow("blank in empty box") << 32 << true << true << false << false;
    QTest::newRow("blank after text") << 32 << false << false << false << true;
    QTest::newRow("backspace") << 8 << false << false << false << true;
    QTest::newRow("Enter, Zoeken enabled") << 13 << false << true << true << true;
    QTest::newRow("Enter, Zoeken disabled") << 13 << false << false << false << true;
    QTest::newRow("letter never searches") << int('a') << false << true << false << true;
    QTest::newRow("accented letter") << 0xe9 << true << false << false << false;
    QTest::newRow("hyphen") << int('-') << false << true << false << false;
    QTest::newRow("brace") << int('{') << false << true << false << false;
}

void TstZoektekst::zoekvak() {
    QFETCH(int, toets);
    QFETCH(bool, vakLeeg);
    QFETCH(bool, zoekenAan);
    const ToetsGevolg g = zoekvakToets(toets, vakLeeg, zoekenAan);
    QTEST(g.zoeken, "zoeken");
    QTEST(g.knoppenAan, "knoppenAan");
}

void TstZoektekst::grid_data() {
    QTest::addColumn<int>("toets");
    QTest::addColumn<QString>("voor");
    QTest::addColumn<bool>("zoekenAan");
    QTest::addColumn<QString>("na");
    QTest::addColumn<bool>("zoeken");
    QTest::addColumn<bool>("knoppenAan");
    QTest::newRow("letter appended") << int('k') << "bak" << false << "bakk" << false << true;
    QTest::newRow("backspace") << 8 << "bak" << false << "ba" << false << true;
    QTest::newRow("backspace on empty") << 8 << "" << false << "" << false << true;
    QTest::newRow("blank appended") << 32 << "bak" << false << "bak " << false << true;
    QTest::newRow("blank on empty: nothing") << 32 << "" << true << "" << false << false;
    QTest::newRow("Enter searches") << 13 << "bak" << true << "bak" << true << true;
    QTest::newRow("Enter, Zoeken disabled") << 13 << "bak" << false << "bak" << false << true;
    QTest::newRow("other key ignored") << int('*') << "bak" << true << "bak" << false << false;
}

void TstZoektekst::grid() {
    QFETCH(int, toets);
    QFETCH(QString, voor);
    QFETCH(bool, zoekenAan);
    const GridToetsGevolg g = gridToets(toets, voor, zoekenAan);
    QTEST(g.tekst, "na");
    QTEST(g.zoeken, "zoeken");
    QTEST(g.knoppenAan, "knoppenAan");
}

void TstZoektekst::langeNamen() {
    QVERIFY(!isLangeFunctienaam(QString(100, 'a')));
    QVERIFY(isLangeFunctienaam(QString(101, 'a')));
    QVERIFY(!isLangeBeroepsnaam(QString(90, u'é')));
    QVERIFY(isLangeBeroepsnaam(QString(91, 'a')));
}

QTEST_GUILESS_MAIN(TstZoektekst)
#include "tst_zoektekst.moc"
