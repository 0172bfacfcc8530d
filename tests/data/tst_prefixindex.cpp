// The find index must give exactly the rows of a plain scan.
#include "data/database.h"
#include "data/recordset.h"

#include <QRandomGenerator>
#include <QTest>

using namespace rvl92;

namespace {

const QString DemoDb = QStringLiteral(RVL92_TREE_DIR "/Programmabestanden/RVL92.MDB");

} // namespace

class TstPrefixIndex : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameRowsAsScan_data();
    void sameRowsAsScan();

private:
    Database m_db;
    QStringList m_titles;
    QStringList m_codes;
};

void TstPrefixIndex::initTestCase() {
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

void TstPrefixIndex::sameRowsAsScan_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("equals");
    QTest::newRow("title prefix") << 1 << false;
    QTest::newRow("title equals") << 1 << true;
    QTest::newRow("code equals") << 0 << true;
    QTest::newRow("code prefix") << 0 << false;
}

void TstPrefixIndex::sameRowsAsScan() {
    QFETCH(int, column);
    QFETCH(bool, equals);
    const QStringList& values = column == 0 ? m_codes : m_titles;
    QRandomGenerator rng(1992);

    // 10,000 keys: prefixes of stored values in other letter case, whole
    // values, typed characters with a meaning elsewhere, and keys that match
    // nothing.
    QStringList keys;
    const QStringList odd{"'", "%",   "*", "#", "[", "_", "?",  "É", "é",  "ë",
                          "z", "zzz", " ", "-", "(", "3", "c#", "0", "99", "1"};
    keys << odd;
    while (keys.size() < 10000) {
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
    QVERIFY(indexed.open(" select RVL92, Functienaam from functienamen", m_db, &err));
    QVERIFY(plain.open(" select RVL92, Functienaam from functienamen", m_db, &err));
    plain.setIndexingEnabled(false);
    const FindCriterion::Op op = equals ? FindCriterion::Op::Equals : FindCriterion::Op::Prefix;
    int found = 0;
    for (int i = 0; i < keys.size(); ++i) {
        // From the top (as the jump does), and from a random row with a skip.
        const int start = (i % 3 == 0) ? 1 + rng.bounded(indexed.recordCount()) : 1;
        const int skip = (i % 5 == 0) ? 1 : 0;
        indexed.setAbsolutePosition(start);
        plain.setAbsolutePosition(start);
        const bool a = indexed.find({column, op, keys[i]}, skip);
        const bool b = plain.find({column, op, keys[i]}, skip);
        if (a != b || indexed.absolutePosition() != plain.absolutePosition())
            QFAIL(qPrintable(QStringLiteral("key '%1' from %2: index %3, scan %4")
                                 .arg(keys[i])
                                 .arg(start)
                                 .arg(indexed.absolutePosition())
                                 .arg(plain.absolutePosition())));
        found += a;
    }
    // The sample must exercise both outcomes.
    QVERIFY(found > 1000);
    QVERIFY(found < keys.size());
}

QTEST_GUILESS_MAIN(TstPrefixIndex)
#include "tst_prefixindex.moc"
