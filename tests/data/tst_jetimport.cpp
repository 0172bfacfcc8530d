// Reading the original Jet (.MDB) file: every fixture against mdb-export,
// damaged and refused files, and the file opened through the program's
// connection: told by content, read once per process and shared, never written.
#include "data/database.h"
#include "data/jetformat.h"
#include "data/jetimport.h"
#include "data/jettablewriter.h"
#include "data/recordset.h"
#include "support/datafiles.h"
#include "support/datarow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace rvl92;

namespace {

const QString fixtureDir = QStringLiteral(RVL92_FIXTURES_DIR "/jet");

// Every fixture table: its shape, its NULLs, and one query's answer.
struct FixtureTable {
    const char *tag, *file, *table, *columns;
    int rows, nulls;
    const char *probe, *answer;
};
// The same tables as Jet 4 (Access 2000) and as Jet 3 (Access 97) files, whose
// pages, rows and text are laid out differently.
const char* const deletedColumns = "SELECT group_concat(id || data2) FROM Table1";
const char* const overflowRows = "SELECT group_concat(coalesce(data1, data3)) FROM Table1";
const char* const overflowAnswer = "row1col1,row2col1,row3col3,row4col1,row5col2,row6col2,row7col1";
const char* const overflowColumns = "data1,data3,data4,data5,data6,data7,data8,data9,data10";
const char* const memoOleDates =
    "SELECT length(PROJ_PROP_AUTHOR) || ',' || length(RESERVED_BINARY_DATA) || ',' || "
    "typeof(RESERVED_BINARY_DATA) || ',' || PROJ_LAST_SAVED FROM MSP_PROJECTS";
const FixtureTable fixtureTables[] = {
    {"deleted columns", "delColTestV2000.mdb", "Table1", "id,id2,data,data2", 2, 0, deletedColumns,
     "0foo2,3bar2"},
    {"Jet 3 deleted columns", "delColTestV1997.mdb", "Table1", "id,id2,data,data2", 2, 0,
     deletedColumns, "0foo2,3bar2"},
    // Rows 3 and 5 overflowed to other pages and keep their place.
    {"overflow rows", "overflowTestV2000.mdb", "Table1", overflowColumns, 7, 51, overflowRows,
     overflowAnswer},
    {"Jet 3 overflow rows", "overflowTestV1997.mdb", "Table1", overflowColumns, 7, 51, overflowRows,
     overflowAnswer},
    // A memo kept in the row; an OLE object spread over several pages.
    {"memo, OLE, dates", "test2V2000.mdb", "MSP_PROJECTS", nullptr, 1, 14, memoOleDates,
     "348,22970,blob,2006-02-03 22:11:00"},
    {"Jet 3 memo, OLE, dates", "test2V1997.mdb", "MSP_PROJECTS", nullptr, 1, 14, memoOleDates,
     "348,22970,blob,2006-02-03 22:11:00"},
    {"multilingual", "testUnicodeCompV2003.mdb", "Table", "ID,Unicode", 8, 0,
     "SELECT Unicode FROM \"Table\" WHERE ID = 5", "漢字仮名交じり文"},
};

struct Db {
    sqlite3* handle = nullptr;
    explicit Db(const QString& file = ":memory:",
                int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) {
        sqlite3_open_v2(file.toUtf8().constData(), &handle, flags, nullptr);
    }
    ~Db() { sqlite3_close(handle); }
};

// The column names, then every row with each value as text: "<NULL>" for
// NULL, upper-case hex for a blob.
QList<QStringList> query(sqlite3* db, const QString& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        return {{"error: " + QString::fromUtf8(sqlite3_errmsg(db))}};
    QList<QStringList> result{{}};
    for (int c = 0; c < sqlite3_column_count(stmt); ++c)
        result[0] << QString::fromUtf8(sqlite3_column_name(stmt, c));
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            const QByteArray bytes(static_cast<const char*>(sqlite3_column_blob(stmt, c)),
                                   sqlite3_column_bytes(stmt, c));
            const int type = sqlite3_column_type(stmt, c);
            row << (type == SQLITE_NULL   ? QStringLiteral("<NULL>")
                    : type == SQLITE_BLOB ? QString::fromLatin1(bytes.toHex().toUpper())
                    : type == SQLITE_FLOAT
                        ? QString::number(sqlite3_column_double(stmt, c), 'g', 16)
                        : QString::fromUtf8(bytes));
        }
        result << row;
    }
    sqlite3_finalize(stmt);
    return result;
}

QList<QStringList> tableRows(sqlite3* db, const QString& table) {
    return query(db, "SELECT * FROM \"" + table + "\"").mid(1);
}

int tableCount(sqlite3* db) {
    return query(db, "SELECT count(*) FROM sqlite_master").value(1).value(0).toInt();
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Builds in `to` the tables of the SQLite database `from` the way an import
// of a Jet file with the same content does: text columns as Jet Text,
// integer columns as Long, through the import's table writer.
bool copyAsImported(sqlite3* from, sqlite3* to) {
    SqliteSavepoint savepoint(to);
    JetTableWriter writer(to);
    if (!savepoint.begin())
        return false;
    for (const QStringList& name : query(from, "SELECT name FROM sqlite_master WHERE type = "
                                               "'table'")
                                       .mid(1)) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(from, ("SELECT * FROM " + name[0]).toUtf8().constData(), -1, &stmt,
                           nullptr);
        QList<JetColumn> columns;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            columns.append({QString::fromUtf8(sqlite3_column_name(stmt, c)),
                            QByteArray(sqlite3_column_decltype(stmt, c)).contains("INT")
                                ? jet::type::Long
                                : jet::type::Text});
        bool ok = writer.createTable(name[0], columns);
        while (ok && sqlite3_step(stmt) == SQLITE_ROW) {
            QList<JetValue> row;
            for (int c = 0; c < columns.size(); ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                row << (!text ? JetValue::null()
                        : columns[c].type == jet::type::Long
                            ? JetValue::fromInteger(sqlite3_column_int64(stmt, c))
                            : JetValue::fromUtf8(text));
            }
            ok = writer.insertRow(row);
        }
        sqlite3_finalize(stmt);
        if (!ok)
            return false;
    }
    return savepoint.commit();
}

} // namespace

class TestJetImport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // What makes libmdb misbehave: an MDBPATH with empty components (an
        // endless search) and a target character set other than UTF-8.
        qputenv("MDBPATH", "::");
        qputenv("MDBICONV", "ISO-8859-1");
    }
    void init() { Database::clearSharedImports(); }

    void dateTime_data() {
        QTest::addColumn<double>("days");
        QTest::addColumn<QString>("text");
        row("day zero", 0.0, "1899-12-30 00:00:00");
        // Before day zero the time of day still counts forwards.
        row("negative", -1.25, "1899-12-29 06:00:00");
        row("rounds to midnight", 1.9999999, "1900-01-01 00:00:00");
        row("last day", 2958465.5, "9999-12-31 12:00:00");
        row("no date", 1e9, "");
        row("not a number", qQNaN(), "");
    }
    void dateTime() {
        QFETCH(double, days);
        QFETCH(QString, text);
        QCOMPARE(jet::dateTimeText(days).value_or(QString()), text);
    }

    void singleReadsBackAsTyped() { QCOMPARE(jet::singleToDouble(0.1f), 0.1); }

    // Each fixture table, and every cell of it against what mdb-export prints
    // (which shows NULL and "" alike and puts overflowed rows last, so rows
    // are compared without their order).
    void fixtures_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(fixtureTables)); ++i)
            row(fixtureTables[i].tag, i);
    }
    void fixtures() {
        QFETCH(int, index);
        const FixtureTable& f = fixtureTables[index];
        const QString file = f.file, table = f.table;
        Db db;
        DbError error;
        QVERIFY2(importJetFile(fixtureDir + '/' + file, db.handle, &error),
                 qPrintable(error.description));
        QCOMPARE(tableCount(db.handle), 1);
        const auto result = query(db.handle, "SELECT * FROM \"" + table + "\"");
        if (f.columns)
            QCOMPARE(result.first().join(','), QString(f.columns));
        QCOMPARE(query(db.handle, f.probe).value(1).value(0), QString(f.answer));
        QList<QStringList> actual = result.mid(1);
        QCOMPARE(actual.size(), f.rows);
        int nulls = 0;
        for (QStringList& row : actual)
            for (QString& value : row)
                if (value == "<NULL>") {
                    ++nulls;
                    value.clear();
                }
        QCOMPARE(nulls, f.nulls);

        const QString mdbExport = QStandardPaths::findExecutable("mdb-export");
        QVERIFY2(!mdbExport.isEmpty(), "mdb-export (Debian package mdbtools) is not installed");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("MDBPATH");
        environment.remove("MDBICONV");
        process.setProcessEnvironment(environment);
        const QString dateFormat = "%Y-%m-%d %H:%M:%S";
        process.start(mdbExport, {"-H", "-Q", "-d", "<#C#>", "-R", "<#R#>", "-b", "hex", "-D",
                                  dateFormat, "-T", dateFormat, fixtureDir + '/' + file, table});
        QVERIFY(process.waitForFinished(30000));
        QList<QStringList> expected;
        for (const QString& line :
             QString::fromUtf8(process.readAllStandardOutput()).split("<#R#>", Qt::SkipEmptyParts))
            expected << line.split("<#C#>");
        std::sort(expected.begin(), expected.end());
        std::sort(actual.begin(), actual.end());
        QCOMPARE(actual, expected);
    }

    // No fixture holds a zero-length text: one is made by marking the empty
    // column data3 of the overflow fixture's first row as present.
    void zeroLengthTextIsNotNull() {
        QByteArray image = readFile(fixtureDir + "/overflowTestV2000.mdb");
        constexpr int nullFlagsOfFirstRow = 27 * 4096 + 4095;
        QCOMPARE(int(image.at(nullFlagsOfFirstRow)), 0x03);
        image[nullFlagsOfFirstRow] = 0x07;
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("zero.mdb"), image));
        Db db;
        QVERIFY(importJetFile(dir.filePath("zero.mdb"), db.handle, nullptr));
        QCOMPARE(query(db.handle, "SELECT data1, data3, data4 FROM Table1").value(1),
                 QStringList({"row1col1", "", "<NULL>"}));
    }

    void relativePath() {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(fixtureDir);
        Db db;
        const bool ok = importJetFile("delColTestV2000.mdb", db.handle, nullptr);
        QDir::setCurrent(previous);
        QVERIFY(ok);
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("content"); // empty: no file; "/": a folder
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        const QByteArray head("\x00\x01\x00\x00Standard Jet DB\x00\x01", 21);
        const QByteArray pages = head + QByteArray(3 * 4096 - head.size(), '\x5a');
        const QString notADatabase = "Het bestand %1 is geen database van RVL92.";
        const QString damaged =
            "Het databasebestand %1 is beschadigd of onvolledig en kan niet worden gelezen.";
        row("missing", QByteArray(), dberr::FileNotFound,
            "Het databasebestand %1 is niet gevonden.");
        row("folder", QByteArray("/"), dberr::CannotOpen,
            "Het databasebestand %1 kan niet worden gelezen: het is een map.");
        row("SQLite file", QByteArray("SQLite format 3\x00", 16) + pages, dberr::NotADatabase,
            notADatabase);
        row("text", QByteArray("Geen database."), dberr::NotADatabase, notADatabase);
        row("Jet header, garbage", pages, dberr::JetUnreadable, damaged);
        row("not whole pages", pages.chopped(100), dberr::JetUnreadable, damaged);
        row("unknown version", QByteArray(pages).replace(0x14, 1, "\x47"), dberr::JetUnreadable,
            "Het databasebestand %1 heeft een versie die dit programma niet kan lezen.");
        row("no tables", readFile(fixtureDir + "/emptyJet4.mdb"), dberr::JetNoTables,
            "Het databasebestand %1 bevat geen tabellen.");
    }
    void refused() {
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        QFETCH(QString, description);
        QTemporaryDir dir;
        const QString path = dir.filePath("RVL92.MDB");
        if (content == "/")
            QVERIFY(QDir(dir.path()).mkdir("RVL92.MDB"));
        else if (!content.isEmpty())
            QVERIFY(writeFile(path, content));
        Db db;
        DbError error;
        QVERIFY(!importJetFile(path, db.handle, &error));
        QCOMPARE(error.number, number);
        QCOMPARE(error.description, description.arg(shownPath(path)));
        QCOMPARE(tableCount(db.handle), 0);
        // The program's connection passes a refused Jet file on as it is, and stays closed.
        Database connection;
        DbError passedOn;
        QVERIFY(!connection.open(path, &passedOn));
        QVERIFY(!connection.isOpen());
        if (content.mid(4, 15) == "Standard Jet DB") {
            QCOMPARE(passedOn.number, error.number);
            QCOMPARE(passedOn.description, error.description);
        }
    }

    void failureLeavesConnectionAsItWas() {
        Db db;
        QCOMPARE(sqlite3_exec(db.handle, "CREATE TABLE Table1 (x); INSERT INTO Table1 VALUES (42)",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        DbError error;
        const QString path = fixtureDir + "/overflowTestV2000.mdb";
        QVERIFY(!importJetFile(path, db.handle, &error));
        QCOMPARE(error.number, SQLITE_ERROR);
        QCOMPARE(error.description, QString("Het databasebestand %1 kan niet in het geheugen "
                                            "worden geladen: table \"Table1\" already exists")
                                        .arg(shownPath(path)));
        QCOMPARE(tableCount(db.handle), 1);
        QCOMPARE(tableRows(db.handle, "Table1"), QList<QStringList>{{"42"}});
    }

    // Cut-off and scrambled copies: an import succeeds, or fails as unreadable
    // and leaves no table behind; it never crashes or hangs. A copy that lost
    // pages never passes for the complete table.
    void damagedCopies_data() { fixtures_data(); }
    void damagedCopies() {
        QFETCH(int, index);
        const QString file = fixtureTables[index].file, table = fixtureTables[index].table;
        const QByteArray original = readFile(fixtureDir + '/' + file);
        Db reference;
        QVERIFY(importJetFile(fixtureDir + '/' + file, reference.handle, nullptr));
        const auto complete = tableRows(reference.handle, table);
        const QList<int> accepted{dberr::JetUnreadable, dberr::JetNoTables, dberr::NotADatabase};
        QTemporaryDir dir;
        const QString copy = dir.filePath("damaged.mdb");
        auto check = [&](const QByteArray& image, bool mustBeComplete) {
            QVERIFY(writeFile(copy, image));
            Db db;
            DbError error;
            if (importJetFile(copy, db.handle, &error)) {
                if (mustBeComplete)
                    QCOMPARE(tableRows(db.handle, table), complete);
            } else {
                QVERIFY2(accepted.contains(error.number), qPrintable(error.description));
                QCOMPARE(tableCount(db.handle), 0);
            }
        };
        // Cut at every page boundary and inside every page: Jet 3 (version byte
        // 0) has pages of 2 KB, later versions of 4 KB.
        const qsizetype page = original.at(0x14) == 0 ? 2048 : 4096;
        for (qsizetype size = page; size < original.size() && !QTest::currentTestFailed();
             size += page) {
            check(original.left(size), true);
            check(original.left(size - page / 4), true);
        }
        QRandomGenerator random(20240607);
        for (int round = 0; round < 300 && !QTest::currentTestFailed(); ++round) {
            QByteArray image = original;
            for (int n = 1 + random.bounded(8); n > 0; --n)
                image[random.bounded(int(image.size()))] = char(random.bounded(256));
            check(image, false);
        }
    }

    // The screens' SQL gives the same answers on the demonstration database
    // as on the same content imported from a Jet file.
    void demoQueriesAgreeWithImport() {
        const QString demo = RVL92_TREE_DIR "/Programmabestanden/RVL92.MDB";
        QVERIFY2(QFile::exists(demo), qPrintable(demo + " has not been built"));
        Db file(demo, SQLITE_OPEN_READONLY);
        Db imported;
        QVERIFY(copyAsImported(file.handle, imported.handle));

        // An occupation with job titles, part of a title and characteristics.
        const QStringList pick =
            query(file.handle, "SELECT f.RVL92, f.Functienaam, r.NiveauBekwaamhedenCode, "
                               "r.WerksoortCode1 FROM functienamen f JOIN RVL r ON r.RVL92 = "
                               "f.RVL92 ORDER BY f.RVL92 LIMIT 1")
                .value(1);
        QCOMPARE(pick.size(), 4);
        const QString code = pick[0];
        const QStringList queries{
            " select RVL92, Functienaam, beroep, id from functienamen",
            "SELECT RVL92, beroep FROM RVL order by RVL92",
            "SELECT RVL92,Functienaam,beroep FROM Functienamen where RVL92 = '" + code + "'",
            " Select RVL.* from RVL where RVL92 = '" + code + "'",
            "select RVL92, functienaam, beroep  from functienamen where  functienaam Like '%" +
                pick[1].mid(1, 3) + "%'",
            "select RVL92, functienaam, beroep  from functienamen where  RVL92 Like '" +
                code.left(4) + "_'",
            "select RVL92, werksoortCode1, werksoort1, werksoortCode2,  werksoort2, "
            "werksoortCode3, werksoort3, beroep  from RVL where NiveauBekwaamhedenCode = '" +
                pick[2] + "' AND (WerksoortCode1 = '" + pick[3] + "' OR WerksoortCode2 = '" +
                pick[3] + "')",
            "select RVL.RVL92,RVL.beroepsgroepcode,  functienamen.functienaam from RVL left join "
            "functienamen on  functienamen.RVL92 = RVL.RVL92 where RVL.RVL92 = '" +
                code + "'"};
        for (const QString& sql : queries) {
            const auto expected = query(file.handle, sql);
            QVERIFY2(expected.size() > 1, qPrintable(sql));
            QCOMPARE(query(imported.handle, sql), expected);
        }
        // A code short of a digit matches nothing: codes stay text.
        QCOMPARE(
            query(imported.handle, "SELECT * FROM RVL where RVL92 = '" + code.mid(1) + "'").size(),
            1);
    }

    void installedJetFileOpensAndIsShared() {
        QTemporaryDir programDir;
        const QString file = Database::databasePath(programDir.path());
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(QFile::copy(fixtureDir + "/testUnicodeCompV2003.mdb", file));
        const QByteArray before = readFile(file);
        QCOMPARE(int(Database::detectFormat(file)), int(Database::Format::Jet));

        Database a, b;
        DbError err;
        QVERIFY2(a.openProgramDatabase(programDir.path(), &err), qPrintable(err.description));
        QVERIFY2(b.openProgramDatabase(programDir.path(), &err), qPrintable(err.description));
        QCOMPARE(a.handle(), b.handle()); // read once, shared by every connection

        Recordset rs;
        QVERIFY(rs.open("select ID, Unicode from [Table] where Unicode Like '%ÄÄKK%'", a, &err));
        QCOMPARE(rs.recordCount(), 1);
        QCOMPARE(rs.text("unicode"), QString("ääkkösiä"));
        // Nothing can change the shared copy, let alone the file.
        QVERIFY(!rs.open("DELETE FROM [Table]", b, &err));
        QVERIFY(err.isError());
        QVERIFY(rs.open("select count(*) from [Table]", b, &err));
        QCOMPARE(rs.text(0), QString("8"));
        a.close();
        QVERIFY(rs.open("select count(*) from [Table]", b, &err));
        QVERIFY(readFile(file) == before);
    }
};

QTEST_GUILESS_MAIN(TestJetImport)
#include "tst_jetimport.moc"
