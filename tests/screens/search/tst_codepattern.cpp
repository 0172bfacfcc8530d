// The code search: the key table of the five code boxes, and the faster form
// of the query that must give exactly the written query's rows.
#include "screens/search/codepattern.h"

#include "data/database.h"
#include "support/datarow.h"
#include "support/fixturedb.h"

#include <QTemporaryDir>
#include <QTest>

using namespace rvl92::search;
using rvl92::CodeBoxCount;
using rvl92::CodeBoxes;

namespace {

// Five boxes written as five characters: "." an empty box, "_" a blank.
CodeBoxes vakken(const QString& s) {
    CodeBoxes v;
    for (int i = 0; i < CodeBoxCount; ++i)
        v[i] = s[i] == u'.' ? QString() : s[i] == u'_' ? QStringLiteral(" ") : QString(s[i]);
    return v;
}

// Job titles in an order unlike their codes', with codes that only nearly fit:
// too short or long, the character after "9", a letter or a wide digit in
// front, NULL, empty, a quote.
const char* const Titels = R"(INSERT INTO functienamen VALUES
 ('34123','Metselaar','b',1), ('35000','Timmerman','b',2), ('34000','Aannemer','b',3),
 ('3499','Te kort','b',4), ('349999','Te lang','b',5), ('34123','Betonvlechter','b',6),
 ('39999','Loodgieter','b',7), ('3:000','Na de negen','b',8), ('33999','Stukadoor','b',9),
 ('51201','Kok','b',10), (NULL,'Zonder code','b',11), ('','Lege code','b',12),
 ('1''234','Aanhalingsteken','b',13), ('x4123','Letter','b',14), ('３4123','Breed','b',15),
 ('34999','Glazenwasser','b',16), ('51201','Afwasser','b',17), ('5120','Kort','b',18),
 ('39000','Zetter','b',19);)";

const QStringList Patronen{"#####", "3####", "34###", "39###",     "3499#", "51201",
                           "#4###", "##1#2", "3?###", "3[4-5]###", "34*",   "5*",
                           "1'###", "99999", "",      "x####"};

// Every cell of every row, in order; NULL as "<NULL>".
QStringList rijen(const QString& sql, rvl92::Recordset::Order volgorde, const rvl92::Database& db) {
    rvl92::Recordset rs;
    rvl92::DbError err;
    if (!rs.open(sql, db, &err, volgorde))
        return {QStringLiteral("fout: ") + err.description};
    QStringList out;
    for (int r = 0; r < rs.recordCount(); ++r)
        for (int c = 0; c < rs.fieldCount(); ++c)
            out << rs.valueAt(r, c).value_or(QStringLiteral("<NULL>"));
    return out << rs.fieldName(0) + rs.fieldName(1) + rs.fieldName(2);
}

bool schrijf(const QString& file, const QString& schema, const QString& daarna = {}) {
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(file.toUtf8().constData(), &db) == SQLITE_OK &&
                    testdb::exec(db, schema) && testdb::exec(db, Titels) &&
                    (daarna.isEmpty() || testdb::exec(db, daarna));
    sqlite3_close(db);
    return ok;
}

QString plan(const rvl92::Database& db, const QString& sql) {
    sqlite3_stmt* st = nullptr;
    QString out;
    sqlite3_prepare_v2(db.handle(), ("EXPLAIN QUERY PLAN " + sql).toUtf8().constData(), -1, &st,
                       nullptr);
    while (st && sqlite3_step(st) == SQLITE_ROW)
        out += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3))) + ';';
    sqlite3_finalize(st);
    return out;
}

QString tekst(const CodeBoxes& v) {
    QString s;
    for (const QString& x : v)
        s += x.isEmpty() ? QStringLiteral(".") : x == QStringLiteral(" ") ? QStringLiteral("_") : x;
    return s;
}

} // namespace

class TestCodePattern : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(schrijf(m_dir.filePath(QStringLiteral("index.db")),
                        "CREATE TABLE functienamen (RVL92 TEXT, Functienaam TEXT, beroep TEXT, "
                        "id INTEGER); CREATE INDEX f_rvl92 ON functienamen (RVL92);"));
    }

    void toetsen_data() {
        QTest::addColumn<QString>("voor");
        QTest::addColumn<int>("vak");
        QTest::addColumn<int>("toets");
        QTest::addColumn<QString>("na");
        QTest::addColumn<int>("focus");
        QTest::addColumn<bool>("knoppen");
        row("digit, first box", ".....", 0, int('3'), "3....", 1, true);
        row("digit replaces", "129..", 2, int('5'), "125..", 3, true);
        row("digit, last box: focus stays", "1234.", 4, int('9'), "12349", 4, true);
        row("blank is any digit", ".....", 0, 32, "#....", 1, true);
        row("backspace, first box", "1....", 0, 8, ".....", 0, true);
        row("backspace, middle: previous emptied", "123..", 2, 8, "1.3..", 1, false);
        row("backspace, last box filled", "12345", 4, 8, "1234.", 4, false);
        row("backspace, last box empty", "1234.", 4, 8, "123..", 3, false);
        row("Enter, first box", "1....", 0, 13, "1....", 1, true);
        row("Enter elsewhere: other key", "123..", 2, 13, "12_..", 2, false);
        row("letter, first box", ".....", 0, int('a'), "_....", 0, true);
        row("quote, middle box", "1....", 1, int('\''), "1_...", 1, false);
        row("letter, last box", ".....", 4, int('a'), "...._", 4, true);
    }

    void toetsen() {
        QFETCH(QString, voor);
        QFETCH(int, vak);
        QFETCH(int, toets);
        const CodeKeyResult g = codeBoxKey(vakken(voor), vak, toets);
        QTEST(tekst(g.boxes), "na");
        QTEST(g.focus, "focus");
        QTEST(g.enableButtons, "knoppen");
    }

    void snelleVormGeeftDezelfdeRijen_data() {
        QTest::addColumn<QString>("patroon");
        for (const QString& p : Patronen)
            row(qPrintable(p.isEmpty() ? QStringLiteral("(leeg)") : p), p);
    }

    // On a table with an index on the code, a pattern with fixed leading digits is
    // read through a range; the rows and their table order stay the written ones.
    void snelleVormGeeftDezelfdeRijen() {
        QFETCH(QString, patroon);
        const QString file = m_dir.filePath(QStringLiteral("index.db"));
        rvl92::Database db;
        rvl92::DbError err;
        QVERIFY2(db.open(file, &err), qPrintable(err.description));
        QVERIFY(db.hasTextIndex("functienamen", "RVL92"));

        const QueryPlan snel = codeSearchPlan(patroon, true);
        QCOMPARE(snel.sql != codeSearchQuery(patroon), !fixedLeadingDigits(patroon).isEmpty());
        QCOMPARE(rijen(snel.sql, snel.order, db),
                 rijen(codeSearchQuery(patroon), rvl92::Recordset::Order::AsReturned, db));
        if (snel.sql != codeSearchQuery(patroon)) {
            const QString p = plan(db, snel.sql);
            QVERIFY2(p.contains("INDEX f_rvl92") && !p.contains("SCAN") && !p.contains("TEMP"),
                     qPrintable(p));
        }
    }

    void indexAlleenWaarHijAllesVindt_data() {
        QTest::addColumn<QString>("schema");
        QTest::addColumn<QString>("daarna"); // run after the job titles are in
        QTest::addColumn<bool>("index");
        const QString tabel = "CREATE TABLE functienamen (RVL92 %1, Functienaam TEXT, beroep TEXT, "
                              "id INTEGER%2);";
        const QString index = "CREATE INDEX f_rvl92 ON functienamen (RVL92);";
        row("text", tabel.arg("TEXT", "") + index, "", true);
        row("varchar, index in other case",
            tabel.arg("VARCHAR(5)", "") + "CREATE INDEX i ON functienamen (rvl92);", "", true);
        row("integer primary key", tabel.arg("TEXT", " PRIMARY KEY") + index, "", true);
        row("no index", tabel.arg("TEXT", ""), "", false);
        // Without text affinity a number stays a number: Like reads it as text,
        // a range of text never holds it.
        row("no type, a number stored", tabel.arg("", "") + index,
            "INSERT INTO functienamen VALUES (34567,'Getal','b',20);", false);
        row("a blob stored", tabel.arg("TEXT", "") + index,
            "INSERT INTO functienamen VALUES (x'3334353637','Blob','b',21);", false);
        row("nocase column", tabel.arg("TEXT COLLATE NOCASE", "") + index, "", false);
        row("nocase index",
            tabel.arg("TEXT", "") + "CREATE INDEX i ON functienamen (RVL92 COLLATE NOCASE);", "",
            false);
        row("partial index",
            tabel.arg("TEXT", "") + "CREATE INDEX i ON functienamen (RVL92) WHERE id > 0;", "",
            false);
        row("index led by another column",
            tabel.arg("TEXT", "") + "CREATE INDEX i ON functienamen (Functienaam, RVL92);", "",
            false);
        row("without rowid",
            tabel.arg("TEXT", " PRIMARY KEY").chopped(1) + " WITHOUT ROWID;" + index, "", false);
        row("a column named rowid",
            QString(tabel).replace(" id ", " rowid ").arg("TEXT", "") + index, "", false);
    }

    // The range is used only where it cannot miss a row; whichever form runs, the
    // rows are those of the written query.
    void indexAlleenWaarHijAllesVindt() {
        QFETCH(QString, schema);
        QFETCH(QString, daarna);
        QFETCH(bool, index);
        const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".db");
        QVERIFY(schrijf(file, schema, daarna));
        rvl92::Database db;
        rvl92::DbError err;
        QVERIFY2(db.open(file, &err), qPrintable(err.description));
        QCOMPARE(db.hasTextIndex("functienamen", "RVL92"), index);
        for (const QString& p : {QStringLiteral("34###"), QStringLiteral("#####")}) {
            const QueryPlan u = codeSearchPlan(p, index);
            QCOMPARE(rijen(u.sql, u.order, db),
                     rijen(codeSearchQuery(p), rvl92::Recordset::Order::AsReturned, db));
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCodePattern)
#include "tst_codepattern.moc"
