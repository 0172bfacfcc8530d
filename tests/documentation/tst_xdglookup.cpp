// Finding a document's viewer the way the desktop does, against XDG folders of
// the test's own, and starting it on a document: a small stand-in viewer
// records its arguments.
#include "documentation/documentlauncher.h"
#include "documentation/fileassociation.h"

#include "support/datarow.h"
#include "support/xdgsandbox.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace rvl92;

class TestXdgLookup : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_box = std::make_unique<XdgSandbox>();
        QVERIFY(m_box->isValid());
        m_viewer = QStringLiteral(RVL92_TESTVIEWER);
        m_log = m_box->path("viewer.log");
        qputenv("RVL92_TESTVIEWER_LOG", QFile::encodeName(m_log));
        qputenv("RVL92_TESTVIEWER_MS", "0");
    }
    void cleanup() { m_box.reset(); }

    void extensionWithOrWithoutDot() {
        QVERIFY(m_box->addEntry("lezer.desktop", m_viewer + " %U"));
        QVERIFY(m_box->setDefaults({"application/pdf=lezer.desktop"}));
        clsWinProcess process;
        QString bare = "pdf";
        QString dotted = ".pdf";
        QCOMPARE(process.GetFileAssociation(bare), m_viewer);
        QCOMPARE(process.GetFileAssociation(dotted), m_viewer);
        QCOMPARE(bare, QString(".pdf")); // the caller's variable gets its dot
        QString empty;
        QCOMPARE(process.GetFileAssociation(empty), QString());
        QCOMPARE(empty, QString());
    }

    // Which file wins, and which entry in it. (How the chosen entry's command
    // line reaches the viewer: documentPassedLiterally.)
    void precedence_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("expectedEntry");
        row("config home before data home", "config", "b.desktop");
        row("desktop's own list first", "desktop", "c.desktop");
        row("missing entry skipped", "missing", "b.desktop");
        row("hidden entry skipped", "hidden", "b.desktop");
        row("TryExec not found skipped", "tryexec", "b.desktop");
        row("program not found skipped", "noprogram", "b.desktop");
        row("added association", "added", "b.desktop");
        row("removed association not used", "removed", "c.desktop");
        row("desktop database cache", "cache", "c.desktop");
        row("entry in a subfolder", "subfolder", "kde/a.desktop");
    }
    void precedence() {
        QFETCH(QString, setup);
        QFETCH(QString, expectedEntry);
        XdgSandbox& box = *m_box;
        const QString exec = m_viewer + " %f";
        QVERIFY(box.addEntry("a.desktop", exec));
        QVERIFY(box.addEntry("b.desktop", exec));
        QVERIFY(box.addEntry("c.desktop", exec));
        if (setup == "config") {
            box.setDefaults({"application/pdf=a.desktop"});
            box.setDefaults({"application/pdf=b.desktop"}, "config/mimeapps.list");
        } else if (setup == "desktop") {
            qputenv("XDG_CURRENT_DESKTOP", "Proef:Ander");
            box.setDefaults({"application/pdf=b.desktop"}, "config/mimeapps.list");
            box.setDefaults({"application/pdf=c.desktop"}, "config/proef-mimeapps.list");
        } else if (setup == "missing") {
            box.setDefaults({"application/pdf=weg.desktop;b.desktop;"});
        } else if (setup == "hidden") {
            box.addEntry("a.desktop", exec, "Hidden=true\n");
            box.setDefaults({"application/pdf=a.desktop;b.desktop"});
        } else if (setup == "tryexec") {
            box.addEntry("a.desktop", exec, "TryExec=/bestaat/niet\n");
            box.setDefaults({"application/pdf=a.desktop;b.desktop"});
        } else if (setup == "noprogram") {
            box.addEntry("a.desktop", "/bestaat/niet/lezer %f");
            box.setDefaults({"application/pdf=a.desktop;b.desktop"});
        } else if (setup == "added") {
            box.write("config/mimeapps.list", "[Added Associations]\napplication/pdf=b.desktop;\n");
        } else if (setup == "removed") {
            box.write("config/mimeapps.list",
                      "[Removed Associations]\napplication/pdf=b.desktop;\n");
            box.write("data/applications/mimeapps.list",
                      "[Added Associations]\napplication/pdf=b.desktop;c.desktop;\n");
        } else if (setup == "cache") {
            box.write("sysdata/applications/mimeinfo.cache",
                      "[MIME Cache]\napplication/pdf=c.desktop;\n");
        } else if (setup == "subfolder") {
            box.write("data/applications/kde/a.desktop",
                      ("[Desktop Entry]\nExec=" + exec + "\n").toUtf8());
            box.setDefaults({"application/pdf=kde-a.desktop"});
        }
        const Association a = findAssociation(".pdf");
        QCOMPARE(a.program, m_viewer);
        QVERIFY2(a.entryFile.endsWith("/" + expectedEntry), qPrintable(a.entryFile));
    }

    void programFromPath() {
        // A program named without a folder is looked up on PATH.
        const QString bin = m_box->path("bin");
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QFile::link(m_viewer, bin + "/proeflezer"));
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + oldPath);
        m_box->addEntry("lezer.desktop", "proeflezer %f");
        m_box->setDefaults({"application/pdf=lezer.desktop"});
        const QString program = findAssociation(".pdf").program;
        qputenv("PATH", oldPath);
        QCOMPARE(program, bin + "/proeflezer");
    }

    // The document reaches the viewer as one argument, exactly as it is: no
    // shell ever sees it.
    void documentPassedLiterally_data() {
        QTest::addColumn<QString>("file");
        row("quotes", R"(/a "b" 'c'/PubRVL.pdf)");
        row("shell signs", "/x/$HOME `id` $(id); rm -rf ~ | cat & *?.pdf");
        row("accents", "/café/Handleiding.pdf");
    }
    void documentPassedLiterally() {
        QFETCH(QString, file);
        useViewer();
        clsWinProcess process;
        QVERIFY(process.StartApplication(file, true));
        QCOMPARE(viewerLog(m_log), (QStringList{"--document", file, "einde"}));
    }

    void startWithoutWaiting() {
        useViewer();
        qputenv("RVL92_TESTVIEWER_MS", "1500");
        clsWinProcess process;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(process.StartApplication("/docs/PubRVL.pdf", false));
        QVERIFY2(clock.elapsed() < 1200, qPrintable(QString::number(clock.elapsed())));
        // It runs on by itself and ends in its own time.
        QTRY_COMPARE_WITH_TIMEOUT(viewerLog(m_log),
                                  (QStringList{"--document", "/docs/PubRVL.pdf", "einde"}), 5000);
    }

    void noViewer_data() {
        QTest::addColumn<QByteArray>("defaults");
        QTest::addColumn<QString>("file");
        row("type without default", QByteArray("image/png=lezer.desktop"), "/docs/Handleiding.pdf");
        row("unknown extension", QByteArray("application/pdf=lezer.desktop"), "/docs/Handleiding");
    }
    // Also what findAssociation answers when nothing fits. (An entry whose
    // program is gone is skipped: precedence.)
    void noViewer() {
        QFETCH(QByteArray, defaults);
        QFETCH(QString, file);
        useViewer();
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
    // The stand-in viewer as the default for both kinds of document.
    void useViewer() {
        QVERIFY(m_box->addEntry("lezer.desktop", m_viewer + " --document %f"));
        QVERIFY(m_box->setDefaults(
            {"application/pdf=lezer.desktop", "application/msword=lezer.desktop"}));
    }

    std::unique_ptr<XdgSandbox> m_box;
    QString m_viewer;
    QString m_log;
};

QTEST_GUILESS_MAIN(TestXdgLookup)
#include "tst_xdglookup.moc"
