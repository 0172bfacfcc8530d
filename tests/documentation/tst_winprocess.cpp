// Starting the associated viewer on a document and waiting for it, with a
// small stand-in viewer that records its arguments.
#include "documentation/documentlauncher.h"

#include "support/datarow.h"
#include "support/xdgsandbox.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

using namespace rvl92;

namespace {

QStringList readLog(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestWinProcess : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_box = std::make_unique<XdgSandbox>();
        QVERIFY(m_box->isValid());
        m_log = m_box->path("viewer.log");
        qputenv("RVL92_TESTVIEWER_LOG", QFile::encodeName(m_log));
        qputenv("RVL92_TESTVIEWER_MS", "600");
        QVERIFY(
            m_box->addEntry("lezer.desktop", QStringLiteral(RVL92_TESTVIEWER " --document %f")));
        QVERIFY(m_box->setDefaults(
            {"application/pdf=lezer.desktop", "application/msword=lezer.desktop"}));
    }
    void cleanup() { m_box.reset(); }

    // The document reaches the viewer as one argument, exactly as it is: no
    // shell ever sees it.
    void documentPassedLiterally_data() {
        QTest::addColumn<QString>("file");
        row("blanks", "/Mijn documenten/RVL 92/PubRVL.doc");
        row("quotes", R"(/a "b" 'c'/PubRVL.pdf)");
        row("shell signs", "/x/$HOME `id` $(id); rm -rf ~ | cat & *?.pdf");
        row("accents", "/café/Handleiding.pdf");
    }
    void documentPassedLiterally() {
        QFETCH(QString, file);
        qputenv("RVL92_TESTVIEWER_MS", "0");
        clsWinProcess process;
        QVERIFY(process.StartApplication(file, true));
        QCOMPARE(readLog(m_log), (QStringList{"--document", file, "einde"}));
    }

    void startWithoutWaiting() {
        qputenv("RVL92_TESTVIEWER_MS", "1500");
        clsWinProcess process;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(process.StartApplication("/docs/PubRVL.pdf", false));
        QVERIFY2(clock.elapsed() < 1200, qPrintable(QString::number(clock.elapsed())));
        // It runs on by itself and ends in its own time.
        QTRY_COMPARE_WITH_TIMEOUT(readLog(m_log),
                                  (QStringList{"--document", "/docs/PubRVL.pdf", "einde"}), 5000);
    }

    void noViewer_data() {
        QTest::addColumn<QByteArray>("defaults");
        QTest::addColumn<QString>("file");
        row("type without default", QByteArray("image/png=lezer.desktop"), "/docs/Handleiding.pdf");
        row("program gone", QByteArray("application/pdf=weg.desktop"), "/d/x.pdf");
        row("unknown extension", QByteArray("application/pdf=lezer.desktop"), "/docs/Handleiding");
    }
    void noViewer() {
        QFETCH(QByteArray, defaults);
        QFETCH(QString, file);
        m_box->addEntry("weg.desktop", "/bestaat/niet %f");
        m_box->setDefaults({QString::fromLatin1(defaults)});
        clsWinProcess process;
        try {
            process.StartApplication(file, true);
            QFAIL("no error raised");
        } catch (const WinProcessError& e) {
            QCOMPARE(e.number, 53);
            QCOMPARE(e.source, QString("Module WinProcess (0.2.0)"));
            QVERIFY(!e.description.isEmpty());
        }
        QVERIFY(!QFile::exists(m_log));
    }

    void waitForUnknownProcess() {
        clsWinProcess process;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(process.WaitForProcess(999999, -1));
        QVERIFY(clock.elapsed() < 500);
    }

private:
    std::unique_ptr<XdgSandbox> m_box;
    QString m_log;
};

QTEST_GUILESS_MAIN(TestWinProcess)
#include "tst_winprocess.moc"
