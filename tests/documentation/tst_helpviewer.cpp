// The help window: which text it shows for which screen, and that the screen
// it explains is disabled while it is open.
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/menuscreen.h"
#include "app/registerforms.h"
#include "documentation/helptexts.h"
#include "documentation/rtfreader.h"

#include "support/datarow.h"
#include "support/formdriver.h"
#include "support/probeform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace rvl92;

namespace {

// The screens with help, as stand-ins with the shared menu bar.
const QList<QPair<QString, QString>> kScreens = {{form::Functienamen, screen::Functienamen},
                                                 {form::Beroepen, screen::Beroepen},
                                                 {form::ZoekenFuncties, screen::ZoekenFuncties},
                                                 {form::ZoekenRvl92, screen::ZoekenRvl92},
                                                 {form::ZoekenKenmerken, screen::ZoekenKenmerken},
                                                 {form::Kenmerken, screen::Kenmerken},
                                                 {form::Namen, screen::Namen},
                                                 {form::Coderen, screen::Coderen}};

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
    }
    void init() { QVERIFY(forms().show(form::Startscherm)); }
    void cleanup() {
        drive::unloadAll();
        appState().programDir = RVL92_TREE_DIR;
    }

    // Each screen gets its own caption and the text of its own file.
    void captionAndFile_data() {
        QTest::addColumn<QString>("formName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("mustMention");
        const QStringList captions = {"Functies bij het scherm Overzicht Functienamen",
                                      "Functies bij het scherm Overzicht Beroepen",
                                      "Functies bij Zoeken op functienamen",
                                      "Functies bij Zoeken op RVL92-code",
                                      "Functies bij Zoeken op Kenmerken",
                                      "Functies Kenmerken",
                                      "Functienamen behorend bij geselecteerde beroep",
                                      "Functies bij Coderen van functienamen"};
        const QStringList files = {
            "HelpFunctienamen.rtf", "HelpBeroepen.rtf",        "HelpZoekenFunctienamen.rtf",
            "HelpZoekenRVL92.rtf",  "HelpZoekenKenmerken.rtf", "HelpKenmerken.rtf",
            "HelpNamen.rtf",        "HelpCoderen.rtf"};
        const QStringList mentions = {"Spring naar", "Springen",           "Zoeken naar",
                                      "Zoeken",      "Selectie kenmerken", "Kenmerken",
                                      "Exporteren",  "Bestand coderen"};
        for (int i = 0; i < kScreens.size(); ++i)
            row(qPrintable(kScreens[i].first), kScreens[i].first, captions[i],
                "Programmabestanden/" + files[i], kScreens[i].second, mentions[i]);
    }
    void captionAndFile() {
        QFETCH(QString, formName);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        QFETCH(QString, screenName);
        QFETCH(QString, mustMention);
        openHelpFrom(formName);
        QVERIFY(help());
        QVERIFY(help()->isVisible());
        QCOMPARE(help()->windowTitle(), caption);
        QFile f(QStringLiteral(RVL92_TREE_DIR "/") + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTextDocument expected;
        QCOMPARE(readRtf(f.readAll(), &expected), RtfStatus::Ok);
        QCOMPARE(helpText(), expected.toPlainText());
        // The installed text explains its screen, under a bold first heading.
        QVERIFY(expected.blockCount() > 8);
        QTextCursor heading(expected.firstBlock());
        heading.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(heading.charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(heading.charFormat().fontPointSize() > 12.0);
        QVERIFY2(helpText().contains(mustMention), qPrintable(mustMention));
        QVERIFY(helpText().contains("Handleiding"));
        QVERIFY(!forms().find(formName)->isEnabled());
        auto* close = help()->findChild<QAction*>("mnuAfsluitenScherm");
        QVERIFY(close && close->isVisible());
        QCOMPARE(close->text(), QString("&Afsluiten scherm"));
        close->trigger();
        QVERIFY(!help());
        QVERIFY(forms().find(formName)->isEnabled());
        // The help did not change which screen is current.
        QCOMPARE(appState().gsHuidigScherm, screenName);
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

    // A damaged file shows what could be read; the screen comes back all the
    // same. (A missing or unreadable file is a fault of the installation.)
    void damagedFile() {
        QTemporaryDir dir;
        appState().programDir = dir.path();
        QDir().mkpath(dir.path() + "/Programmabestanden");
        QFile f(dir.path() + "/Programmabestanden/HelpBeroepen.rtf");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\\rtf1 Alleen dit");
        f.close();
        openHelpFrom(form::Beroepen);
        QCOMPARE(helpText(), QString("Alleen dit"));
        QVERIFY(!forms().find(form::Beroepen)->isEnabled());
        help()->close();
        QVERIFY(forms().find(form::Beroepen)->isEnabled());
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
