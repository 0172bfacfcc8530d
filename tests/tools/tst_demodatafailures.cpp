// The demonstration-database generator fails loudly and leaves nothing behind:
// a Dutch message, a non-zero exit code, no half-written database and no
// change to a database that was already there.

#include "support/datafiles.h"
#include "support/datarow.h"
#include "support/datatoolrun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kTool = QStringLiteral(RVL92_DEMODATA_TOOL);
const QString kLists = QStringLiteral(RVL92_DEMODATA_LISTS);

} // namespace

class TestDemodataFailures : public QObject {
    Q_OBJECT

private slots:
    void badArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstLine");
        row("geen uitvoer", QStringList{},
            "rvl92-demodata: Geef met --uit aan welk databasebestand "
            "gemaakt moet worden.");
        row("--uit zonder waarde", QStringList{"--uit"},
            "rvl92-demodata: Bij --uit hoort een waarde.");
        row("onbekend argument", QStringList{"--uit", "x.db", "--snel"},
            "rvl92-demodata: Onbekend argument: --snel");
        row("te weinig beroepen", QStringList{"--uit", "x.db", "--beroepen", "2"},
            "rvl92-demodata: Ongeldige waarde voor --beroepen: \"2\" (verwacht een geheel getal "
            "van 3 tot en met 9999).");
        row("geen getal", QStringList{"--uit=x.db", "--functienamen=veel"},
            "rvl92-demodata: Ongeldige waarde voor --functienamen: \"veel\" (verwacht een "
            "geheel getal van 1 tot en met 5000000).");
        row("negatief zaad", QStringList{"--uit", "x.db", "--zaad", "-1"},
            "rvl92-demodata: Ongeldige waarde voor --zaad: \"-1\" (verwacht een geheel getal "
            "van 0 tot en met 18446744073709551615).");
    }

    void badArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        QTemporaryDir dir;
        const ToolRun run = runTool(kTool, arguments, {}, dir.path());
        QCOMPARE(run.exitCode, 2);
        const QString& errors = run.err;
        QCOMPARE(errors.section('\n', 0, 0), firstLine);
        QVERIFY2(errors.contains("Gebruik: rvl92-demodata --uit <bestand>"), qPrintable(errors));
        QCOMPARE(folderEntries(dir.path()), QStringList{});
    }

    void tooManyOccupations() {
        QTemporaryDir dir;
        const QString target = dir.filePath("RVL92.MDB");
        const ToolRun run =
            runTool(kTool, {"--uit", target, "--woordenlijsten", kLists, "--beroepen", "9999"});
        QCOMPARE(run.exitCode, 1);
        static const QRegularExpression message(
            "^rvl92-demodata: Met deze woordenlijsten zijn hoogstens \\d+ beroepen te maken\\.\n$");
        QVERIFY2(message.match(run.err).hasMatch(), qPrintable(run.err));
        QCOMPARE(folderEntries(dir.path()), QStringList{});
    }

    void unwritableTarget_data() {
        QTest::addColumn<QString>("target");  // relative to a fresh directory
        QTest::addColumn<QString>("message"); // %1: that directory
        row("map bestaat niet", "nergens/RVL92.MDB",
            "rvl92-demodata: Kan in de map %1/nergens geen bestand aanmaken.\n");
        row("doel is een map", "map", "rvl92-demodata: %1/map is een map, geen bestand.\n");
    }

    void unwritableTarget() {
        QFETCH(QString, target);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("map"));
        const QStringList before = folderEntries(dir.path());

        const ToolRun run = runTool(kTool, {"--uit", dir.filePath(target), "--woordenlijsten",
                                            kLists, "--beroepen", "60", "--functienamen", "500"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, message.arg(QDir::toNativeSeparators(dir.path())));
        QCOMPARE(folderEntries(dir.path()), before);
        QCOMPARE(folderEntries(dir.filePath("map")), QStringList{});
    }

    void brokenWordLists_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line");        // the line to change
        QTest::addColumn<QString>("replacement"); // what it becomes
        QTest::addColumn<QString>("errorAt");     // the line the message names; empty: none
        QTest::addColumn<QString>("message");

        row("code dubbel", "werksoorten.txt", "102 Analyseren en onderzoeken",
            "101 Analyseren en onderzoeken", "101 Analyseren en onderzoeken",
            "code 101 komt niet na 101 (de codes staan oplopend en komen "
            "één keer voor).");
        row("richting zonder hoofdrichting", "richtingen.txt", "01 Algemeen", "",
            "011 Algemene vorming", "richting 011 staat niet direct onder haar hoofdrichting 01.");
        row("hoofdrichting zonder richtingen", "richtingen.txt",
            "105 Welzijn en maatschappelijke zorg",
            "105 Welzijn en maatschappelijke zorg\n11 Overig", "",
            "%1: hoofdrichting 11 heeft geen richtingen.");
        row("onbekende werksoort", "beroepsklassen.txt",
            "3 | agrarisch | agrarische beroepen | 303 305 307 310 | 021 041 043 058 061 062 "
            "067 077",
            "3 | agrarisch | agrarische beroepen | 303 399 | 021",
            "3 | agrarisch | agrarische beroepen | 303 399 | 021", "onbekende werksoort 399.");
        row("veld ontbreekt", "beroepsniveaus.txt",
            "3 | Middelbaar beroepsniveau | middelbare | 32",
            "3 | Middelbaar beroepsniveau | middelbare",
            "3 | Middelbaar beroepsniveau | middelbare",
            "verwacht 4 velden gescheiden door \"|\".");
        row("rol bij onbekende specialisatie", "vakgebieden.txt",
            "2 = veeverzorger/dierverzorger; melker [melkvee, geiten, schapen]",
            "2 = veeverzorger/dierverzorger; melker [melkvee, kippen]", "[veehouderij]",
            "rol melker noemt \"kippen\", dat niet bij de vakken van veehouderij staat.");
        row("beroep op niveau zonder groep", "bijzondere_beroepen.txt",
            "infra | 4 | coördinator | planning en uitvoering van onderhoud aan bruggen, "
            "sluizen "
            "en andere kunstwerken",
            "infra | 7 | coördinator | bruggen", "infra | 7 | coördinator | bruggen",
            "vakgebied infra heeft geen rollen op beroepsniveau 7.");
        row("lijst ontbreekt", "kwalificaties.txt", "", "", "", "Woordenlijst %1 ontbreekt.");
        // "*": the whole list replaced, written in Latin-1.
        row("geen UTF-8", "toevoegingen.txt", "*", "1 | 123 | in opleiding\n2 | 123 | (café)\n", "",
            "Woordenlijst %1 is geen geldige UTF-8-tekst.");
    }

    // The message names file and line; a database already at the target stays.
    void brokenWordLists() {
        QFETCH(QString, file);
        QFETCH(QString, line);
        QFETCH(QString, replacement);
        QFETCH(QString, errorAt);
        QFETCH(QString, message);
        QTemporaryDir lists;
        for (const QString& name : QDir(kLists).entryList({"*.txt"}, QDir::Files)) {
            QVERIFY(QFile::copy(QDir(kLists).filePath(name), lists.filePath(name)));
        }
        const QString path = lists.filePath(file);
        QString shownAt;
        if (line.isEmpty()) {
            QVERIFY(QFile::remove(path));
        } else if (line == "*") {
            QVERIFY(writeFile(path, replacement.toLatin1()));
        } else {
            QStringList lines = QString::fromUtf8(readFile(path)).split('\n');
            const qsizetype changed = lines.indexOf(line);
            QVERIFY2(changed >= 0, qPrintable(line));
            lines[changed] = replacement;
            QVERIFY(writeFile(path, lines.join('\n').toUtf8()));
            if (!errorAt.isEmpty())
                shownAt = QStringLiteral(", regel %1").arg(lines.indexOf(errorAt) + 1);
        }

        QTemporaryDir output;
        const QString target = output.filePath("RVL92.MDB");
        QVERIFY(writeFile(target, "vorige database"));
        const ToolRun run = runTool(kTool, {"--uit", target, "--woordenlijsten", lists.path()});
        QCOMPARE(run.exitCode, 1);
        const QString shownPath = QDir::toNativeSeparators(path);
        const QString expected = shownAt.isEmpty()
                                     ? message.arg(shownPath)
                                     : QStringLiteral("%1%2: %3").arg(shownPath, shownAt, message);
        QCOMPARE(run.err, QStringLiteral("rvl92-demodata: %1\n").arg(expected));
        QCOMPARE(folderEntries(output.path()), QStringList{"RVL92.MDB"});
        QCOMPARE(readFile(target), QByteArray("vorige database"));
    }
};

QTEST_GUILESS_MAIN(TestDemodataFailures)
#include "tst_demodatafailures.moc"
