// rvl92-codeer as a user runs it, on the demonstration installation.

#include "support/datafiles.h"
#include "support/datarow.h"
#include "support/datasqlitereader.h"
#include "support/datatoolrun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

ToolRun codeer(const QStringList& args, const QByteArray& input = {}) {
    return runTool(QStringLiteral(RVL92_CODEER_EXE), args, input);
}

// Some job titles of the demonstration database with their codes.
QList<QPair<QString, QString>> demoTitles(int count) {
    QList<QPair<QString, QString>> titles;
    SqliteReader db(demoDatabase());
    for (const QVariantList& row :
         db.rows("select Functienaam, RVL92 from functienamen where Functienaam in "
                 "(select Functienaam from functienamen group by Functienaam "
                 "having count(distinct RVL92) = 1) order by id limit " +
                 QString::number(count)))
        titles.append({row[0].toString(), row[1].toString()});
    return titles;
}

} // namespace

class TestRvl92Codeer : public QObject {
    Q_OBJECT
private slots:
    // A CSV file of demonstration titles in, each row back with its own code
    // first; the same through standard input and output in UTF-8.
    void codesDemoTitles() {
        const auto titles = demoTitles(200);
        QCOMPARE(titles.size(), 200);
        QTemporaryDir dir;
        QByteArray csv = "respondent;antwoord\r\n";
        for (int i = 0; i < titles.size(); ++i)
            csv += QByteArray::number(i + 1) + ";\"" + titles[i].first.toUtf8() + "\"\r\n";
        const QString in = dir.filePath("antwoorden.csv");
        const QString out = dir.filePath("uit.csv");
        QVERIFY(writeFile(in, csv));

        const ToolRun r = codeer({"--kolom", "antwoord", "--codering", "utf-8", in, out});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("Invoer: UTF-8, scheidingsteken puntkomma, kopregel ja, kolom 2 "
                                "(antwoord)."),
                 qPrintable(r.err));
        QVERIFY2(r.err.contains("200 regels gecodeerd"), qPrintable(r.err));
        const QStringList lines = QString::fromUtf8(readFile(out)).split("\r\n");
        QCOMPARE(lines.size(), 202); // header, 200 rows, the empty rest after the last CR LF
        QCOMPARE(lines[0],
                 QStringLiteral("respondent;antwoord;RVL92;Beroep;Functienaam;Score;"
                                "Zekerheid;RVL92 2;Beroep 2;Functienaam 2;Score 2;RVL92 3;"
                                "Beroep 3;Functienaam 3;Score 3"));
        for (int i = 0; i < titles.size(); ++i) {
            const QString prefix = QString::number(i + 1) + u';';
            QVERIFY2(lines[i + 1].startsWith(prefix), qPrintable(lines[i + 1]));
            QVERIFY2(lines[i + 1].contains(u';' + titles[i].second + u';'),
                     qPrintable(lines[i + 1]));
            QVERIFY2(lines[i + 1].contains(QStringLiteral(";100;zeker;")),
                     qPrintable(lines[i + 1]));
        }

        // Standard input to standard output, a plain list, one candidate.
        QByteArray list;
        for (const auto& t : titles.mid(0, 5))
            list += t.first.toUtf8() + "\n";
        const ToolRun piped = codeer({"--kandidaten", "1", "--codering", "utf-8", "--stil"}, list);
        QCOMPARE(piped.exitCode, 0);
        QCOMPARE(piped.err, QString());
        const QStringList rows = QString::fromUtf8(piped.out).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0].split(u';').size(), 6);
        QCOMPARE(rows[0].split(u';')[1], titles[0].second);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input"); // written to in.csv
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // how a line of standard error begins
        row("unknown option", QStringList{"--snel"}, QByteArray("kok\n"), 2,
            "Onbekende optie: --snel");
        row("bad candidates", QStringList{"--kandidaten", "9"}, QByteArray("kok\n"), 2,
            "--kandidaten moet 1, 2 of 3 zijn, niet \"9\".");
        row("missing value", QStringList{"--kolom"}, QByteArray("kok\n"), 2,
            "Bij --kolom ontbreekt de waarde.");
        row("no such input", QStringList{"%DIR%/nergens.csv"}, QByteArray(), 3,
            "Kan het invoerbestand %DIR%/nergens.csv niet lezen: ");
        row("binary input", QStringList{"%DIR%/in.csv"},
            QByteArray("\x7f"
                       "ELF\0\0",
                       6),
            3,
            "Het bestand is geen tekst- of CSV-bestand: het bevat binaire "
            "gegevens.");
        row("column missing", QStringList{"--kolom", "4", "%DIR%/in.csv"}, QByteArray("a;b\n"), 3,
            "Kolom 4 bestaat niet: het bestand heeft 2 kolommen.");
        row("no database", QStringList{"--programmamap", "%DIR%", "%DIR%/in.csv"},
            QByteArray("kok\n"), 4,
            "Kan de database %DIR%/Programmabestanden/RVL92.MDB niet "
            "openen: ");
        row("output folder missing", QStringList{"%DIR%/in.csv", "%DIR%/geen/uit.csv"},
            QByteArray("kok\n"), 5, "Kan %DIR%/geen/uit.csv niet schrijven: ");
        row("output is input", QStringList{"%DIR%/in.csv", "%DIR%/in.csv"}, QByteArray("kok\n"), 5,
            "Het uitvoerbestand is het invoerbestand. Kies een andere "
            "naam: de invoer wordt nooit overschreven.");
    }

    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("in.csv"), input));
        for (QString& a : args)
            a.replace("%DIR%", dir.path());
        message.replace("%DIR%", dir.path());
        const ToolRun r = codeer(args);
        QCOMPARE(r.exitCode, exitCode);
        const QStringList lines = r.err.split(u'\n');
        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                             [&](const QString& l) { return l.startsWith(message); }),
                 qPrintable(r.err));
        // Nothing is written but the output asked for, and the input stays as it was.
        QCOMPARE(readFile(dir.filePath("in.csv")), input);
        QCOMPARE(folderEntries(dir.path()), QStringList{"in.csv"});
    }
};

QTEST_GUILESS_MAIN(TestRvl92Codeer)
#include "tst_rvl92codeer.moc"
