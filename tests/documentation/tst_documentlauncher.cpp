// "Keuze bestandsformaat": which document it opens for which button, the
// gbHandleiding rules, the failure messages, and the wait for the viewer with
// the program's windows painted but taking no input.
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "app/registerforms.h"
#include "documentation/viewerwait.h"

#include "support/datarow.h"
#include "support/formdriver.h"
#include "support/probeform.h"
#include "support/xdgsandbox.h"

#include <QAction>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace rvl92;

namespace {

Form* dialog() {
    return forms().find(form::DialogPdfOrWord);
}

QString prompt() {
    auto* l = dialog() ? dialog()->findChild<QLabel*>("lblTekst") : nullptr;
    return l ? l->text() : QStringLiteral("<geen dialoog>");
}

const QString kManualPrompt =
    QStringLiteral("Geef aan in welk bestandsformaat u de handleiding wilt bekijken.");
const QString kPublicationPrompt =
    QStringLiteral("Geef aan in welk bestandsformaat u de publicatietekst wilt bekijken.");
const QString kNoPdfViewer =
    QStringLiteral("De Acrobat- of Adobe-Reader is niet op het systeem aangetroffen!");
const QString kNoWordViewer =
    QStringLiteral("De applicatie heeft geen MS-Word aangetroffen.\r\nDe publicatietekst kunt u "
                   "bekijken met de Pdf-file of met een eigen viewer.");

} // namespace

class TestDocumentLauncher : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_box.isValid());
        m_log = m_box.path("viewer.log");
        qputenv("RVL92_TESTVIEWER_LOG", QFile::encodeName(m_log));
        // The program directory has a blank in it, and the documents need not
        // exist: the viewer reports a missing one itself.
        m_dir = m_box.path("RVL 92");
        QVERIFY(QDir().mkpath(m_dir));
        appState().programDir = m_dir;
        registerForms();
        forms().registerForm(form::Beroepen,
                             [] { return new ProbeScreen(form::Beroepen, screen::Beroepen); });
        QVERIFY(forms().show(form::Startscherm));
    }
    void init() {
        QFile::remove(m_log);
        qputenv("RVL92_TESTVIEWER_MS", "0");
        m_box.addEntry("lezer.desktop", QStringLiteral(RVL92_TESTVIEWER " --pdf %f"));
        m_box.addEntry("schrijver.desktop", QStringLiteral(RVL92_TESTVIEWER " --word %f"));
        m_box.setDefaults(
            {"application/pdf=lezer.desktop", "application/msword=schrijver.desktop"});
        msgbox::clearShown();
        appState().gbHandleiding = False;
    }
    void cleanup() {
        for (Form* f : forms().loaded())
            if (f->objectName() != form::Startscherm)
                forms().unload(f);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The prompt and gbHandleiding by the way the dialog was opened.
    void opening_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("prompt");
        row("start screen Handleiding", "cmdHelp", kManualPrompt);
        row("start screen Publicatietekst", "cmdPublicatietekst", kPublicationPrompt);
        row("menu Handleiding of a screen", "menu", kManualPrompt);
    }
    void opening() {
        QFETCH(QString, way);
        QFETCH(QString, prompt);
        if (way == "menu") {
            forms().show(form::Beroepen)->findChild<QAction*>("mnuHandleiding")->trigger();
        } else {
            QVERIFY(drive::click(form::Startscherm, way));
        }
        QVERIFY(dialog());
        QVERIFY(dialog()->isVisible());
        QCOMPARE(dialog()->windowTitle(), QString("Keuze bestandsformaat"));
        QCOMPARE(::prompt(), prompt);
        QCOMPARE(appState().gbHandleiding, prompt == kManualPrompt ? True : False);
        for (const auto& [name, caption] :
             {std::pair{"cmdPdf", "PDF-file"}, std::pair{"cmdWord", "Word-file"},
              std::pair{"cmdAnnuleren", "Annuleren"}})
            QCOMPARE(dialog()->findChild<QPushButton*>(name)->text(), QString(caption));
        // Modeless, and its caller stays enabled.
        QVERIFY(forms().find(form::Startscherm)->isEnabled());
        if (Form* screen = forms().find(form::Beroepen))
            QVERIFY(screen->isEnabled());
    }

    // Which file each button opens, and what becomes of gbHandleiding.
    void opensDocument_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("viewerArgs");
        row("manual as PDF", "cmdHelp", "cmdPdf", QStringList{"--pdf", "Handleiding.pdf"});
        row("manual as Word", "cmdHelp", "cmdWord", QStringList{"--word", "Handleiding.doc"});
        row("publication as PDF", "cmdPublicatietekst", "cmdPdf",
            QStringList{"--pdf", "PubRVL.pdf"});
        row("publication as Word", "cmdPublicatietekst", "cmdWord",
            QStringList{"--word", "PubRVL.doc"});
    }
    void opensDocument() {
        QFETCH(QString, opener);
        QFETCH(QString, button);
        QFETCH(QStringList, viewerArgs);
        QVERIFY(drive::click(form::Startscherm, opener));
        QVERIFY(drive::click(form::DialogPdfOrWord, button));
        viewerArgs[1] = QDir::toNativeSeparators(m_dir + "/" + viewerArgs[1]);
        QCOMPARE(viewerLog(m_log), viewerArgs + QStringList{"einde"});
        QVERIFY(!dialog());
        QCOMPARE(appState().gbHandleiding, False);
        QVERIFY(msgbox::shown().isEmpty());
    }

    // "Hand&leiding" twice without choosing a format keeps asking for the manual.
    void manualAskedTwice() {
        Form* screen = forms().show(form::Beroepen);
        screen->findChild<QAction*>("mnuHandleiding")->trigger();
        QVERIFY(drive::click(form::DialogPdfOrWord, "cmdAnnuleren"));
        QVERIFY(!dialog());
        QCOMPARE(appState().gbHandleiding, True);
        screen->findChild<QAction*>("mnuHandleiding")->trigger();
        QCOMPARE(prompt(), kManualPrompt);
        QVERIFY(QTest::qWaitForWindowActive(dialog()));
        QTest::keyClick(dialog(), Qt::Key_Escape);
        QVERIFY(!dialog());
        QCOMPARE(appState().gbHandleiding, True);
    }

    void noViewer_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("dialogStays");
        QTest::addColumn<QString>("exec"); // the PDF viewer's command; "": no viewer for the type
        row("no PDF viewer, manual", "cmdHelp", "cmdPdf", kNoPdfViewer, false, "");
        row("no Word viewer, manual", "cmdHelp", "cmdWord", kNoWordViewer, true, "");
        row("no Word viewer, publication", "cmdPublicatietekst", "cmdWord", kNoWordViewer, true,
            "");
        row("PDF viewer not executable", "cmdPublicatietekst", "cmdPdf", kNoPdfViewer, false,
            RVL92_TREE_DIR "/Programmabestanden/RVL92.MDB %f");
        // Marked executable but no program: found, and refused only when it
        // fails to start.
        const QString notAProgram = m_box.path("geen-programma");
        QVERIFY(m_box.write("geen-programma", "geen programma\n"));
        QVERIFY(QFile::setPermissions(notAProgram, QFile::ReadOwner | QFile::ExeOwner));
        row("PDF viewer cannot start", "cmdPublicatietekst", "cmdPdf", kNoPdfViewer, false,
            notAProgram + " %f");
    }
    void noViewer() {
        QFETCH(QString, opener);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(bool, dialogStays);
        QFETCH(QString, exec);
        if (exec.isEmpty())
            m_box.setDefaults({"image/png=lezer.desktop"});
        else
            m_box.addEntry("lezer.desktop", exec);
        QVERIFY(drive::click(form::Startscherm, opener));
        const Flag before = appState().gbHandleiding;
        msgbox::setNextAnswer(msgbox::Answer::Ok);
        QVERIFY(drive::click(form::DialogPdfOrWord, button));
        QCOMPARE(msgbox::shown().size(), 1);
        QCOMPARE(msgbox::shown().first().text, message);
        QCOMPARE(msgbox::shown().first().title, msgbox::applicationTitle());
        QCOMPARE(bool(dialog()), dialogStays);
        QCOMPARE(appState().gbHandleiding, before);
        QVERIFY(viewerLog(m_log).isEmpty());
    }

    // A viewer that stops at once with an error: no message, the dialog has
    // gone, the cursor is back and the program takes input again.
    void viewerStopsAtOnce() {
        m_box.addEntry("lezer.desktop", "false %f");
        QVERIFY(drive::click(form::Startscherm, "cmdPublicatietekst"));
        msgbox::setNextAnswer(msgbox::Answer::Ok); // taken only by a message that does not belong
        QVERIFY(drive::click(form::DialogPdfOrWord, "cmdPdf"));
        QCOMPARE(msgbox::shown().size(), 0);
        QVERIFY(viewerLog(m_log).isEmpty());
        QVERIFY(!dialog());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(drive::click(form::Startscherm, "cmdInfo"));
        QVERIFY(forms().isLoaded(form::About));
    }

    // While the viewer runs the windows stay painted and show the busy cursor
    // but take no input; afterwards everything answers again.
    void waitTakesNoInput() {
        qputenv("RVL92_TESTVIEWER_MS", "1500");
        Form* start = forms().find(form::Startscherm);
        QVERIFY(drive::click(form::Startscherm, "cmdPublicatietekst"));
        QPointer<Form> dlg = dialog();

        struct Seen {
            bool ran = false, waiting = false, busyCursor = false, visible = false,
                 aboutOpened = false, closedByButton = false;
            int paints = 0;
        } seen;
        PaintCounter counter(start, &seen.paints);
        QTimer::singleShot(300, this, [&] {
            seen.ran = true;
            seen.waiting = ViewerWait::active();
            seen.busyCursor = QGuiApplication::overrideCursor() &&
                              QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            seen.visible = start->isVisible() && dlg && dlg->isVisible();
            // Input to the windows goes nowhere.
            QTest::mouseClick(start->findChild<QPushButton*>("cmdInfo"), Qt::LeftButton);
            QTest::keyClick(start, Qt::Key_I, Qt::AltModifier);
            if (dlg)
                QTest::mouseClick(dlg->findChild<QPushButton*>("cmdAnnuleren"), Qt::LeftButton);
            seen.aboutOpened = forms().isLoaded(form::About);
            seen.closedByButton = !dlg || !forms().isLoaded(form::DialogPdfOrWord);
            start->update();
        });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(drive::click(form::DialogPdfOrWord, "cmdPdf"));
        QVERIFY(clock.elapsed() >= 1400);
        QVERIFY(seen.ran);
        QVERIFY(seen.waiting);
        QVERIFY(seen.busyCursor);
        QVERIFY(seen.visible);
        QVERIFY(!seen.aboutOpened);
        QVERIFY(!seen.closedByButton);
        QVERIFY2(seen.paints > 0, "the start screen was not painted during the wait");
        QCOMPARE(viewerLog(m_log).last(), QString("einde"));

        // The wait is over: the dialog has gone and input works again.
        QVERIFY(!ViewerWait::active());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!dialog());
        QVERIFY(drive::click(form::Startscherm, "cmdInfo"));
        QVERIFY(forms().isLoaded(form::About));
    }

private:
    // Counts the paint events of a widget.
    class PaintCounter : public QObject {
    public:
        PaintCounter(QWidget* w, int* count) : m_count(count) { w->installEventFilter(this); }
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint)
                ++*m_count;
            return false;
        }

    private:
        int* m_count;
    };

    XdgSandbox m_box;
    QString m_log;
    QString m_dir;
};

QTEST_MAIN(TestDocumentLauncher)
#include "tst_documentlauncher.moc"
