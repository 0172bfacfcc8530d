#include "data/jetlike.h"

#include <QRandomGenerator>
#include <QTest>

#include <sqlite3.h>

using namespace rvl92;

class TestJetLike : public QObject {
    Q_OBJECT
private slots:
    void matches_data();
    void matches();
    void escapeMakesLiteral_data();
    void escapeMakesLiteral();
    void throughSql_data();
    void throughSql();
    void longTextsStayLinear();
    void agreesWithPlainBacktracking();
};

namespace {

// The operator defined the plain way, by trying every split: the reference
// for the matcher's shortcuts (greedy back-tracking, skipping to a literal,
// reading ASCII bytes undecoded).
struct RefToken {
    enum Kind { Literal, AnyRun, AnyOne, Digit, Set };
    Kind kind;
    char32_t ch; // Literal: folded
    QString set; // Set: members, small letters and digits
    bool negate;
};

RefToken token(RefToken::Kind kind, char32_t ch = 0, const QString& set = {}, bool negate = false) {
    return {kind, ch, set, negate};
}

bool refMatch(const std::vector<RefToken>& p, size_t ti, const std::u32string& s, size_t si) {
    if (ti == p.size())
        return si == s.size();
    const RefToken& t = p[ti];
    if (t.kind == RefToken::AnyRun) {
        for (size_t k = si; k <= s.size(); ++k)
            if (refMatch(p, ti + 1, s, k))
                return true;
        return false;
    }
    if (si == s.size())
        return false;
    const char32_t c = s[si];
    bool one = false;
    switch (t.kind) {
    case RefToken::Literal:
        one = c == t.ch;
        break;
    case RefToken::AnyOne:
        one = true;
        break;
    case RefToken::Digit:
        one = c >= U'0' && c <= U'9';
        break;
    case RefToken::Set: {
        bool in = false;
        for (qsizetype i = 0; i < t.set.size(); ++i) {
            if (i + 2 < t.set.size() && t.set[i + 1] == u'-') {
                in = in || (c >= t.set[i].unicode() && c <= t.set[i + 2].unicode());
                i += 2;
            } else {
                in = in || c == t.set[i].unicode();
            }
        }
        one = in != t.negate;
        break;
    }
    case RefToken::AnyRun:
        break;
    }
    return one && refMatch(p, ti + 1, s, si + 1);
}

} // namespace

void TestJetLike::matches_data() {
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

void TestJetLike::matches() {
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, expected);
    QCOMPARE(jetLike(text, pattern), expected);
    const QByteArray t = text.toUtf8();
    const QByteArray p = pattern.toUtf8();
    QCOMPARE(JetPattern(p.constData(), int(p.size())).matchesUtf8(t.constData(), int(t.size())),
             expected);
}

void TestJetLike::escapeMakesLiteral_data() {
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

void TestJetLike::escapeMakesLiteral() {
    QFETCH(QString, typed);
    QFETCH(QString, other);
    const QString escaped = JetPattern::escape(typed);
    QVERIFY(jetLike(typed, escaped));
    QVERIFY(jetLike(QStringLiteral("voor ") + typed + QStringLiteral(" na"),
                    QStringLiteral("%") + escaped + QStringLiteral("%")));
    QVERIFY(!jetLike(other, escaped));
}

void TestJetLike::throughSql_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("count");
    QTest::newRow("contains, any case") << "name Like '%BAK%'" << 2;
    QTest::newRow("digit wildcard") << "code Like '11#1#'" << 2;
    QTest::newRow("prefix star") << "name like 'é*'" << 1;
    QTest::newRow("accent capital") << "name LIKE 'ÉCOLE%'" << 1;
    QTest::newRow("null never matches") << "name like '%'" << 3;
    QTest::newRow("null is null, not false") << "NOT (name like 'x%')" << 3;
    QTest::newRow("null pattern") << "name like NULL" << 0;
    QTest::newRow("pattern of each row") << "name like name" << 3;
}

void TestJetLike::throughSql() {
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

void TestJetLike::longTextsStayLinear() {
    // A pathological pattern against a long text must finish (no exponential
    // backtracking): many runs, no match.
    const QString text(10000, QLatin1Char('a'));
    QVERIFY(!jetLike(text, QStringLiteral("%a%a%a%a%a%a%a%a%b")));
    QVERIFY(jetLike(text + QLatin1Char('b'), QStringLiteral("%a%a%a%a%a%a%a%a%b")));
}

void TestJetLike::agreesWithPlainBacktracking() {
    // Small alphabets, so that matches are common; letters that fold to
    // others (É, the long s, the Kelvin sign) and digits among them.
    const QString letters = QStringLiteral("aAbBsSc\u00e9\u00c9\u017f\u212ak 19-");
    const QStringList sets{"[ab]", "[!b]", "[a-c]", "[\u00e9s]", "[0-4]", "[!a-c]"};
    QRandomGenerator rng(1992);
    int matched = 0;
    const int cases = 30000;
    for (int n = 0; n < cases; ++n) {
        std::vector<RefToken> tokens;
        QString pattern;
        const int length = int(rng.bounded(7));
        for (int i = 0; i < length; ++i) {
            const int pick = int(rng.bounded(100));
            if (pick < 25) {
                pattern += rng.bounded(2) ? u'*' : u'%';
                tokens.push_back(token(RefToken::AnyRun));
            } else if (pick < 35) {
                pattern += rng.bounded(2) ? u'?' : u'_';
                tokens.push_back(token(RefToken::AnyOne));
            } else if (pick < 42) {
                pattern += u'#';
                tokens.push_back(token(RefToken::Digit));
            } else if (pick < 52) {
                const QString& set = sets[int(rng.bounded(int(sets.size())))];
                pattern += set;
                const bool negate = set[1] == u'!';
                tokens.push_back(
                    token(RefToken::Set, 0, set.mid(negate ? 2 : 1).chopped(1), negate));
            } else {
                const QChar c = letters[int(rng.bounded(int(letters.size())))];
                pattern += c;
                tokens.push_back(token(RefToken::Literal, foldCase(char32_t(c.unicode()))));
            }
        }
        QString text;
        const int textLength = int(rng.bounded(12));
        for (int i = 0; i < textLength; ++i)
            text += letters[int(rng.bounded(int(letters.size())))];
        std::u32string folded;
        foldUtf16(text, folded);

        const bool expected = refMatch(tokens, 0, folded, 0);
        const QByteArray utf8 = text.toUtf8();
        const JetPattern compiled(pattern);
        if (compiled.matches(text) != expected ||
            compiled.matchesUtf8(utf8.constData(), int(utf8.size())) != expected)
            QFAIL(qPrintable(QStringLiteral("'%1' Like '%2' should be %3")
                                 .arg(text, pattern, expected ? "true" : "false")));
        matched += expected;
    }
    // Both answers must be common, or the comparison proves little.
    QVERIFY(matched > cases / 20);
    QVERIFY(matched < cases - cases / 20);
}

QTEST_GUILESS_MAIN(TestJetLike)
#include "tst_jetlike.moc"
