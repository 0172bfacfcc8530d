#include "data/database.h"
#include "data/recordset.h"

#include "support/datafiles.h"
#include "support/datarow.h"
#include "support/fixturedb.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace rvl92;

class TestRecordset : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_db = m_dir.filePath("small.db");
        QVERIFY(testdb::writeSmall(m_db));
        DbError err;
        QVERIFY2(m_conn.open(m_db, &err), qPrintable(err.description));
    }

    void formatToldByContent_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("format");
        // SQLite, Jet, empty and missing files are told apart wherever the
        // program opens one; these are the signatures nothing else shows.
        QByteArray ace(4, '\0');
        ace += "Standard ACE DB";
        ace += QByteArray(40, '\0');
        row("ace", ace, int(Database::Format::Jet));
        row("text", QByteArray("Standard Jet DB at the start"), int(Database::Format::Unknown));
    }

    void formatToldByContent() {
        QFETCH(QByteArray, head);
        QFETCH(int, format);
        // The name says nothing: an SQLite file called .MDB, a Jet file called .db.
        const QString file =
            m_dir.filePath(QStringLiteral("fmt-%1.db").arg(QTest::currentDataTag()));
        QVERIFY(writeFile(file, head));
        QCOMPARE(int(Database::detectFormat(file)), format);
    }

    void opensFromReadOnlyFolderWithOddName() {
        // Blanks and an apostrophe in the path, a folder nobody may write to.
        const QString dir = m_dir.filePath("Program Files/RVL's map/Programmabestanden");
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(QFile::copy(m_db, dir + "/RVL92.MDB"));
        QFile::setPermissions(dir + "/RVL92.MDB", QFile::ReadOwner | QFile::ReadGroup);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        Database db;
        DbError err;
        const bool ok = db.openProgramDatabase(m_dir.filePath("Program Files/RVL's map"), &err);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(ok, qPrintable(err.description));
        Recordset rs;
        QVERIFY(rs.open("select count(*) from functienamen", db, &err));
        QCOMPARE(rs.text(0), QStringLiteral("9"));
        QCOMPARE(db.fileName(), QFileInfo(dir + "/RVL92.MDB").absoluteFilePath());
    }

    // Writing through the connection is refused. (That a whole session leaves
    // the file's bytes, time and folder as they were is the fault table's.)
    void refusesWrites() {
        DbError err;
        Recordset rs;
        QVERIFY(!rs.open("DELETE FROM functienamen", m_conn, &err));
        QVERIFY(err.isError());
        QVERIFY(!rs.open("CREATE TABLE x(a)", m_conn, &err));
        QVERIFY(rs.open("select count(*) from functienamen", m_conn, &err));
        QCOMPARE(rs.text(0), QStringLiteral("9"));
    }

    void queryErrorsComeBackAsNumberAndText_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("inDescription");
        // Missing tables and columns, and a closed connection, are in the
        // fault table with the screens' whole messages.
        row("syntax", "select from", "syntax error");
        row("empty text", "", "De opdracht bevat geen query.");
    }

    void queryErrorsComeBackAsNumberAndText() {
        QFETCH(QString, sql);
        QFETCH(QString, inDescription);
        DbError err;
        Recordset rs;
        QVERIFY(!rs.open(sql, m_conn, &err));
        QVERIFY(err.number != 0);
        QVERIFY2(err.description.contains(inDescription), qPrintable(err.description));
        QVERIFY(!rs.isOpen());
        QCOMPARE(rs.state(), 0);
    }

    void holdsEveryValueAsSqliteGivesIt_data() {
        QTest::addColumn<QString>("sql");
        row("kinds of value", "select NULL, '', x'', 12, 1.5, 'a' || char(0) || 'b', "
                              "'\u00e9t\u00e9', x'00ff'");
        // Some megabytes in values of every length: the store grows many times
        // on the way and must keep every byte and every NULL where it was.
        row("growing store",
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < 40000) "
            "select i, case when i % 7 = 0 then null when i % 11 = 0 then '' "
            "else substr(printf('%0300d', i) || char(233), 1 + i % 290) end, "
            "case when i % 13 = 0 then null else printf('%d', i * i) end from n");
    }

    void holdsEveryValueAsSqliteGivesIt() {
        QFETCH(QString, sql);
        DbError err;
        Recordset rs;
        QVERIFY2(rs.open(sql, m_conn, &err), qPrintable(err.description));

        sqlite3_stmt* st = nullptr;
        QCOMPARE(sqlite3_prepare_v2(m_conn.handle(), sql.toUtf8().constData(), -1, &st, nullptr),
                 SQLITE_OK);
        const int cols = sqlite3_column_count(st);
        QCOMPARE(rs.fieldCount(), cols);
        int row = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < cols; ++c) {
                const bool isNull = sqlite3_column_type(st, c) == SQLITE_NULL;
                const auto* v = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                const QByteArray expected(v ? v : "", v ? sqlite3_column_bytes(st, c) : 0);
                if (rs.isNullAt(row, c) != isNull || rs.rawAt(row, c).toByteArray() != expected) {
                    sqlite3_finalize(st);
                    QFAIL(qPrintable(QStringLiteral("row %1, column %2").arg(row).arg(c)));
                }
            }
            ++row;
        }
        sqlite3_finalize(st);
        QCOMPARE(rs.recordCount(), row);
    }

    void rowsInKeyOrder_data() {
        QTest::addColumn<QString>("rows"); // values rows (value, key)
        QTest::addColumn<QString>("expected");
        row("in order already", "('a',1),('b',2),('c',3)", "a,b,c");
        row("ascending runs, as from an index", "('c',5),('d',9),('a',1),('e',12),('b',3)",
            "a,b,c,d,e");
        row("keys far apart", "('c',9000000000000),('a',-5),('b',42)", "a,b,c");
        row("NULL values stay with their row", "(NULL,2),('x',1),('',3)", "x,<NULL>,");
        row("a repeated key keeps the statement's order", "('b',2),('a',1),('c',2)", "a,b,c");
        row("no rows", "('a',1)) where (0", "");
    }

    // A statement read through an index gives its rows by the index; its last
    // column puts them back in the order asked for, and is no field itself.
    void rowsInKeyOrder() {
        QFETCH(QString, rows);
        QFETCH(QString, expected);
        Recordset rs;
        DbError err;
        QVERIFY2(rs.open("select * from (values " + rows + ")", m_conn, &err,
                         Recordset::Order::ByKeyColumn),
                 qPrintable(err.description));
        QCOMPARE(rs.fieldCount(), 1);
        QStringList got;
        for (int r = 0; r < rs.recordCount(); ++r)
            got << rs.valueAt(r, 0).value_or("<NULL>");
        QCOMPARE(got.join(','), expected);
        // Moves and finds go by the new order.
        if (rs.recordCount() > 0) {
            QVERIFY(rs.moveLast());
            const QString last = rs.text(0);
            QVERIFY(rs.moveFirst());
            QVERIFY(rs.find({0, FindCriterion::Op::Equals, last}));
            QCOMPARE(rs.currentRow(), rs.recordCount() - 1);
        }
    }

    void moves() {
        DbError err;
        Recordset rs;
        QVERIFY(rs.open("select RVL92 from RVL order by RVL92", m_conn, &err));
        QCOMPARE(rs.recordCount(), 3);
        QCOMPARE(rs.text(0), "11010");
        QVERIFY(!rs.bof() && !rs.eof());
        QVERIFY(rs.movePrevious());
        QVERIFY(rs.bof());
        QCOMPARE(rs.absolutePosition(), Recordset::PosBOF);
        QCOMPARE(rs.value(0), std::nullopt);
        QVERIFY(!rs.movePrevious()); // no further than BOF
        QVERIFY(rs.moveNext());
        QCOMPARE(rs.text(0), "11010");
        QVERIFY(rs.moveLast());
        QCOMPARE(rs.text(0), "33030");
        QVERIFY(rs.moveNext());
        QVERIFY(rs.eof());
        QCOMPARE(rs.absolutePosition(), Recordset::PosEOF);
        QVERIFY(!rs.moveNext());
        QVERIFY(rs.moveFirst());
        QVERIFY(rs.move(2));
        QCOMPARE(rs.text(0), "33030");
        QVERIFY(!rs.move(5));
        QCOMPARE(rs.text(0), "33030");
        QVERIFY(rs.move(-2));
        QCOMPARE(rs.text(0), "11010");
    }

    void emptyResultIsBofAndEof() {
        DbError err;
        Recordset rs;
        QVERIFY(rs.open("select * from RVL where RVL92 = '1101'", m_conn, &err));
        QCOMPARE(rs.recordCount(), 0);
        QVERIFY(rs.bof());
        QVERIFY(rs.eof());
        QCOMPARE(rs.absolutePosition(), Recordset::PosUnknown);
        QVERIFY(!rs.moveFirst());
        QVERIFY(!rs.moveLast());
        QVERIFY(!rs.find({0, FindCriterion::Op::Equals, "11010"}));
        QCOMPARE(rs.value(0), std::nullopt);
        QCOMPARE(rs.fieldCount(), 3); // the columns are known all the same
        // The screens spell column names in varying case.
        QCOMPARE(rs.fieldIndex("werksoortcode1"), 2);
        QCOMPARE(rs.fieldIndex("bestaatniet"), -1);
    }

    void absolutePosition() {
        DbError err;
        Recordset rs;
        QVERIFY(rs.open("select * from functienamen", m_conn, &err));
        QCOMPARE(rs.absolutePosition(), 1);
        QVERIFY(rs.setAbsolutePosition(4));
        QCOMPARE(rs.text(1), "Chef d'équipe");
        QCOMPARE(rs.absolutePosition(), 4);
        QVERIFY(!rs.setAbsolutePosition(0));
        QVERIFY(!rs.setAbsolutePosition(10));
        QCOMPARE(rs.absolutePosition(), 4);
        rs.close();
        QCOMPARE(rs.absolutePosition(), Recordset::PosUnknown);
    }

    void find_data() {
        using Op = FindCriterion::Op;
        QTest::addColumn<int>("startPos");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("skip");
        QTest::addColumn<bool>("backward");
        QTest::addColumn<int>("expectedPos"); // PosEOF / PosBOF when not found

        // Table: 1 Bakker/11010, 2 bakker (banket)/22020, 3 Broodbakker/11010,
        // 4 Chef d'équipe, 5 Écoleur, 6 ecru-verver/11010, 7 100% inspecteur #1,
        // 8 NULL, 9 "".
        row("current row counts", 1, 0, int(Op::Equals), "11010", 0, false, 1);
        row("skip current", 1, 0, int(Op::Equals), "11010", 1, false, 3);
        row("last of code: EOF", 6, 0, int(Op::Equals), "11010", 1, false, int(Recordset::PosEOF));
        row("previous of code", 6, 0, int(Op::Equals), "11010", 1, true, 3);
        row("first of code: BOF", 1, 0, int(Op::Equals), "11010", 1, true, int(Recordset::PosBOF));
        row("prefix any case", 1, 1, int(Op::Prefix), "BRO", 0, false, 3);
        row("prefix accent capital", 1, 1, int(Op::Prefix), "éc", 0, false, 5);
        row("prefix plain e is not é", 1, 1, int(Op::Prefix), "ec", 0, false, 6);
        row("prefix from later row", 4, 1, int(Op::Prefix), "bak", 0, false,
            int(Recordset::PosEOF));
        row("equals is whole value", 1, 1, int(Op::Equals), "bakker", 0, false, 1);
        row("contains", 1, 1, int(Op::Contains), "BANKET", 0, false, 2);
        row("like pattern", 1, 0, int(Op::Like), "#####", 1, false, 2);
        row("null never matches", 1, 1, int(Op::Equals), "", 0, false, 9);
        row("bad column", 1, 9, int(Op::Equals), "x", 0, false, 1);
    }

    void find() {
        QFETCH(int, startPos);
        QFETCH(int, column);
        QFETCH(int, op);
        QFETCH(QString, value);
        QFETCH(int, skip);
        QFETCH(bool, backward);
        QFETCH(int, expectedPos);
        DbError err;
        Recordset rs;
        QVERIFY(rs.open("select RVL92, Functienaam from functienamen", m_conn, &err));
        QVERIFY(rs.setAbsolutePosition(startPos));
        const bool found =
            rs.find({column, FindCriterion::Op(op), value}, skip,
                    backward ? Recordset::Direction::Backward : Recordset::Direction::Forward);
        QCOMPARE(rs.absolutePosition(), expectedPos);
        QCOMPARE(found, expectedPos > 0 && column < rs.fieldCount());
    }

    void findTreatsTypedTextLiterally_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expectedPos");
        row("quote", "Chef d'", 4);
        row("percent", "100%", 7);
        row("percent alone matches no other row", "%", int(Recordset::PosEOF));
        row("hash is not digit wildcard", "#", int(Recordset::PosEOF));
    }

    void findTreatsTypedTextLiterally() {
        QFETCH(QString, typed);
        QFETCH(int, expectedPos);
        DbError err;
        Recordset rs;
        QVERIFY(rs.open("select RVL92, Functienaam from functienamen", m_conn, &err));
        rs.find({1, FindCriterion::Op::Prefix, typed});
        QCOMPARE(rs.absolutePosition(), expectedPos);
    }

    void reopenEmitsReset() {
        DbError err;
        Recordset rs;
        QSignalSpy about(&rs, &Recordset::aboutToReset);
        QSignalSpy reset(&rs, &Recordset::reset);
        QSignalSpy moved(&rs, &Recordset::positionChanged);
        QVERIFY(rs.open("select * from RVL", m_conn, &err));
        QVERIFY(rs.open("select * from functienamen", m_conn, &err)); // closes the first
        QCOMPARE(about.count(), 3);
        QCOMPARE(reset.count(), 3);
        QCOMPARE(rs.recordCount(), 9);
        rs.moveLast();
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.last().at(0).toInt(), 8);
        // A failing query leaves the result closed, not the old one half-open.
        QVERIFY(!rs.open("select * from nergens", m_conn, &err));
        QVERIFY(!rs.isOpen());
        QCOMPARE(rs.recordCount(), 0);
    }

    void twoConnectionsAreIndependent() {
        Database a, b;
        DbError err;
        QVERIFY(a.open(m_db, &err));
        QVERIFY(b.open(m_db, &err));
        Recordset ra, rb;
        QVERIFY(ra.open("select * from functienamen", a, &err));
        QVERIFY(rb.open("select * from functienamen", b, &err));
        ra.moveLast();
        QCOMPARE(rb.absolutePosition(), 1);
        a.close();
        QVERIFY(rb.open("select * from RVL", b, &err));
        // A recordset holds its rows after its connection closed.
        QCOMPARE(ra.recordCount(), 9);
    }

private:
    QTemporaryDir m_dir;
    QString m_db;
    Database m_conn; // shared by the tests that only read
};

QTEST_GUILESS_MAIN(TestRecordset)
#include "tst_recordset.moc"
