// The export files byte by byte: windows-1252, CR LF, the layouts and their
// NULL rules, the choice of layout by file name.

#include "data/database.h"
#include "data/recordset.h"
#include "export/exportlines.h"
#include "export/layouts.h"

#include "export/exportfixture.h"
#include "support/datarow.h"
#include "support/failingdevice.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace rvl92;
using namespace rvl92::exports;
using exportfixture::contents;
using exportfixture::crlf;

Q_DECLARE_METATYPE(rvl92::exports::ExportType)

class TestExportLayouts : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Database m_cnn;

    // Runs `sql` and writes its rows with `layout` into a buffer.
    QByteArray exported(const QString& sql,
                        void (*layout)(const Recordset&, ExportType, ExportLines&),
                        ExportType type) {
        Recordset rs;
        DbError err;
        if (!rs.open(sql, m_cnn, &err)) {
            qWarning() << err.description;
            return "<query failed>";
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ExportLines out(&buffer);
        layout(rs, type, out);
        return out.ok() ? buffer.data() : QByteArray("<write failed>");
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(exportfixture::write(m_dir.path()));
        DbError err;
        QVERIFY2(m_cnn.openProgramDatabase(m_dir.path(), &err), qPrintable(err.description));
    }

    void windows1252_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        row("ascii", "RVL92 ;#'", QByteArray("RVL92 ;#'"));
        row("accents", QString::fromUtf8("éëèçÉ"), QByteArray("\xe9\xeb\xe8\xe7\xc9"));
        row("euro, quotes", QString::fromUtf8("€ ‘x’"), QByteArray("\x80 \x91x\x92"));
        // Characters the code page lacks become "?", never the converter's 0x1A.
        row("outside code page", QString::fromUtf8("Ős中"), QByteArray("?s?"));
        row("outside BMP, one mark", QString::fromUtf8("a😀b"), QByteArray("a?b"));
        row("empty", QString(), QByteArray());
    }
    void windows1252() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toWindows1252(text), bytes);
    }

    void typeForPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ExportType>("filter");
        QTest::addColumn<ExportType>("type");
        const auto T = ExportType::Text;
        const auto C = ExportType::Csv;
        row("txt", "/m/Kenmerken.txt", C, T);
        row("csv", "/m/Kenmerken.csv", T, C);
        row("capitals TXT", "/m/Namen.TXT", C, T);
        row("other extension, csv filter", "/m/Namen.lst", C, C);
        row("no extension", "/m/Namen", C, C);
        row("only the last extension", "/m/a.txt.csv", T, C);
        row("folder named .csv", "/m/x.csv/Namen", T, T);
    }
    void typeForPath() {
        QFETCH(QString, path);
        QFETCH(ExportType, filter);
        QFETCH(ExportType, type);
        QCOMPARE(exportTypeFor(path, filter), type);
    }

    void lists_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<ExportType>("type");
        QTest::addColumn<QByteArray>("file");
        const auto kenmerken = [](const char* code) {
            return QStringLiteral(" Select RVL.* from RVL where RVL92 = '%1'").arg(code);
        };
        // One work type and three skills, the absent ones NULL: 12 lines.
        row("characteristics, nulls drop lines", kenmerken("11010"), "kenmerken", ExportType::Text,
            crlf({"RVL92-code   : 11010", "Beroepsniveau: 1 Elementair",
                  "Beroepsklasse: 12 Voeding", "Beroepsgroep : 121 Bakkers",
                  "Niveau       : 02 Basis", "Hoofdrichting: 3 Ambachtelijk",
                  "Richting     : 31 Voedsel", "Werksoort1   : 101 Bereiden",
                  "Vaardigheid1 : 201 Deeg kneden", "Vaardigheid2 : 202 Oven stoken",
                  "Vaardigheid3 : 203 Cr\xe8me maken", "Beroep       : Bakker van brood; banket"}));
        // Empty strings keep their lines; a NULL name after a code leaves the
        // blank; a NULL occupation name drops its line.
        QList<QByteArray> leeg{"RVL92-code   : 22020", "Beroepsniveau: 2 "};
        for (const char* label :
             {"Beroepsklasse: ", "Beroepsgroep : ", "Niveau       : ", "Hoofdrichting: ",
              "Richting     : ", "Werksoort1   : ", "Werksoort2   : ", "Werksoort3   : ",
              "Vaardigheid1 : ", "Vaardigheid2 : ", "Vaardigheid3 : ", "Vaardigheid4 : ",
              "Vaardigheid5 : ", "Vaardigheid6 : ", "Vaardigheid7 : "})
            leeg << QByteArray(label) + " ";
        row("characteristics, empty strings keep lines", kenmerken("22020"), "kenmerken",
            ExportType::Text, crlf(leeg));
        row("characteristics, only the code decides", kenmerken("33030"), "kenmerken",
            ExportType::Text,
            crlf({"RVL92-code   : 33030", "Beroepsgroep : 331 ", "Beroep       : Ploegleider"}));
        row("characteristics, csv", kenmerken("11010"), "kenmerken", ExportType::Csv,
            crlf({"1;Elementair;Voeding;Bakkers;Basis;Ambachtelijk;Voedsel;Bereiden;;;"
                  "Deeg kneden;Oven stoken;Cr\xe8me maken;;;;;Bakker van brood; banket"}));
        // Absent values keep their separators: always 17 of them.
        row("characteristics, csv of empty strings", kenmerken("22020"), "kenmerken",
            ExportType::Csv, crlf({"2" + QByteArray(17, ';')}));
        row("characteristics, csv of the code alone", kenmerken("33030"), "kenmerken",
            ExportType::Csv, crlf({QByteArray(17, ';') + "Ploegleider"}));

        const QString titles = "SELECT RVL92, Functienaam, beroep FROM functienamen ORDER BY id";
        const QString functienamen = "functienamen";
        row("job titles, text", titles, functienamen, ExportType::Text,
            crlf({"11010 Broodbakker", "33030 Chef d'\xe9quipe", "11010 Bakker; deeg",
                  "11010 P\xe2tissier  \x80 \xeb", " Zonder code", "44040 "}));
        row("job titles, csv", titles, functienamen, ExportType::Csv,
            crlf({"11010;Broodbakker", "33030;Chef d'\xe9quipe", "11010;Bakker; deeg",
                  "11010;P\xe2tissier  \x80 \xeb", ";Zonder code", "44040;"}));

        const QString found = "select RVL92, werksoortCode1, werksoort1, werksoortCode2,"
                              "  werksoort2, werksoortCode3, werksoort3, beroep "
                              " from RVL order by RVL92";
        const QString zoeken = "zoekenKenmerken";
        // A NULL work-type code is three blanks, an empty one stays empty.
        row("characteristic search, text", found, zoeken, ExportType::Text,
            crlf({"11010 101" + QByteArray(9, ' ') + "Bakker van brood; banket",
                  "22020" + QByteArray(4, ' '), "33030" + QByteArray(13, ' ') + "Ploegleider"}));
        row("characteristic search, csv", found, zoeken, ExportType::Csv,
            crlf({"11010;101;;;Bakker van brood; banket", "22020;;;;", "33030;;;;Ploegleider"}));

        const QString namen = "namen";
        row("job titles of an occupation, text", namenExportSql("11010"), namen, ExportType::Text,
            crlf({"11010 121 Broodbakker", "11010 121 Bakker; deeg",
                  "11010 121 P\xe2tissier  \x80 \xeb"}));
        row("job titles of an occupation, csv", namenExportSql("11010"), namen, ExportType::Csv,
            crlf({"11010;121;Broodbakker", "11010;121;Bakker; deeg",
                  "11010;121;P\xe2tissier  \x80 \xeb"}));
        // A quote in the code stays inside the literal: no rows, no SQL error.
        row("job titles of an odd code", namenExportSql("1' or ''='"), namen, ExportType::Csv,
            QByteArray());
    }
    // A device that stops taking bytes: the lines before it count, the line it
    // cuts short and every later one fail, and nothing is written after the
    // first failure.
    void failingDevice_data() {
        QTest::addColumn<int>("budget");
        QTest::addColumn<int>("linesWritten");
        row("refused at once", 0, 0);
        row("second line cut short", 7, 1);
        row("full after two lines", 10, 2);
        row("room enough", 100, 3);
    }
    void failingDevice() {
        QFETCH(int, budget);
        QFETCH(int, linesWritten);
        FailingDevice device(budget);
        ExportLines out(&device);
        int accepted = 0;
        for (const char* line : {"abc", "def", "ghi"})
            accepted += out.write(QString::fromLatin1(line)) ? 1 : 0;
        QCOMPARE(accepted, linesWritten);
        QCOMPARE(out.ok(), linesWritten == 3);
        QCOMPARE(out.linesWritten(), linesWritten);
        QCOMPARE(device.writeCalls(), qMin(linesWritten + 1, 3));
        QCOMPARE(device.taken(), QByteArray("abc\r\ndef\r\nghi\r\n").left(budget));
    }

    void lists() {
        QFETCH(QString, sql);
        QFETCH(QString, layout);
        QFETCH(ExportType, type);
        QFETCH(QByteArray, file);
        const auto write = layout == "namen"          ? writeNamen
                           : layout == "functienamen" ? writeFunctienamen
                           : layout == "kenmerken"    ? writeKenmerken
                                                      : writeZoekenKenmerken;
        QByteArray got = exported(sql, write, type);
        if (layout == "namen") {
            // The join returns the titles in an order of the database's choosing.
            QList<QByteArray> lines = got.split('\n');
            std::sort(lines.begin(), lines.end());
            QList<QByteArray> expected = file.split('\n');
            std::sort(expected.begin(), expected.end());
            QCOMPARE(lines, expected);
            return;
        }
        QCOMPARE(got, file);
    }
};

QTEST_GUILESS_MAIN(TestExportLayouts)
#include "tst_exportlayouts.moc"
