// The condition of the search on characteristics, character for character,
// and what it finds.
#include "data/database.h"
#include "data/recordset.h"
#include "screens/search/zoekstring.h"

#include "zoekdb.h"

#include <QTemporaryDir>
#include <QTest>

using namespace rvl92;
using namespace rvl92::zoeken;

namespace {
const QString Ws101 =
    QStringLiteral("(WerksoortCode1 = '101' OR WerksoortCode2 = '101' OR WerksoortCode3 = '101')");
const QString Vd012 = QStringLiteral(
    "(VaardighedenCode1 = '012' OR VaardighedenCode2 ='012' OR VaardighedenCode3 ='012' OR "
    "VaardighedenCode4 ='012' OR VaardighedenCode5 ='012' OR VaardighedenCode6 ='012' OR "
    "VaardighedenCode7 ='012')");
} // namespace

class TstZoekstring : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void zoekstring_data();
    void zoekstring();
    void query();
    void vindt_data();
    void vindt();

private:
    QTemporaryDir m_dir;
    Database m_db;
};

void TstZoekstring::initTestCase() {
    QVERIFY(zoekdb::schrijf(m_dir.path()));
    DbError err;
    QVERIFY(m_db.openProgramDatabase(m_dir.path(), &err));
}

void TstZoekstring::zoekstring_data() {
    QTest::addColumn<QStringList>("niveau");
    QTest::addColumn<QStringList>("richting");
    QTest::addColumn<QStringList>("werksoorten");
    QTest::addColumn<QStringList>("vaardigheden");
    QTest::addColumn<QString>("conditie");
    const QStringList geen;

    QTest::newRow("worked example")
        << QStringList{"3"} << QStringList{"07"} << QStringList{"101", "305"} << QStringList{"012"}
        << QString("NiveauBekwaamhedenCode = '3' AND HoofdrichtingCode = '07' AND (WerksoortCode1 "
                   "= '101' OR WerksoortCode2 = '101' OR WerksoortCode3 = '101') AND "
                   "(WerksoortCode2 = '305' OR WerksoortCode3 = '305') AND (VaardighedenCode1 = "
                   "'012' OR VaardighedenCode2 ='012' OR VaardighedenCode3 ='012' OR "
                   "VaardighedenCode4 ='012' OR VaardighedenCode5 ='012' OR VaardighedenCode6 "
                   "='012' OR VaardighedenCode7 ='012')");
    QTest::newRow("nothing chosen") << geen << geen << geen << geen << QString();
    QTest::newRow("lone work type: leading blank")
        << geen << geen << QStringList{"101"} << geen << " " + Ws101;
    QTest::newRow("lone main direction")
        << geen << QStringList{"07"} << geen << geen << QString(" HoofdrichtingCode = '07'");
    QTest::newRow("lone direction")
        << geen << QStringList{"071"} << geen << geen << QString(" RichtingCode = '071'");
    QTest::newRow("level and direction")
        << QStringList{"3 "} << QStringList{"071"} << geen << geen
        << QString("NiveauBekwaamhedenCode = '3' AND richtingCode = '071'");
    QTest::newRow("empty direction entry adds nothing")
        << QStringList{"2 "} << QStringList{""} << geen << geen
        << QString("NiveauBekwaamhedenCode = '2'");
    QTest::newRow("direction of another length adds nothing")
        << geen << QStringList{"0"} << geen << geen << QString();
    QTest::newRow("second work type: columns 2 and 3 only")
        << geen << geen << QStringList{"101", "305"} << geen
        << " " + Ws101 + " AND (WerksoortCode2 = '305' OR WerksoortCode3 = '305')";
    QTest::newRow("third work type: column 3 only")
        << geen << QStringList{"07"} << QStringList{"101", "204", "305"} << geen
        << " HoofdrichtingCode = '07' AND " + Ws101 +
               " AND (WerksoortCode2 = '204' OR WerksoortCode3 = '204')"
               " AND (WerksoortCode3 = '305')";
    QTest::newRow("lone skill") << geen << geen << geen << QStringList{"012"} << " " + Vd012;
    QTest::newRow("seven skills")
        << QStringList{"1 "} << geen << geen
        << QStringList{"011", "012", "013", "014", "015", "016", "017"}
        << QString("NiveauBekwaamhedenCode = '1' AND (VaardighedenCode1 = '011' OR "
                   "VaardighedenCode2 ='011' OR VaardighedenCode3 ='011' OR VaardighedenCode4 "
                   "='011' OR VaardighedenCode5 ='011' OR VaardighedenCode6 ='011' OR "
                   "VaardighedenCode7 ='011') AND (VaardighedenCode2 = '012' OR "
                   "VaardighedenCode3 ='012' OR VaardighedenCode4 ='012' OR VaardighedenCode5 "
                   "='012' OR VaardighedenCode6 ='012' OR VaardighedenCode7 ='012') AND "
                   "(VaardighedenCode3 = '013' OR VaardighedenCode4 ='013' OR VaardighedenCode5 "
                   "='013' OR VaardighedenCode6 ='013' OR VaardighedenCode7 ='013') AND "
                   "(VaardighedenCode4 = '014' OR VaardighedenCode5 ='014' OR VaardighedenCode6 "
                   "='014' OR VaardighedenCode7 ='014') AND (VaardighedenCode5 = '015' OR "
                   "VaardighedenCode6 ='015' OR VaardighedenCode7 ='015') AND "
                   "(VaardighedenCode6 = '016' OR VaardighedenCode7 ='016') AND "
                   "(VaardighedenCode7 = '017')");
    QTest::newRow("work type and skill") << geen << geen << QStringList{"101"} << QStringList{"012"}
                                         << " " + Ws101 + " AND " + Vd012;
    QTest::newRow("trailing blank of a code kept")
        << geen << geen << QStringList{"10 "} << geen
        << QString(" (WerksoortCode1 = '10 ' OR WerksoortCode2 = '10 ' OR WerksoortCode3 = "
                   "'10 ')");
    QTest::newRow("quote in a code doubled")
        << QStringList{"'"} << geen << geen << geen << QString("NiveauBekwaamhedenCode = ''''");
}

void TstZoekstring::zoekstring() {
    QFETCH(QStringList, niveau);
    QFETCH(QStringList, richting);
    QFETCH(QStringList, werksoorten);
    QFETCH(QStringList, vaardigheden);
    QTEST(VullenZoekstring(niveau, richting, werksoorten, vaardigheden), "conditie");
}

void TstZoekstring::query() {
    QCOMPARE(kenmerkZoekQuery(QStringLiteral(" RichtingCode = '071'")),
             QString("select RVL92, werksoortCode1, werksoort1, werksoortCode2,  werksoort2, "
                     "werksoortCode3, werksoort3, beroep  from RVL where  RichtingCode = '071'"));
    QCOMPARE(niveauQuery(), QString(" select NiveauTotaal from BekwaamhedenNiveau"));
    QCOMPARE(richtingQuery(), QString(" select richting from richtingen"));
    QCOMPARE(vaardighedenQuery(), QString(" select Vaardigheden from Vaardigheden"));
    QCOMPARE(werksoortenQuery(), QString(" select Werksoorten from Werksoorten"));
}

void TstZoekstring::vindt_data() {
    QTest::addColumn<QStringList>("niveau");
    QTest::addColumn<QStringList>("richting");
    QTest::addColumn<QStringList>("werksoorten");
    QTest::addColumn<QStringList>("vaardigheden");
    QTest::addColumn<QStringList>("codes");
    const QStringList geen;
    QTest::newRow("one work type in any column")
        << geen << geen << QStringList{"305"} << geen
        << QStringList{"11010", "22020", "33030", "44040", "55050"};
    // 55050 holds 305 only in column 1: as the second choice it is not found.
    QTest::newRow("second work type shifted")
        << geen << geen << QStringList{"101", "305"} << geen << QStringList{"11010", "33030"};
    QTest::newRow("level and main direction")
        << QStringList{"3 "} << QStringList{"07"} << geen << geen << QStringList{"33030"};
    QTest::newRow("direction and skill") << geen << QStringList{"011"} << geen << QStringList{"013"}
                                         << QStringList{"11010", "55050"};
    QTest::newRow("nothing matches")
        << QStringList{"2 "} << QStringList{"011"} << geen << geen << QStringList{};
}

void TstZoekstring::vindt() {
    QFETCH(QStringList, niveau);
    QFETCH(QStringList, richting);
    QFETCH(QStringList, werksoorten);
    QFETCH(QStringList, vaardigheden);
    Database& db = m_db;
    DbError err;
    Recordset rs;
    const QString sql =
        kenmerkZoekQuery(VullenZoekstring(niveau, richting, werksoorten, vaardigheden));
    QVERIFY2(rs.open(sql, db, &err), qPrintable(err.description));
    QStringList codes;
    for (int r = 0; r < rs.recordCount(); ++r)
        codes << rs.valueAt(r, 0).value_or(QString());
    QTEST(codes, "codes");
    QCOMPARE(rs.fieldCount(), 8);
}

QTEST_GUILESS_MAIN(TstZoekstring)
#include "tst_zoekstring.moc"
