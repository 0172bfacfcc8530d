#include "coding/batchcoder.h"
#include "coding/csvtable.h"
#include "support/datafiles.h"
#include "support/datarow.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace rvl92::coding;

namespace {

const CodingEngine& engine() {
    static const CodingEngine e(std::vector<TitleSource>{
        {"10001", "Bakker", "Bakker"},
        {"20001", "Kok", "Kok"},
        {"30001", "Verkoper", "Verkoper"},
    });
    return e;
}

QByteArray codeBytes(const QByteArray& input, const BatchOptions& options, QString* error) {
    const std::optional<BatchInput> in = BatchCoder::read(input, options, error);
    if (!in)
        return {};
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    const BatchSummary s = BatchCoder::write(engine(), *in, options, &out);
    return s.status == BatchSummary::Status::Done ? out.data() : QByteArray("FAILED");
}

} // namespace

class TestCsvTable : public QObject {
    Q_OBJECT
private slots:
    void decode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoding"); // or the whole error message
        row("utf-8", QByteArray("caf\xC3\xA9"), "café", "UTF-8");
        row("utf-8 bom",
            QByteArray("\xEF\xBB\xBF"
                       "caf\xC3\xA9"),
            "café", "UTF-8 met BOM");
        row("windows-1252", QByteArray("caf\xE9 \x80"), "café €", "windows-1252");
        row("utf-16 le", QByteArray("\xFF\xFEk\0o\0k\0", 8), "kok", "UTF-16 (little-endian)");
        row("empty", QByteArray(), "", "Het bestand is leeg: er is niets te coderen.");
        row("bom then not utf-8",
            QByteArray("\xEF\xBB\xBF"
                       "caf\xE9"),
            "",
            "Het bestand begint als UTF-8, maar bevat tekens "
            "die geen UTF-8 zijn.");
    }

    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, encoding);
        QString error;
        const std::optional<DecodedText> d = decodeText(bytes, &error);
        if (!d) {
            QCOMPARE(error, encoding);
            return;
        }
        QCOMPARE(d->text, text);
        QCOMPARE(encodingText(d->encoding), encoding);
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator"); // as detected
        QTest::addColumn<QString>("records");   // fields joined by |, records by /
        row("semicolon", "a;b\r\nc;d\r\n", ";", "a|b/c|d");
        row("comma, no final break", "a,b\nc,d", ",", "a|b/c|d");
        row("tab, CR only", "a\tb\rc\td\r", "\t", "a|b/c|d");
        row("comma in title, semicolon file", "1;kok, zelfstandig\n2;bakker\n", ";",
            "1|kok, zelfstandig/2|bakker");
        row("quoted separator and quote", "1;\"kok; \"\"chef\"\"\"\n2;x\n", ";",
            "1|kok; \"chef\"/2|x");
        row("line break in quotes", "1;\"regel een\nregel twee\";z\n2;y;z\n", ";",
            "1|regel een\nregel twee|z/2|y|z");
        row("empty rows and fields", "a;b\n\n;\nc;\n", ";", "a|b//|/c|");
        row("one column", "kok\nbakker\n", "", "kok/bakker");
        row("quote left open", "1;\"kok\n2;bakker", ";", "1|kok\n2;bakker");
    }

    void parse() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QString, records);
        const QChar sep = detectSeparator(text);
        QCOMPARE(sep.isNull() ? QString() : QString(sep), separator);
        QStringList joined;
        for (const QStringList& r : parseCsv(text, sep))
            joined << r.join(u'|');
        QCOMPARE(joined.join(u'/'), records);
    }

    void writerQuotes() {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        CsvWriter w(&out, u';', OutputEncoding::Windows1252);
        QVERIFY(w.writeRecord({"a;b", "say \"hi\"", "two\nlines", "café", "日本"}));
        QVERIFY(w.writeRecord({}));
        QCOMPARE(out.data(),
                 QByteArray("\"a;b\";\"say \"\"hi\"\"\";\"two\nlines\";caf\xE9;??\r\n\r\n"));
        QCOMPARE(w.replacedCharacters(), 2);

        QBuffer utf8;
        utf8.open(QIODevice::WriteOnly);
        CsvWriter u(&utf8, u',', OutputEncoding::Utf8Bom);
        QVERIFY(u.writeRecord({"a;b", "x,y"}));
        QVERIFY(u.writeRecord({"日本"}));
        QCOMPARE(utf8.data(), QByteArray("\xEF\xBB\xBF"
                                         "a;b,\"x,y\"\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n"));
    }

    void coded_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QByteArray>("output"); // or the error message
        const QByteArray codes = "RVL92;Beroep;Functienaam;Score;Zekerheid";
        row("header, column by header word",
            QByteArray("nr;Functie\r\n7;Bakker (m/v)\r\n\r\n8;xyzzy\r\n"), "",
            QByteArray("nr;Functie;" + codes +
                       "\r\n7;Bakker (m/v);10001;Bakker;Bakker;100;zeker\r\n"
                       "\r\n8;xyzzy;;;;;\r\n"));
        row("column by name, short row padded", QByteArray("Titel,id,extra\n\"kok, chef\",1\n"),
            "titel", QByteArray("Titel;id;extra;" + codes + "\r\nkok, chef;1;;20001;Kok;Kok;"));
        row("one column without header", QByteArray("bakker\nkok\n"), "",
            QByteArray("bakker;10001;Bakker;Bakker;100;zeker\r\nkok;20001;Kok;Kok;100;zeker\r\n"));
        row("one column with header word", QByteArray("Functienaam\nkok\n"), "",
            QByteArray("Functienaam;" + codes + "\r\nkok;"));
        row("column name missing", QByteArray("a;b\n1;2\n"), "functie",
            QByteArray("De kolom \"functie\" staat niet in de "
                       "kopregel (a, b)."));
        row("no column to choose", QByteArray("a;b\n1;2\n"), "",
            QByteArray("Het bestand heeft 2 kolommen; kies de "
                       "kolom met de functienaam."));
        row("only empty lines", QByteArray("\r\n\r\n"), "",
            QByteArray("Het bestand bevat alleen lege regels: er "
                       "is niets te coderen."));
        const QByteArray longTitle = "bakker " + QByteArray(10000, 'x');
        row("10,000-character line", QByteArray("1;" + longTitle + "\n"), "2",
            QByteArray("1;" + longTitle + ";"));
    }

    void coded() {
        QFETCH(QByteArray, input);
        QFETCH(QString, column);
        QFETCH(QByteArray, output);
        BatchOptions options;
        options.candidates = 1;
        options.column = column;
        QString error;
        const QByteArray out = codeBytes(input, options, &error);
        if (out.isEmpty())
            QCOMPARE(error.toUtf8(), output);
        else
            QVERIFY2(out.startsWith(output), out.left(300).constData());
    }

    // The output file appears whole or not at all. (An output that is the input,
    // or lies in a missing folder, is refused as rvl92-codeer shows.)
    void fileIsAllOrNothing() {
        QTemporaryDir dir;
        const QString input = dir.filePath("antwoorden.csv");
        const QString output = BatchCoder::defaultOutputPath(input);
        QCOMPARE(output, dir.filePath("antwoorden-gecodeerd.csv"));
        const QByteArray rows = QByteArray("kok\n").repeated(2000);
        QVERIFY(writeFile(input, rows));
        BatchOptions options;
        QString error;
        const std::optional<BatchInput> in = BatchCoder::read(rows, options, &error);
        QVERIFY(in);

        std::atomic<bool> cancel{false};
        qint64 lastDone = 0;
        const BatchSummary cancelled = BatchCoder::writeFile(
            engine(), *in, options, input, output,
            [&](qint64 done, qint64) {
                lastDone = done;
                cancel = done >= 512;
            },
            &cancel);
        QCOMPARE(cancelled.status, BatchSummary::Status::Cancelled);
        QCOMPARE(lastDone, 512);
        QCOMPARE(folderEntries(dir.path()), QStringList{"antwoorden.csv"});

        const BatchSummary done = BatchCoder::writeFile(engine(), *in, options, input, output);
        QCOMPARE(done.status, BatchSummary::Status::Done);
        QCOMPARE(done.rows, 2000);
        QCOMPARE(done.byCertainty[size_t(Certainty::Sure)], 2000);
        QCOMPARE(readFile(output).count('\n'), 2000);
    }
};

QTEST_GUILESS_MAIN(TestCsvTable)
#include "tst_csvtable.moc"
