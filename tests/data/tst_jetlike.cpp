#include "data/jetlike.h"

#include <QTest>

#include <sqlite3.h>

using namespace rvl92;

class TstJetLike : public QObject {
    Q_OBJECT
private slots:
    void matches_data();
    void matches();
    void escapeMakesLiteral_data();
    void escapeMakesLiteral();
    void throughSql_data();
    void throughSql();
    void longTextsStayLinear();
};

void TstJetLike::matches_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("expected");

    // Runs
    QTest::newRow("percent run") << "bakker"
                                 << "%kk%" << true;
    QTest::newRow("star run") << "bakker"
                              << "ba*" << true;
    QTest::newRow("run may be empty") << "bakker"
                                      << "bakker%" << true;
    QTest::newRow("run at start only") << "bakker"
                                       << "*kke" << false;
    QTest::newRow("several runs") << "hoofd bakkerij"
                                  << "h*d*j" << true;
    QTest::newRow("pattern only a run") << ""
                                        << "%" << true;
    QTest::newRow("empty pattern empty text") << ""
                                              << "" << true;
    QTest::newRow("empty pattern") << "a"
                                   << "" << false;
    QTest::newRow("backtracking") << "aaab"
                                  << "*ab" << true;
    QTest::newRow("backtracking fails") << "aaac"
                                        << "*ab" << false;
    // One character
    QTest::newRow("underscore one") << "kat"
                                    << "k_t" << true;
    QTest::newRow("question one") << "kat"
                                  << "k?t" << true;
    QTest::newRow("one is not zero") << "kt"
                                     << "k?t" << false;
    QTest::newRow("one is not two") << "kaat"
                                    << "k_t" << false;
    // Digits
    QTest::newRow("hash digit") << "11010"
                                << "1#0#0" << true;
    QTest::newRow("hash not letter") << "1a010"
                                     << "1#010" << false;
    QTest::newRow("five hashes") << "99999"
                                 << "#####" << true;
    QTest::newRow("four digits not five") << "1234"
                                          << "#####" << false;
    QTest::newRow("equality without wildcard") << "11010"
                                               << "11010" << true;
    QTest::newRow("shorter code never equal") << "11010"
                                              << "1101" << false;
    // Case
    QTest::newRow("ascii case") << "BAKKER"
                                << "bak%" << true;
    QTest::newRow("accented capital") << "École"
                                      << "éc%" << true;
    QTest::newRow("accented small pattern capital") << "écoleur"
                                                    << "ÉCOLEUR" << true;
    QTest::newRow("accent is not plain letter") << "école"
                                                << "ecole" << false;
    QTest::newRow("greek case") << "ΣΟΦΙΑ"
                                << "σοφια" << true;
    // Sets
    QTest::newRow("set") << "b"
                         << "[abc]" << true;
    QTest::newRow("set miss") << "d"
                              << "[abc]" << false;
    QTest::newRow("range") << "m"
                           << "[a-z]" << true;
    QTest::newRow("negated set") << "d"
                                 << "[!abc]" << true;
    QTest::newRow("negated set miss") << "a"
                                      << "[!abc]" << false;
    QTest::newRow("bracketed wildcard literal") << "100%"
                                                << "100[%]" << true;
    QTest::newRow("bracketed wildcard no run") << "1000"
                                               << "100[%]" << false;
    QTest::newRow("unclosed bracket is literal") << "a[b"
                                                 << "a[b" << true;
    QTest::newRow("empty brackets literal") << "[]"
                                            << "[]" << true;
    // Text beyond the BMP and apostrophes need no special handling.
    QTest::newRow("emoji") << "kok 🍳"
                           << "kok _" << true;
    QTest::newRow("apostrophe") << "chef d'équipe"
                                << "%d'é%" << true;
}

void TstJetLike::matches() {
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, expected);
    QCOMPARE(jetLike(text, pattern), expected);
    const QByteArray t = text.toUtf8();
    const QByteArray p = pattern.toUtf8();
    QCOMPARE(JetPattern(p.constData(), int(p.size())).matchesUtf8(t.constData(), int(t.size())),
             expected);
}

void TstJetLike::escapeMakesLiteral_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("other"); // a text the raw pattern would match, the escaped not
    QTest::newRow("percent") << "50%"
                             << "50 procent";
    QTest::newRow("star") << "a*b"
                          << "axxb";
    QTest::newRow("underscore") << "a_b"
                                << "axb";
    QTest::newRow("question") << "a?b"
                              << "axb";
    QTest::newRow("hash") << "nr#"
                          << "nr1";
    QTest::newRow("bracket") << "[ab]"
                             << "a";
}

void TstJetLike::escapeMakesLiteral() {
    QFETCH(QString, typed);
    QFETCH(QString, other);
    const QString escaped = JetPattern::escape(typed);
    QVERIFY(jetLike(typed, escaped));
    QVERIFY(jetLike(QStringLiteral("voor ") + typed + QStringLiteral(" na"),
                    QStringLiteral("%") + escaped + QStringLiteral("%")));
    QVERIFY(!jetLike(other, escaped));
}

void TstJetLike::throughSql_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("count");
    QTest::newRow("contains, any case") << "name Like '%BAK%'" << 2;
    QTest::newRow("digit wildcard") << "code Like '11#1#'" << 2;
    QTest::newRow("prefix star") << "name like 'é*'" << 1;
    QTest::newRow("accent capital") << "name LIKE 'ÉCOLE%'" << 1;
    QTest::newRow("null never matches") << "name like '%'" << 3;
}

void TstJetLike::throughSql() {
    QFETCH(QString, where);
    QFETCH(int, count);
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(":memory:", &db), SQLITE_OK);
    QCOMPARE(installJetLike(db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db,
                          "CREATE TABLE t(code TEXT, name TEXT);"
                          "INSERT INTO t VALUES('11010','Bakker'),('11210','Broodbakker'),"
                          "('22020','École'),('33030',NULL);",
                          nullptr, nullptr, nullptr),
             SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = ("SELECT count(*) FROM t WHERE " + where).toUtf8();
    QCOMPARE(sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr), SQLITE_OK);
    QCOMPARE(sqlite3_step(st), SQLITE_ROW);
    QCOMPARE(sqlite3_column_int(st, 0), count);
    sqlite3_finalize(st);
    sqlite3_close(db);
}

void TstJetLike::longTextsStayLinear() {
    // A pathological pattern against a long text must finish (no exponential
    // backtracking): many runs, no match.
    const QString text(10000, QLatin1Char('a'));
    QVERIFY(!jetLike(text, QStringLiteral("%a%a%a%a%a%a%a%a%b")));
    QVERIFY(jetLike(text + QLatin1Char('b'), QStringLiteral("%a%a%a%a%a%a%a%a%b")));
}

QTEST_GUILESS_MAIN(TstJetLike)
#include "tst_jetlike.moc"
