#include "data/jetlike.h"
#include "support/datarow.h"

#include <QRandomGenerator>
#include <QTest>

#include <sqlite3.h>

using namespace rvl92;

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

class TestJetLike : public QObject {
    Q_OBJECT
private slots:
    void matches_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("expected");

        // Literals, runs, single characters, digits and sets as such are compared
        // with the plain definition below; these rows hold what that does not
        // reach. Case: the plain definition folds with the matcher's own folding.
        row("ascii case", "BAKKER", "bak%", true);
        row("accented capital", "École", "éc%", true);
        row("accented small pattern capital", "écoleur", "ÉCOLEUR", true);
        row("accent is not plain letter", "école", "ecole", false);
        row("greek case", "ΣΟΦΙΑ", "σοφια", true);
        // Brackets around a wildcard, or unclosed, or empty
        row("bracketed wildcard literal", "100%", "100[%]", true);
        row("bracketed wildcard no run", "1000", "100[%]", false);
        row("unclosed bracket is literal", "a[b", "a[b", true);
        row("empty brackets literal", "[]", "[]", true);
        // Text beyond the BMP and apostrophes need no special handling.
        row("emoji", "kok 🍳", "kok _", true);
        row("apostrophe", "chef d'équipe", "%d'é%", true);
    }

    void matches() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, expected);
        QCOMPARE(jetLike(text, pattern), expected);
        const QByteArray t = text.toUtf8();
        const QByteArray p = pattern.toUtf8();
        QCOMPARE(JetPattern(p.constData(), int(p.size())).matchesUtf8(t.constData(), int(t.size())),
                 expected);
    }

    void escapeMakesLiteral_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("other"); // a text the raw pattern would match, the escaped not
        row("percent", "50%", "50 procent");
        row("star", "a*b", "axxb");
        row("underscore", "a_b", "axb");
        row("question", "a?b", "axb");
        row("hash", "nr#", "nr1");
        row("bracket", "[ab]", "a");
    }

    void escapeMakesLiteral() {
        QFETCH(QString, typed);
        QFETCH(QString, other);
        const QString escaped = JetPattern::escape(typed);
        QVERIFY(jetLike(typed, escaped));
        QVERIFY(jetLike(QStringLiteral("voor ") + typed + QStringLiteral(" na"),
                        QStringLiteral("%") + escaped + QStringLiteral("%")));
        QVERIFY(!jetLike(other, escaped));
    }

    void throughSql_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("count");
        // The matching itself is checked above; here the text and the pattern
        // must arrive in their places, in any spelling of the operator.
        row("digit wildcard", "code Like '11#1#'", 2);
        row("accent capital", "name LIKE 'ÉCOLE%'", 1);
        row("null never matches", "name like '%'", 3);
        row("null is null, not false", "NOT (name like 'x%')", 3);
        row("null pattern", "name like NULL", 0);
        row("pattern of each row", "name like name", 3);
    }

    void throughSql() {
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

    void longTextsStayLinear() {
        // A pathological pattern against a long text must finish (no exponential
        // backtracking): many runs, no match.
        const QString text(10000, QLatin1Char('a'));
        QVERIFY(!jetLike(text, QStringLiteral("%a%a%a%a%a%a%a%a%b")));
        QVERIFY(jetLike(text + QLatin1Char('b'), QStringLiteral("%a%a%a%a%a%a%a%a%b")));
    }

    void agreesWithPlainBacktracking() {
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
};

QTEST_GUILESS_MAIN(TestJetLike)
#include "tst_jetlike.moc"
