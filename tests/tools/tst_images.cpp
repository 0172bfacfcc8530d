// The pictures of the installed tree: readable, of the sizes and formats the
// program and the desktop expect, and really drawn (not one flat colour).

#include "support/datafiles.h"
#include "support/datarow.h"
#include "support/datatoolrun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kTool = QStringLiteral(RVL92_IMAGES_TOOL);
const QString kTree = QStringLiteral(RVL92_TREE_DIR);

int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return int(colours.size());
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const ToolRun run = runTool(kTool, {"--logo", m_dir.filePath("KVD Logo.bmp"), "--icoon",
                                            m_dir.filePath("KVD Icoon.ico"), "--pictogrammen",
                                            m_dir.filePath("hicolor")});
        QCOMPARE(run.exitCode, 0);
        // Qt may note things about the offscreen platform; the tool itself says nothing.
        QVERIFY2(!run.err.contains(QLatin1String("rvl92-images:")), qPrintable(run.err));
    }

    void pictures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("transparentCorner");
        struct Picture {
            QString tree;
            QString fresh;
            QByteArray format;
            QSize size;
            bool transparent;
        };
        QList<Picture> pictures{
            {"/Programmabestanden/KVD Logo.bmp", "KVD Logo.bmp", "bmp", {200, 100}, false},
            {"/Programmabestanden/KVD Icoon.ico", "KVD Icoon.ico", "ico", {32, 32}, true},
        };
        // Every size an icon theme looks for, drawn at that size.
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString icon = QStringLiteral("hicolor/%1x%1/apps/rvl92.png").arg(size);
            pictures.append({"/share/icons/" + icon, icon, "png", {size, size}, true});
        }
        for (const Picture& p : pictures) {
            QTest::addRow("tree: %s", qPrintable(p.fresh))
                << kTree + p.tree << p.format << p.size << p.transparent;
            QTest::addRow("fresh: %s", qPrintable(p.fresh))
                << m_dir.filePath(p.fresh) << p.format << p.size << p.transparent;
        }
    }

    void pictures() {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QFETCH(bool, transparentCorner);
        QImageReader reader(path);
        QCOMPARE(reader.format(), format); // by content, not by name
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        QVERIFY(colourCount(image) > 8);
        QCOMPARE(qAlpha(image.pixel(0, 0)) == 0, transparentCorner);
    }

    // The start screen loads a 24-bit bitmap: bit count 24 in the header.
    void logoIs24Bit() {
        const QByteArray header = readFile(kTree + "/Programmabestanden/KVD Logo.bmp").left(30);
        QCOMPARE(int(uchar(header[28])) | int(uchar(header[29])) << 8, 24);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments"); // %1: a fresh directory
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("firstLine");
        row("map bestaat niet", QStringList{"--icoon", "%1/nergens/KVD Icoon.ico"}, 1,
            "rvl92-images: Kan %1/nergens/KVD Icoon.ico niet aanmaken.");
        row("onbekend argument", QStringList{"--logo", "%1/logo.bmp", "--groot"}, 2,
            "rvl92-images: Onbekend argument: --groot");
        row("geen bestand", QStringList{"--logo"}, 2,
            "rvl92-images: Bij --logo hoort een bestandsnaam.");
        row("niets gevraagd", QStringList{}, 2,
            "rvl92-images: Geef aan welke plaatjes gemaakt moeten worden.");
    }

    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, firstLine);
        QTemporaryDir dir;
        arguments.replaceInStrings(QStringLiteral("%1"), dir.path());
        const ToolRun run = runTool(kTool, arguments);
        QCOMPARE(run.exitCode, exitCode);
        // Qt may add notes about the offscreen platform; the tool's own line counts.
        const QStringList lines = run.err.split('\n').filter(QRegularExpression("^rvl92-images: "));
        QCOMPARE(lines.value(0), QString(firstLine).replace(QStringLiteral("%1"), dir.path()));
        QCOMPARE(folderEntries(dir.path()), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestImages)
#include "tst_images.moc"
