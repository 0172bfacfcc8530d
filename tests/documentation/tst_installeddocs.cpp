// What the build put into the installed tree: the documents, the code lists,
// the user files and the conversion-scheme folders, checked against the
// demonstration database they were made from.
#include "documentation/notices.h"
#include "documentation/rtfreader.h"
#include "support/datafiles.h"
#include "support/datarow.h"
#include "support/datasqlitereader.h"
#include "support/datatoolrun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace rvl92;

namespace {

const QString kTree = QStringLiteral(RVL92_TREE_DIR);

// The lines of a windows-1252 file with CR LF line ends; fails the test when a
// line ends otherwise.
QStringList lines(const QString& rel) {
    const QByteArray bytes = readFile(kTree + '/' + rel);
    if (bytes.isEmpty() || !bytes.endsWith("\r\n"))
        return {};
    QStringDecoder decode("windows-1252");
    QStringList out = QString(decode(bytes)).split(QStringLiteral("\r\n"));
    out.removeLast();
    for (const QString& l : out)
        if (l.contains('\n') || l.contains('\r'))
            return {};
    return out;
}

QString documentText(const QString& rel) {
    QTextDocument doc;
    if (readRtf(readFile(kTree + '/' + rel), &doc) != RtfStatus::Ok)
        return QString();
    return doc.toPlainText();
}

} // namespace

class TestInstalledDocs : public QObject {
    Q_OBJECT
private slots:
    void pdfs_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("minPages");
        row("manual", "Handleiding.pdf", 5);
        row("publication", "PubRVL.pdf", 3);
        row("scheme", "Classificatieschema RVL92.pdf", 10);
    }
    void pdfs() {
        QFETCH(QString, file);
        QFETCH(int, minPages);
        const QByteArray pdf = readFile(kTree + '/' + file);
        QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(file));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        static const QRegularExpression page("/Type\\s*/Page(?!s)");
        const qsizetype pages = QString::fromLatin1(pdf).count(page);
        QVERIFY2(pages >= minPages, qPrintable(QString::number(pages)));
        QVERIFY(pdf.contains("/FontFile")); // fonts embedded, readable anywhere
    }

    // The manual covers every screen, the searches, export and documentation.
    void manualCoversTheProgram() {
        const QString text = documentText("Handleiding.doc");
        QVERIFY(!text.isEmpty());
        for (const char* must : {"Startscherm",
                                 "Zoekprogramma en classificatielijsten",
                                 "Overzicht Functienamen",
                                 "Overzicht Beroepen",
                                 "Functienamen bij beroep",
                                 "Kenmerken van beroep",
                                 "Zoeken op functienamen",
                                 "Zoeken op RVL92-code",
                                 "Zoeken op kenmerken",
                                 "Exporteren",
                                 "Keuze bestandsformaat",
                                 "Schakelschema's",
                                 "Codelijsten",
                                 "Recordselector",
                                 "Vorig scherm",
                                 "Het opslaan is geannuleerd",
                                 "De Acrobat- of Adobe-Reader is niet op het systeem aangetroffen!",
                                 "demonstratiegegevens",
                                 "Toegankelijkheid",
                                 "Functienamen coderen",
                                 "rvl92-codeer --help"})
            QVERIFY2(text.contains(QString::fromUtf8(must), Qt::CaseInsensitive), must);
    }

    // The publication text describes the demo classification as it is.
    void publicationFollowsTheDatabase() {
        const QString text = documentText("PubRVL.doc");
        QVERIFY(text.contains("Demonstratietekst"));
        SqliteReader db(demoDatabase());
        QVERIFY(text.contains(QString::number(db.count("SELECT COUNT(*) FROM RVL")) + " beroepen"));
        QVERIFY(text.contains(QString::number(db.count("SELECT COUNT(*) FROM functienamen")) +
                              " functienamen"));
        QStringList lookups = db.column("SELECT Werksoorten FROM Werksoorten");
        lookups << db.column("SELECT Vaardigheden FROM Vaardigheden")
                << db.column("SELECT richting FROM richtingen")
                << db.column("SELECT NiveauTotaal FROM BekwaamhedenNiveau")
                << db.column("SELECT DISTINCT BeroepsklasseCode || '\t' || BeroepsKlasse FROM RVL");
        QVERIFY(lookups.size() > 100);
        for (const QString& row : lookups) {
            // "101 Plannen" is printed as "101<TAB>Plannen".
            const QString printed = QString(row).replace(QRegularExpression("^(\\d+) "), "\\1\t");
            QVERIFY2(text.contains(printed), qPrintable(printed));
        }
        QVERIFY(!text.contains("{{"));
    }

    void codeLists() {
        const QDir dir(kTree + "/Codelijsten RVL");
        QStringList expected;
        for (const QString& name : notice::codeLists())
            expected << name + ".txt";
        expected << "Recordbeschrijvingen.txt";
        expected.sort();
        QCOMPARE(dir.entryList(QDir::Files, QDir::Name), expected);

        SqliteReader db(demoDatabase());
        const QList<QPair<QString, int>> counts = {
            {"Niveau bekwaamheden", db.count("SELECT COUNT(*) FROM BekwaamhedenNiveau")},
            {"Hoofdrichting bekwaamheden",
             db.count(
                 "SELECT COUNT(*) FROM richtingen WHERE length(trim(substr(richting,1,3)))=2")},
            {"Richting bekwaamheden",
             db.count(
                 "SELECT COUNT(*) FROM richtingen WHERE length(trim(substr(richting,1,3)))=3")},
            {"Beroepsniveaus", db.count("SELECT COUNT(DISTINCT BeroepsniveauCode) FROM RVL")},
            {"Beroepsklassen", db.count("SELECT COUNT(DISTINCT BeroepsklasseCode) FROM RVL")},
            {"Beroepsgroepen", db.count("SELECT COUNT(DISTINCT BeroepsGroepCode) FROM RVL")},
            {"Beroepen", db.count("SELECT COUNT(*) FROM RVL")},
            {"Werksoorten", db.count("SELECT COUNT(*) FROM Werksoorten")},
            {"Specifieke vaardigheden", db.count("SELECT COUNT(*) FROM Vaardigheden")},
            {"Beroepsvariabelen", db.count("SELECT COUNT(*) FROM RVL")},
            {"Functiebenamingen alfabetisch", db.count("SELECT COUNT(*) FROM functienamen")},
            {"Functiebenamingen systematisch", db.count("SELECT COUNT(*) FROM functienamen")}};
        const QStringList description = lines("Codelijsten RVL/Recordbeschrijvingen.txt");
        for (const auto& [name, count] : counts) {
            QVERIFY2(count > 0, qPrintable(name));
            QCOMPARE(lines("Codelijsten RVL/" + name + ".txt").size(), count);
            QVERIFY2(description.contains("Records     : " + QString::number(count)) &&
                         description.contains("Bestand     : " + name + ".txt"),
                     qPrintable(name));
        }
    }

    // The fixed-width records lie where the record description says.
    void codeListRecords() {
        SqliteReader db(demoDatabase());
        const QStringList beroepen = lines("Codelijsten RVL/Beroepen.txt");
        const QStringList codes = db.column("SELECT RVL92 FROM RVL ORDER BY RVL92");
        const QStringList names = db.column("SELECT beroep FROM RVL ORDER BY RVL92");
        QCOMPARE(beroepen.size(), codes.size());
        for (int i = 0; i < codes.size(); ++i) {
            QCOMPARE(beroepen[i].left(5), codes[i]);
            QCOMPARE(beroepen[i].mid(6), names[i]); // accents survive the code page
        }
        const QStringList titles = lines("Codelijsten RVL/Functiebenamingen alfabetisch.txt");
        const QStringList dbTitles =
            db.column("SELECT Functienaam FROM functienamen ORDER BY rowid");
        const int width = db.count("SELECT MAX(length(Functienaam)) FROM functienamen");
        QCOMPARE(titles.first().left(width).trimmed(), dbTitles.first());
        QCOMPARE(titles.last().mid(width + 1).size(), 5);
        const QStringList description = lines("Codelijsten RVL/Recordbeschrijvingen.txt");
        QVERIFY(description.contains(QString("%1 %2 %3  %4")
                                         .arg(QString("RVL92").leftJustified(12))
                                         .arg(width + 2, 8)
                                         .arg(5, 7)
                                         .arg("RVL92-code van het beroep")));
    }

    void userFiles() {
        SqliteReader db(demoDatabase());
        const QStringList codes = db.column("SELECT RVL92 FROM functienamen ORDER BY rowid");
        const QStringList titles = db.column("SELECT Functienaam FROM functienamen ORDER BY rowid");
        const QStringList text = lines("Gebruikersbestanden/Functienamen.txt");
        const QStringList csv = lines("Gebruikersbestanden/Functienamen.csv");
        QCOMPARE(text.size(), codes.size());
        QCOMPARE(csv.size(), codes.size());
        for (int i = 0; i < codes.size(); i += 97) {
            QCOMPARE(text[i], codes[i] + ' ' + titles[i]);
            QVERIFY(csv[i].startsWith(codes[i] + ';' + titles[i] + ';'));
        }
        QCOMPARE(lines("Gebruikersbestanden/Beroepen.txt").size(),
                 db.count("SELECT COUNT(*) FROM RVL"));
        QCOMPARE(lines("Gebruikersbestanden/Beroepen.csv").size(),
                 db.count("SELECT COUNT(*) FROM RVL"));
    }

    void conversionSchemeFolders() {
        for (const char* folder :
             {"LK84-RVL92", "LK84-BERGRRVL92", "RVL92-ISCO88", "Sociale stratificatie"}) {
            const QStringList text =
                lines(QString("Schakelschema's/%1/Toelichting.txt").arg(folder));
            QVERIFY2(text.size() > 3, folder);
            QVERIFY(text.join('\n').contains("DEMONSTRATIE"));
        }
    }

    // The generator reports a failure as one.
    void generatorFailsOnMissingDatabase() {
        QTemporaryDir out;
        const ToolRun run =
            runTool(RVL92_DOCS_TOOL, {"--bronnen", RVL92_SOURCE_DIR "/installdata/docs",
                                      "--database", out.path() + "/weg.MDB", "--uit", out.path()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("ontbreekt"));
        QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

QTEST_MAIN(TestInstalledDocs)
#include "tst_installeddocs.moc"
