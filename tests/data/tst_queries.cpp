// The screens' SQL texts run unchanged, spacing and letter case included,
// against the demo database, and give what an independent query says.
#include "data/database.h"
#include "data/recordset.h"

#include "support/fixturedb.h"

#include <QTest>

#include <sqlite3.h>

using namespace rvl92;

namespace {

const QString DemoDb = QStringLiteral(RVL92_TREE_DIR "/Programmabestanden/RVL92.MDB");

// Counts rows with the raw API and SQLite's own operators (no Jet Like).
int rawCount(const QString& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(DemoDb.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    int n = -1;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return n;
}

} // namespace

class TestQueries : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void screenQueries_data();
    void screenQueries();
    void characteristicsInTableOrder();

private:
    Database m_db;
    QString m_code; // an occupation with job titles
};

void TestQueries::initTestCase() {
    DbError err;
    QVERIFY2(m_db.open(DemoDb, &err), qPrintable(err.description));
    Recordset rs;
    QVERIFY(rs.open("select RVL92 from functienamen", m_db, &err));
    QVERIFY(rs.recordCount() > 1000);
    m_code = rs.text(0);
    QCOMPARE(m_code.size(), 5);
}

void TestQueries::screenQueries_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("rawCountSql");
    QTest::addColumn<int>("columns");
    const QString c = QStringLiteral("%1"); // replaced by the code in the test
    QTest::newRow("job-title overview")
        << " select RVL92, Functienaam, beroep, id from functienamen"
        << "select count(*) from functienamen" << 4;
    QTest::newRow("occupation overview") << "SELECT RVL92, beroep FROM RVL order by RVL92"
                                         << "select count(*) from RVL" << 2;
    QTest::newRow("job titles of an occupation")
        << QString("SELECT RVL92,Functienaam,beroep FROM "
                   "Functienamen where RVL92 = '" +
                   c + "'")
        << "select count(*) from functienamen where RVL92 = '%1'" << 3;
    QTest::newRow("characteristics") << QString(" Select RVL.* from RVL where RVL92 = '" + c + "'")
                                     << "select count(*) from RVL where RVL92 = '%1'" << 34;
    QTest::newRow("job-title search")
        << QString("select RVL92, functienaam, beroep "
                   " from functienamen where "
                   " functienaam Like '%"
                   "er%"
                   "ker"
                   "%'")
        << "select count(*) from functienamen where functienaam like '%er%ker%'" << 3;
    QTest::newRow("code search")
        << QString("select RVL92, functienaam, beroep "
                   " from functienamen where "
                   " RVL92 Like '"
                   "1##1#"
                   "'")
        << "select count(*) from functienamen where RVL92 glob '1[0-9][0-9]1[0-9]'" << 3;
    QTest::newRow("characteristic search")
        << QString("select RVL92, werksoortCode1, werksoort1, werksoortCode2,"
                   "  werksoort2, werksoortCode3, werksoort3, beroep "
                   " from RVL where "
                   " (WerksoortCode1 = '101' OR WerksoortCode2 = '101' OR WerksoortCode3 = "
                   "'101')")
        << "select count(*) from RVL where '101' in (WerksoortCode1, WerksoortCode2, "
           "WerksoortCode3)"
        << 8;
    QTest::newRow("levels") << " select NiveauTotaal from BekwaamhedenNiveau"
                            << "select count(*) from BekwaamhedenNiveau" << 1;
    QTest::newRow("directions") << " select richting from richtingen"
                                << "select count(*) from richtingen" << 1;
    QTest::newRow("skills") << " select Vaardigheden from Vaardigheden"
                            << "select count(*) from Vaardigheden" << 1;
    QTest::newRow("work types") << " select Werksoorten from Werksoorten"
                                << "select count(*) from Werksoorten" << 1;
    QTest::newRow("job titles export")
        << QString("select RVL.RVL92,RVL.beroepsgroepcode, "
                   " functienamen.functienaam from RVL left join functienamen on "
                   " functienamen.RVL92 = RVL.RVL92 where RVL.RVL92 = '" +
                   c + "'")
        << "select count(*) from functienamen where RVL92 = '%1'" << 3;
}

void TestQueries::screenQueries() {
    QFETCH(QString, sql);
    QFETCH(QString, rawCountSql);
    QFETCH(int, columns);
    if (sql.contains("%1"))
        sql = sql.arg(m_code);
    if (rawCountSql.contains("%1"))
        rawCountSql = rawCountSql.arg(m_code);
    Recordset rs;
    DbError err;
    QVERIFY2(rs.open(sql, m_db, &err), qPrintable(err.description));
    QCOMPARE(rs.fieldCount(), columns);
    const int expected = rawCount(rawCountSql);
    QVERIFY(expected > 0);
    QCOMPARE(rs.recordCount(), expected);
}

void TestQueries::characteristicsInTableOrder() {
    Recordset rs;
    DbError err;
    QVERIFY(rs.open(" Select RVL.* from RVL where RVL92 = '" + m_code + "'", m_db, &err));
    const QStringList expected = testdb::rvlColumns();
    QCOMPARE(rs.fieldCount(), 34);
    for (int i = 0; i < 34; ++i)
        QCOMPARE(rs.fieldName(i), expected[i]);
    QCOMPARE(rs.text(0), m_code);
}

QTEST_GUILESS_MAIN(TestQueries)
#include "tst_queries.moc"
