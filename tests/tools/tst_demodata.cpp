// Checks the demonstration database that the build puts into the tree, and
// databases of other sizes made by running the generator, against what the
// screens rely on: the schema and column order, the links between the tables,
// the code hierarchy, the alphabetical table order and the cases the screens
// must be able to show.

#include "support/datafiles.h"
#include "support/datarow.h"
#include "support/datasqlitereader.h"
#include "support/datatoolrun.h"
#include "support/fixturedb.h"
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <QTest>

#include <limits>
#include <tuple>

namespace {

const QString kTool = QStringLiteral(RVL92_DEMODATA_TOOL);
const QString kLists = QStringLiteral(RVL92_DEMODATA_LISTS);
const QString kTreeDatabase = demoDatabase();

// Runs the generator; returns its exit code, or -1 when it did not finish.
int generate(const QStringList& arguments, QString* errors = nullptr) {
    const ToolRun run = runTool(kTool, QStringList{"--woordenlijsten", kLists} + arguments);
    if (errors)
        *errors = run.err;
    return run.exitCode;
}

// An order key written independently of the generator's: accents and case
// folded, compared by code unit; equal keys fall back to the exact text.
QString foldedKey(const QString& text) {
    QString folded;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            folded.append(c);
        }
    }
    return folded.toCaseFolded();
}

} // namespace

class TestDemodata : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QHash<QString, QString> m_paths; // database name -> file

    // The databases whose rows are checked one by one (the million is only
    // counted and queried).
    void addDatabaseColumn(bool includeMillion) {
        QTest::addColumn<QString>("database");
        for (const QString& name : {QStringLiteral("demo"), QStringLiteral("klein"),
                                    QStringLiteral("groot"), QStringLiteral("miljoen")}) {
            if (includeMillion || name != QLatin1String("miljoen")) {
                row(qPrintable(name), name);
            }
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY2(QFile::exists(kTreeDatabase), qPrintable(kTreeDatabase));
        m_paths[QStringLiteral("demo")] = kTreeDatabase;
        const struct {
            const char* name;
            QStringList arguments;
        } sizes[] = {
            {"klein", {"--beroepen", "60", "--functienamen", "600", "--zaad", "5"}},
            {"groot", {"--functienamen", "100000"}},
            {"miljoen", {"--functienamen", "1000000"}},
        };
        for (const auto& size : sizes) {
            const QString path = m_dir.filePath(QString::fromLatin1(size.name) + ".db");
            QString errors;
            QCOMPARE(generate(QStringList{"--uit", path} + size.arguments, &errors), 0);
            QVERIFY2(errors.isEmpty(), qPrintable(errors));
            m_paths[QString::fromLatin1(size.name)] = path;
        }
    }

    void schema_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        const QStringList rvl = testdb::rvlColumns();
        row("RVL", "RVL", rvl);
        row("functienamen", "functienamen", QStringList{"RVL92", "Functienaam", "beroep", "id"});
        // The lists of characteristics are read by column name, with the
        // screens' own queries, in lookupTables.
    }

    // The program reads RVL.* by position, so names and order are exact.
    void schema() {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        SqliteReader db(kTreeDatabase);
        const QString info = QStringLiteral(" from pragma_table_info('%1')").arg(table);
        QCOMPARE(db.column("select name" + info), columns);
        for (const QVariantList& column : db.rows("select name, type" + info)) {
            const bool identifier = table == QLatin1String("functienamen") && column[0] == "id";
            QCOMPARE(column[1].toString(),
                     identifier ? QStringLiteral("INTEGER") : QStringLiteral("TEXT"));
        }
    }

    // Without ORDER BY the job-title screen shows the table order; an index that
    // covers its columns would make SQLite read the index order instead.
    void jobTitleTableScansInOrder() {
        SqliteReader db(kTreeDatabase);
        const QList<QVariantList> plan = db.rows(QStringLiteral(
            "EXPLAIN QUERY PLAN select RVL92, Functienaam, beroep, id from functienamen"));
        QCOMPARE(plan.size(), 1);
        QCOMPARE(plan[0].value(3).toString(), QStringLiteral("SCAN functienamen"));
        for (const QVariantList& index :
             db.rows(QStringLiteral("PRAGMA index_list(functienamen)"))) {
            QCOMPARE(db.column(QStringLiteral("select name from pragma_index_info('%1')")
                                   .arg(index.value(1).toString())),
                     QStringList{"RVL92"});
        }
        // The job titles of one occupation are found through the index.
        const QString byCode = db.rows(QStringLiteral("EXPLAIN QUERY PLAN SELECT RVL92,Functienaam,"
                                                      "beroep FROM Functienamen where RVL92 = '1'"))
                                   .value(0)
                                   .value(3)
                                   .toString();
        QVERIFY2(byCode.contains(QLatin1String("USING INDEX")), qPrintable(byCode));
    }

    void rollbackJournal_data() { addDatabaseColumn(true); }

    // Bytes 18 and 19 of the header are 1 for a rollback journal, 2 for WAL.
    void rollbackJournal() {
        QFETCH(QString, database);
        QFile file(m_paths[database]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(100);
        QCOMPARE(int(header[18]), 1);
        QCOMPARE(int(header[19]), 1);
        QVERIFY(!QFile::exists(m_paths[database] + "-wal"));
        QVERIFY(!QFile::exists(m_paths[database] + "-journal"));
    }

    void lookupTables_data() { addDatabaseColumn(false); }

    void lookupTables() {
        QFETCH(QString, database);
        SqliteReader db(m_paths[database]);
        const struct {
            const char* sql;
            const char* pattern;
        } tables[] = {
            {" select NiveauTotaal from BekwaamhedenNiveau", "^\\d \\S.*$"},
            {" select richting from richtingen", "^\\d{2,3} \\S.*$"},
            {" select Werksoorten from Werksoorten", "^\\d{3} \\S.*$"},
            {" select Vaardigheden from Vaardigheden", "^\\d{3} \\S.*$"},
        };
        // Each in code order, so each main direction comes before its own
        // directions; that they stand directly below it is a rule of the word
        // list, which the generator refuses to break.
        for (const auto& table : tables) {
            const QStringList rows = db.column(QString::fromLatin1(table.sql));
            QVERIFY2(!rows.isEmpty(), table.sql);
            const QRegularExpression pattern(QString::fromLatin1(table.pattern));
            QString previous;
            for (const QString& row : rows) {
                QVERIFY2(pattern.match(row).hasMatch(), qPrintable(row));
                const QString code = row.section(' ', 0, 0);
                QVERIFY2(code > previous, qPrintable(row)); // code order, no repeats
                previous = code;
            }
        }
    }

    void occupations_data() { addDatabaseColumn(false); }

    void occupations() {
        QFETCH(QString, database);
        SqliteReader db(m_paths[database]);
        auto lookup = [&db](const char* sql) {
            const QStringList rows = db.column(QString::fromLatin1(sql));
            return QSet<QString>(rows.begin(), rows.end());
        };
        const QSet<QString> skillLevels = lookup("select NiveauTotaal from BekwaamhedenNiveau");
        const QSet<QString> directions = lookup("select richting from richtingen");
        const QSet<QString> workTypes = lookup("select Werksoorten from Werksoorten");
        const QSet<QString> skills = lookup("select Vaardigheden from Vaardigheden");
        const QRegularExpression fiveDigits(QStringLiteral("^\\d{5}$"));

        QHash<QString, QString> names; // level, class and group code -> name
        QString previous;
        int sameSkillLevel = 0;
        const QList<QVariantList> rows = db.rows(QStringLiteral(" Select RVL.* from RVL"));
        QVERIFY(!rows.isEmpty());
        for (const QVariantList& row : rows) {
            const QString code = row[0].toString();
            QVERIFY2(fiveDigits.match(code).hasMatch(), qPrintable(code));
            QVERIFY2(code > previous, qPrintable(code)); // rows in code order
            previous = code;
            QVERIFY(!row[33].toString().isEmpty());

            // Level, class and group are the first one, two and three digits,
            // each code always with the same name.
            for (int part = 0; part < 3; ++part) {
                const QString partCode = row[1 + 2 * part].toString();
                const QString name = row[2 + 2 * part].toString();
                QCOMPARE(partCode, code.left(part + 1));
                QVERIFY(!name.isEmpty());
                QCOMPARE(names.value(partCode, name), name);
                names[partCode] = name;
            }
            QVERIFY2(skillLevels.contains(row[7].toString() + ' ' + row[8].toString()),
                     qPrintable(code));
            QVERIFY2(directions.contains(row[9].toString() + ' ' + row[10].toString()),
                     qPrintable(code));
            QVERIFY2(directions.contains(row[11].toString() + ' ' + row[12].toString()),
                     qPrintable(code));
            QCOMPARE(row[9].toString().size(), 2);
            QVERIFY2(row[11].toString().startsWith(row[9].toString()), qPrintable(code));
            const int levelStep = row[7].toString().toInt() - row[1].toString().toInt();
            QVERIFY2(qAbs(levelStep) <= 1, qPrintable(code));
            sameSkillLevel += levelStep == 0;

            // Work types (3) and skills (7): present ones first in ascending
            // code order, absent ones NULL in both columns.
            for (const auto& [first, count, table] :
                 {std::tuple{13, 3, &workTypes}, std::tuple{19, 7, &skills}}) {
                bool absent = false;
                QString previousCode;
                for (int k = 0; k < count; ++k) {
                    const QVariant& c = row[first + 2 * k];
                    const QVariant& name = row[first + 2 * k + 1];
                    QCOMPARE(c.isNull(), name.isNull());
                    if (c.isNull()) {
                        absent = true;
                        continue;
                    }
                    QVERIFY2(!absent, qPrintable(code));
                    QVERIFY2(c.toString() > previousCode, qPrintable(code));
                    QVERIFY2(table->contains(c.toString() + ' ' + name.toString()),
                             qPrintable(code));
                    previousCode = c.toString();
                }
            }
        }
        QVERIFY2(sameSkillLevel * 2 > rows.size(),
                 "skill level should follow the occupational level");
    }

    void jobTitles_data() { addDatabaseColumn(false); }

    void jobTitles() {
        QFETCH(QString, database);
        SqliteReader db(m_paths[database]);
        QHash<QString, QString> occupation;
        for (const QVariantList& row : db.rows(QStringLiteral("SELECT RVL92, beroep FROM RVL"))) {
            occupation[row[0].toString()] = row[1].toString();
        }
        const QList<QVariantList> rows =
            db.rows(QStringLiteral(" select RVL92, Functienaam, beroep, id from functienamen"));
        QVERIFY(!rows.isEmpty());
        QSet<qint64> ids;
        QSet<QString> titles;
        QHash<QString, QList<int>> positions; // code -> row numbers
        QString previousKey;
        QString previousTitle;
        for (int i = 0; i < rows.size(); ++i) {
            const QVariantList& row = rows[i];
            const QString code = row[0].toString();
            const QString title = row[1].toString();
            QVERIFY2(occupation.contains(code), qPrintable(code));
            QCOMPARE(row[2].toString(), occupation[code]);
            QCOMPARE(row[3].typeId(), QMetaType::LongLong);
            QVERIFY2(!ids.contains(row[3].toLongLong()), qPrintable(title));
            ids.insert(row[3].toLongLong());
            QVERIFY2(!title.isEmpty() && title == title.trimmed(), qPrintable(title));
            QVERIFY2(!titles.contains(title), qPrintable(title));
            titles.insert(title);
            positions[code].append(i);

            const QString key = foldedKey(title);
            QVERIFY2(previousKey < key || (previousKey == key && previousTitle < title),
                     qPrintable(previousTitle + QStringLiteral(" > ") + title));
            previousKey = key;
            previousTitle = title;
        }
        // Most occupations have several titles, spread through the alphabet.
        int several = 0;
        int spread = 0;
        int handful = 0;
        for (const QList<int>& list : std::as_const(positions)) {
            several += list.size() >= 2;
            spread += list.size() >= 2 && list.last() - list.first() + 1 > list.size();
            handful += list.size() >= 2 && list.size() <= 15;
        }
        QVERIFY2(several * 3 > positions.size() * 2, qPrintable(QString::number(several)));
        QVERIFY2(spread * 2 > several, qPrintable(QString::number(spread)));
        if (database == QLatin1String("demo")) {
            QVERIFY2(handful * 4 > positions.size() * 3, qPrintable(QString::number(handful)));
        }
    }

    void edgeCases_data() {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        const int any = std::numeric_limits<int>::max();
        // How many rows of a table meet a condition.
        const struct {
            const char* name;
            const char* table;
            QString condition;
            int minimum;
            int maximum;
        } cases[] = {
            {"beroepen zonder functienaam", "RVL", "RVL92 not in (select RVL92 from functienamen)",
             3, any},
            {"beroep van 90 tekens", "functienamen", "length(beroep) = 90", 1, any},
            {"beroep van 91 tekens", "functienamen", "length(beroep) = 91", 1, any},
            {"beroep van meer dan 100 tekens", "functienamen", "length(beroep) > 100", 1, any},
            {"functienaam van 100 tekens", "functienamen", "length(Functienaam) = 100", 1, any},
            {"functienaam van 101 tekens", "functienamen", "length(Functienaam) = 101", 1, any},
            {"hoofdletter É vooraan", "functienamen", "substr(Functienaam, 1, 1) = 'É'", 1, any},
            {"apostrof in de naam", "functienamen", "instr(Functienaam, 'd''') > 0", 1, any},
            {"apostrof vooraan", "functienamen", "substr(Functienaam, 1, 1) = ''''", 1, any},
            {"cijfer vooraan", "functienamen", "substr(Functienaam, 1, 1) between '0' and '9'", 1,
             any},
            {"eerste code heeft functienamen", "functienamen",
             "RVL92 = (select min(RVL92) from RVL)", 1, any},
            {"laatste code heeft functienamen", "functienamen",
             "RVL92 = (select max(RVL92) from RVL)", 1, any},
            {"code 99 bestaat niet", "RVL",
             "RVL92 like '99%' or RVL92 in (select RVL92 from functienamen where RVL92 like '99%')",
             0, 0},
        };
        for (const QString& database : QStringList{"demo", "klein", "groot", "miljoen"}) {
            auto add = [&](const char* name, const char* table, const QString& condition, int min,
                           int max) {
                QTest::addRow("%s: %s", qPrintable(database), name)
                    << database
                    << QStringLiteral("select count(*) from %1 where %2").arg(table, condition)
                    << min << max;
            };
            for (const auto& c : cases)
                add(c.name, c.table, c.condition, c.minimum, c.maximum);
            for (const char* mark : {"é", "ë", "ï", "ó", "ü", "à", "ç", "-", "(", ")"})
                add(mark, "functienamen",
                    QStringLiteral("instr(Functienaam, '%1') > 0").arg(QString::fromUtf8(mark)), 1,
                    any);
        }
    }

    void edgeCases() {
        QFETCH(QString, database);
        QFETCH(QString, sql);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        SqliteReader db(m_paths[database]);
        const QVariant count = db.value(sql);
        QVERIFY2(count.isValid(), qPrintable(db.error()));
        QVERIFY2(count.toLongLong() >= minimum && count.toLongLong() <= maximum,
                 qPrintable(count.toString()));
    }

    void scaledSizes_data() {
        QTest::addColumn<QString>("database");
        QTest::addColumn<int>("occupations");
        QTest::addColumn<int>("titles");
        row("demo", "demo", 1200, 10000); // the defaults its usage text names
        row("klein", "klein", 60, 600);
        row("groot", "groot", 1200, 100000);
        row("miljoen", "miljoen", 1200, 1000000);
    }

    // More job titles keep the same occupations, so sizes compare fairly.
    void scaledSizes() {
        QFETCH(QString, database);
        QFETCH(int, occupations);
        QFETCH(int, titles);
        SqliteReader db(m_paths[database]);
        QCOMPARE(db.value("select count(*) from RVL").toInt(), occupations);
        QCOMPARE(db.value("select count(*) from functienamen").toInt(), titles);
        if (occupations == 1200) {
            SqliteReader demo(kTreeDatabase);
            QVERIFY(db.rows("select * from RVL") == demo.rows("select * from RVL"));
        }
    }

    void deterministic() {
        const QString a = m_dir.filePath("a.db");
        const QString b = m_dir.filePath("b.db");
        const QString other = m_dir.filePath("ander.db");
        const QStringList arguments = {"--beroepen", "200",    "--functienamen",
                                       "3000",       "--zaad", "42"};
        // An existing file at the target is replaced as a whole.
        QVERIFY(writeFile(a, "geen database"));
        QCOMPARE(generate(QStringList{"--uit", a} + arguments), 0);
        QCOMPARE(generate(QStringList{"--uit", b} + arguments), 0);
        QCOMPARE(generate({"--uit", other, "--beroepen", "200", "--functienamen", "3000", "--zaad",
                           "43"}),
                 0);
        QVERIFY(readFile(a) == readFile(b));
        QVERIFY(readFile(a) != readFile(other));
        QCOMPARE(SqliteReader(a).value("select count(*) from functienamen").toInt(), 3000);

        // The build ran the generator with its defaults.
        const QString defaults = m_dir.filePath("standaard.db");
        QCOMPARE(generate({"--uit", defaults}), 0);
        QVERIFY(readFile(defaults) == readFile(kTreeDatabase));
    }
};

QTEST_GUILESS_MAIN(TestDemodata)
#include "tst_demodata.moc"
