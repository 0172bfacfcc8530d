// The find index must give exactly the rows of a plain scan.
#include "data/database.h"
#include "data/recordset.h"
#include "support/datarow.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace rvl92;

namespace {

const QString DemoDb = QStringLiteral(RVL92_TREE_DIR "/Programmabestanden/RVL92.MDB");

// Finds the same from row `start` with the index and with a plain scan: empty
// when both stop on the same row, else what each found. Counts the index's hits.
QString disagreement(Recordset& indexed, Recordset& plain, const FindCriterion& criterion,
                     int start, int skip, int* found) {
    indexed.setAbsolutePosition(start);
    plain.setAbsolutePosition(start);
    const bool a = indexed.find(criterion, skip);
    const bool b = plain.find(criterion, skip);
    *found += a;
    if (a == b && indexed.absolutePosition() == plain.absolutePosition())
        return {};
    return QStringLiteral("key '%1' from %2: index %3, scan %4")
        .arg(criterion.value)
        .arg(start)
        .arg(indexed.absolutePosition())
        .arg(plain.absolutePosition());
}

} // namespace

class TestPrefixIndex : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        DbError err;
        QVERIFY2(m_db.open(DemoDb, &err), qPrintable(err.description));
        Recordset rs;
        QVERIFY(rs.open(" select RVL92, Functienaam, beroep, id from functienamen", m_db, &err));
        QVERIFY(rs.recordCount() >= Recordset::IndexThreshold);
        for (int r = 0; r < rs.recordCount(); ++r) {
            m_codes << rs.valueAt(r, 0).value_or(QString());
            m_titles << rs.valueAt(r, 1).value_or(QString());
        }
    }

    void sameRowsAsScan_data() {
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("equals");
        QTest::addColumn<int>("count");
        // Titles in table order are nearly sorted (the index merges their runs);
        // codes, and titles in any other order, are sorted outright.
        row("title prefix", "", 1, false, 10000);
        row("title equals", "", 1, true, 10000);
        row("code equals", "", 0, true, 10000);
        row("code prefix", "", 0, false, 10000);
        row("titles reversed", " order by Functienaam desc", 1, false, 2000);
        row("titles shuffled", " order by id", 1, false, 2000);
        row("codes sorted", " order by RVL92, id", 0, true, 2000);
    }

    void sameRowsAsScan() {
        QFETCH(QString, order);
        QFETCH(int, column);
        QFETCH(bool, equals);
        QFETCH(int, count);
        const QStringList& values = column == 0 ? m_codes : m_titles;
        QRandomGenerator rng(1992);

        // 10,000 keys: prefixes of stored values in other letter case, whole
        // values, typed characters with a meaning elsewhere, and keys that match
        // nothing.
        QStringList keys;
        const QStringList odd{"'", "%",   "*", "#", "[", "_", "?",  "É", "é",  "ë",
                              "z", "zzz", " ", "-", "(", "3", "c#", "0", "99", "1"};
        keys << odd;
        while (keys.size() < count) {
            const QString& v = values[rng.bounded(int(values.size()))];
            if (v.isEmpty())
                continue;
            QString k = equals ? v : v.left(1 + rng.bounded(qMin<int>(8, int(v.size()))));
            switch (rng.bounded(4)) {
            case 0:
                k = k.toUpper();
                break;
            case 1:
                k = k.toLower();
                break;
            case 2:
                k += QChar(u'x'); // usually matches nothing
                break;
            default:
                break;
            }
            keys << k;
        }

        DbError err;
        Recordset indexed, plain;
        const QString sql = " select RVL92, Functienaam from functienamen" + order;
        QVERIFY(indexed.open(sql, m_db, &err));
        QVERIFY(plain.open(sql, m_db, &err));
        plain.setIndexingEnabled(false);
        const FindCriterion::Op op = equals ? FindCriterion::Op::Equals : FindCriterion::Op::Prefix;
        int found = 0;
        for (int i = 0; i < keys.size(); ++i) {
            // The first finds run while the index is being built (and scan);
            // from here on it is certainly ready.
            if (i == keys.size() / 10)
                indexed.waitForIndexes();
            // From the top (as the jump does), and from a random row with a skip.
            const int start = (i % 3 == 0) ? 1 + rng.bounded(indexed.recordCount()) : 1;
            const int skip = (i % 5 == 0) ? 1 : 0;
            const QString why =
                disagreement(indexed, plain, {column, op, keys[i]}, start, skip, &found);
            if (!why.isEmpty())
                QFAIL(qPrintable(why));
        }
        QVERIFY2(indexed.storageBytes() > plain.storageBytes(), "the index was never used");
        // The sample must exercise both outcomes.
        QVERIFY(found > count / 10);
        QVERIFY(found < keys.size());
    }

    void sameRowsAsScanOnAwkwardValues_data() {
        QTest::addColumn<bool>("equals");
        row("prefix", false);
        row("equals", true);
    }

    // Values that share their first eight bytes, are shorter than that, hold a
    // NUL byte, differ only after an accent, or fold to each other from
    // different bytes (the long s, the Kelvin sign), stored in random order and
    // case, with NULLs between them.
    void sameRowsAsScanOnAwkwardValues() {
        QFETCH(bool, equals);
        const QString nul(QChar(0));
        const QStringList values{"",
                                 "a",
                                 "ab",
                                 "ab" + nul,
                                 "ab" + nul + "c",
                                 "abcdefgh",
                                 "abcdefgh" + nul,
                                 "abcdefghi",
                                 "abcdefghij",
                                 "abcdefg\u00e9",
                                 "abcdefg\u00e9a",
                                 "abcdefgz",
                                 "\u00e9",
                                 "\u00e9a",
                                 "\u00ff",
                                 "sa",
                                 "\u017fa",
                                 "\u212a\u00e9",
                                 "k\u00e9",
                                 "zzzzzzzzzz1",
                                 "zzzzzzzzzz2",
                                 "zzzzzzzzzz"};
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("awkward.db");
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(file.toUtf8().constData(), &raw), SQLITE_OK);
        sqlite3_exec(raw, "create table t (v text); begin", nullptr, nullptr, nullptr);
        sqlite3_stmt* ins = nullptr;
        sqlite3_prepare_v2(raw, "insert into t values (?)", -1, &ins, nullptr);
        QRandomGenerator rng(92);
        const int rows = Recordset::IndexThreshold + 1000;
        for (int r = 0; r < rows; ++r) {
            const int pick = int(rng.bounded(int(values.size()) + 1));
            if (pick == values.size()) {
                sqlite3_bind_null(ins, 1);
            } else {
                QString v = values[pick];
                v = rng.bounded(3) == 0 ? v.toUpper() : rng.bounded(2) ? v : v.toLower();
                const QByteArray utf8 = v.toUtf8();
                sqlite3_bind_text(ins, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            }
            QCOMPARE(sqlite3_step(ins), SQLITE_DONE);
            sqlite3_reset(ins);
        }
        sqlite3_finalize(ins);
        sqlite3_exec(raw, "commit", nullptr, nullptr, nullptr);
        sqlite3_close(raw);

        // Every prefix of every value in both cases, and each with one more letter.
        QStringList keys;
        for (const QString& v : values)
            for (qsizetype n = 1; n <= v.size(); ++n)
                keys << v.left(n) << v.left(n).toUpper() << v.left(n) + "x";

        Database db;
        DbError err;
        QVERIFY(db.open(file, &err));
        Recordset indexed, plain;
        QVERIFY(indexed.open("select v from t", db, &err));
        QVERIFY(plain.open("select v from t", db, &err));
        plain.setIndexingEnabled(false);
        const FindCriterion::Op op = equals ? FindCriterion::Op::Equals : FindCriterion::Op::Prefix;
        indexed.find({0, op, keys.front()});
        indexed.waitForIndexes();
        QVERIFY(indexed.storageBytes() > plain.storageBytes());
        int found = 0;
        for (int round = 0; round < 4; ++round) {
            for (const QString& key : keys) {
                const int start = round == 0 ? 1 : 1 + int(rng.bounded(rows));
                const QString why =
                    disagreement(indexed, plain, {0, op, key}, start, round % 2, &found);
                if (!why.isEmpty())
                    QFAIL(qPrintable(why));
            }
        }
        QVERIFY(found > keys.size());
    }

    // Closing or reopening a result while an index of it is being built waits
    // for the builder, which reads the old rows; the new rows get their own.
    void reopenWhileIndexIsBuilt() {
        DbError err;
        Recordset rs, plain;
        const QString titles = " select RVL92, Functienaam from functienamen";
        const QString reversed = titles + " order by Functienaam desc";
        QVERIFY(plain.open(reversed, m_db, &err));
        plain.setIndexingEnabled(false);
        for (int i = 0; i < 20; ++i) {
            QVERIFY(rs.open(i % 2 ? titles : reversed, m_db, &err));
            rs.find({1, FindCriterion::Op::Prefix, QStringLiteral("b")});
            if (i % 3 == 0)
                rs.close();
        }
        QVERIFY(rs.open(reversed, m_db, &err));
        rs.find({1, FindCriterion::Op::Prefix, QStringLiteral("b")});
        rs.waitForIndexes();
        int found = 0;
        for (const char* key : {"b", "ma", "z", "qq"})
            QCOMPARE(disagreement(rs, plain, {1, FindCriterion::Op::Prefix, key}, 1, 0, &found),
                     QString());
    }

private:
    Database m_db;
    QStringList m_titles;
    QStringList m_codes;
};

QTEST_GUILESS_MAIN(TestPrefixIndex)
#include "tst_prefixindex.moc"
