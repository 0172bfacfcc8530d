// The help window: which text it shows for which screen, and that the screen
// it explains is disabled while it is open and enabled on every way out.
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/menuscreen.h"
#include "app/registerforms.h"
#include "documentation/helptexts.h"
#include "documentation/rtfreader.h"

#include "support/probeform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace rvl92;

namespace {

// The seven screens with help, as stand-ins with the shared menu bar.
const QList<QPair<QString, QString>> kScreens = {{form::Functienamen, screen::Functienamen},
                                                 {form::Beroepen, screen::Beroepen},
                                                 {form::ZoekenFuncties, screen::ZoekenFuncties},
                                                 {form::ZoekenRvl92, screen::ZoekenRvl92},
                                                 {form::ZoekenKenmerken, screen::ZoekenKenmerken},
                                                 {form::Kenmerken, screen::Kenmerken},
                                                 {form::Namen, screen::Namen}};

Form* help() {
    return forms().find(form::ShowRtfHelp);
}

QString helpText() {
    auto* box = help() ? help()->findChild<QTextEdit*>("RichTextBox1") : nullptr;
    return box ? box->toPlainText() : QStringLiteral("<geen helpvenster>");
}

// Opens the help from a screen's own menu item "&?".
void openHelpFrom(const QString& formName) {
    Form* f = forms().show(formName);
    QVERIFY(f);
    // Let the window system finish activating the screen first, as it has by
    // the time a user reaches its menu.
    QVERIFY(QTest::qWaitForWindowActive(f));
    auto* item = f->findChild<QAction*>("mnuVraagteken");
    QVERIFY(item);
    QVERIFY(item->isEnabled());
    item->trigger();
    Form* h = forms().find(form::ShowRtfHelp);
    QVERIFY(h);
    QVERIFY(QTest::qWaitForWindowActive(h));
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        appState().programDir = RVL92_TREE_DIR;
        registerForms();
        for (const auto& [formName, screenName] : kScreens) {
            const QString f = formName, s = screenName;
            forms().registerForm(f, [f, s] { return new ProbeScreen(f, s); });
        }
        QVERIFY(forms().show(form::Startscherm));
    }
    void cleanup() {
        for (Form* f : forms().loaded())
            if (f->objectName() != form::Startscherm)
                forms().unload(f);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        appState().programDir = RVL92_TREE_DIR;
        appState().gsHuidigScherm = screen::Start;
    }
    void cleanupTestCase() {
        forms().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Each screen gets its own caption and the text of its own file.
    void captionAndFile_data() {
        QTest::addColumn<QString>("formName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        const QStringList captions = {"Functies bij het scherm Overzicht Functienamen",
                                      "Functies bij het scherm Overzicht Beroepen",
                                      "Functies bij Zoeken op functienamen",
                                      "Functies bij Zoeken op RVL92-code",
                                      "Functies bij Zoeken op Kenmerken",
                                      "Functies Kenmerken",
                                      "Functienamen behorend bij geselecteerde beroep"};
        const QStringList files = {
            "HelpFunctienamen.rtf", "HelpBeroepen.rtf",        "HelpZoekenFunctienamen.rtf",
            "HelpZoekenRVL92.rtf",  "HelpZoekenKenmerken.rtf", "HelpKenmerken.rtf",
            "HelpNamen.rtf"};
        for (int i = 0; i < kScreens.size(); ++i)
            QTest::newRow(qPrintable(kScreens[i].first))
                << kScreens[i].first << captions[i] << "Programmabestanden/" + files[i];
    }
    void captionAndFile() {
        QFETCH(QString, formName);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        openHelpFrom(formName);
        QVERIFY(help());
        QVERIFY(help()->isVisible());
        QCOMPARE(help()->windowTitle(), caption);
        QFile f(QStringLiteral(RVL92_TREE_DIR "/") + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTextDocument expected;
        QCOMPARE(readRtf(f.readAll(), &expected), RtfStatus::Ok);
        QCOMPARE(helpText(), expected.toPlainText());
        QVERIFY(!forms().find(formName)->isEnabled());
        auto* close = help()->findChild<QAction*>("mnuAfsluitenScherm");
        QVERIFY(close && close->isVisible());
        QCOMPARE(close->text(), QString("&Afsluiten scherm"));
        close->trigger();
        QVERIFY(!help());
        QVERIFY(forms().find(formName)->isEnabled());
    }

    // Every way out enables the screen again.
    void waysOut_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("menu item") << "menu";
        QTest::newRow("close button") << "close";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("another window of the program") << "focus";
    }
    void waysOut() {
        QFETCH(QString, way);
        openHelpFrom(form::ZoekenRvl92);
        Form* screen = forms().find(form::ZoekenRvl92);
        QVERIFY(help());
        QCOMPARE(help()->windowTitle(), QString("Functies bij Zoeken op RVL92-code"));
        QVERIFY(!screen->isEnabled());
        if (way == "menu") {
            help()->findChild<QAction*>("mnuAfsluitenScherm")->trigger();
        } else if (way == "close") {
            help()->close();
        } else if (way == "escape") {
            QTest::keyClick(help()->findChild<QTextEdit*>("RichTextBox1"), Qt::Key_Escape);
        } else {
            forms().show(form::Startscherm);
        }
        QVERIFY(!help());
        QVERIFY(screen->isEnabled());
        // The help did not change which screen is current.
        QCOMPARE(appState().gsHuidigScherm, screen::ZoekenRvl92);
    }

    // The hub and the start screen have no help text: an empty window under
    // its design caption, and nothing disabled.
    void noHelpText() {
        appState().gsHuidigScherm = screen::Start;
        forms().show(form::ShowRtfHelp);
        QVERIFY(help());
        QCOMPARE(help()->windowTitle(), QString("Dialog Caption"));
        QCOMPARE(helpText(), QString());
        QVERIFY(forms().find(form::Startscherm)->isEnabled());
        forms().unload(form::ShowRtfHelp);
        QVERIFY(forms().find(form::Startscherm)->isEnabled());
        QVERIFY(
            !forms().show(form::Zoekprogramma)->findChild<QAction*>("mnuVraagteken")->isEnabled());
    }

    // A missing or unreadable file says so; the screen comes back all the same.
    void badFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expectedStart");
        QTest::newRow("missing") << QByteArray() << "De helptekst is niet gevonden:\n";
        QTest::newRow("not rich text")
            << QByteArray("<html>verkeerd</html>") << "De helptekst kan niet worden gelezen:\n";
        QTest::newRow("damaged") << QByteArray("{\\rtf1 Alleen dit") << "Alleen dit";
    }
    void badFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expectedStart);
        QTemporaryDir dir;
        appState().programDir = dir.path();
        const QString file = dir.path() + "/Programmabestanden/HelpBeroepen.rtf";
        if (!content.isEmpty()) {
            QDir().mkpath(dir.path() + "/Programmabestanden");
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        openHelpFrom(form::Beroepen);
        QVERIFY(help());
        const QString expected = expectedStart.endsWith('\n')
                                     ? expectedStart + QDir::toNativeSeparators(file)
                                     : expectedStart;
        QCOMPARE(helpText(), expected);
        QVERIFY(!forms().find(form::Beroepen)->isEnabled());
        help()->close();
        QVERIFY(forms().find(form::Beroepen)->isEnabled());
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
