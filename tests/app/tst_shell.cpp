// The application shell: start screen, exit confirmation, hub, about box and
// the message dialogs, driven as a user would.
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmdialogbericht.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "app/registerforms.h"
#include "app/startup.h"
#include "screens/search/choicedialog.h"
#include "support/formdriver.h"

#include "support/datarow.h"
#include "support/probeform.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace rvl92;

namespace {

using drive::child;

bool enabled(const QString& form) {
    Form* f = forms().find(form);
    return f && f->isEnabled();
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        appState().programDir = QStringLiteral(RVL92_TREE_DIR);
        registerForms();
        const std::pair<QString, QString> probes[] = {
            {form::Functienamen, screen::Functienamen},
            {form::Beroepen, screen::Beroepen},
            {form::Kenmerken, screen::Kenmerken},
            {form::ZoekenRvl92, screen::ZoekenRvl92},
            {form::ZoekenFuncties, screen::ZoekenFuncties},
            {form::ZoekenKenmerken, screen::ZoekenKenmerken}};
        for (const auto& probe : probes) {
            forms().registerForm(
                probe.first, [f = probe.first, s = probe.second] { return new ProbeScreen(f, s); });
        }
        forms().setOnMainUnloaded([this] { m_mainUnloaded = true; });
    }

    void init() {
        resetAppState();
        msgbox::clearShown();
        clearDpiOverride();
        probeLog().clear();
        m_mainUnloaded = false;
        QVERIFY(forms().show(form::Startscherm));
    }

    void cleanup() {
        drive::unloadAll();
        QVERIFY(!msgbox::hasPendingAnswers());
    }

    void startScreenTexts() {
        QCOMPARE(child<QLabel>(form::Startscherm, "lblTekst1")->text(),
                 QString("Ravelstelsel 1992\r\nVerbeterde editie 2001"));
        const std::pair<const char*, const char*> buttons[] = {
            {"cmdZoekprogramma", "&Zoekprogramma en classificatielijsten"},
            {"cmdHelp", "&Handleiding"},
            {"cmdInfo", "&Info"},
            {"cmdSluiten", "&Afsluiten"},
            {"cmdPublicatietekst", "&Publicatietekst"},
            {"cmdClassificatieschema", "&Classificatieschema RVL92"},
            {"cmdCodelijsten", "C&odelijsten"},
            {"cmdConversie", "&Schakelschema's naar andere classificaties"}};
        for (const auto& [name, caption] : buttons) {
            auto* b = child<QPushButton>(form::Startscherm, name);
            QCOMPARE(b->text(), QString::fromUtf8(caption));
            // The caption keeps a margin to the button's edges.
            const int text = b->fontMetrics().horizontalAdvance(b->text().remove('&'));
            QVERIFY2(b->width() >= text + 2 * b->fontMetrics().height(), name);
        }
        QCOMPARE(child<QGroupBox>(form::Startscherm, "fraDocumentatie")->title(),
                 QString(" Documentatie "));
        QVERIFY(child<QGroupBox>(form::Startscherm, "Frame1"));
        QCOMPARE(appState().gsHuidigScherm, QString("frmStartschermViewRVL"));
        QCOMPARE(appState().gsSchermHistorie[0], QString("frmStartschermViewRVL"));
        QCOMPARE(appState().gbRecordselector, True);
    }

    void qtSpeaksDutch() {
        // Qt's own buttons ("Yes", "Cancel") come from its Dutch translation.
        QVERIFY(installDutchTranslations(*qApp));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Ja"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Annuleren"));
    }

    void exitFromStartScreen_data() {
        QTest::addColumn<bool>("yes");
        row("No leaves everything", false);
        row("Yes ends the program", true);
    }

    void exitFromStartScreen() {
        QFETCH(bool, yes);
        forms().show(form::Zoekprogramma);
        forms().show(form::Functienamen);
        msgbox::setNextAnswer(yes ? msgbox::Answer::Yes : msgbox::Answer::No);
        QVERIFY(drive::click(form::Startscherm, "cmdSluiten"));
        QCOMPARE(msgbox::shown().size(), 1);
        QCOMPARE(msgbox::shown()[0].title, QString("Afsluiten RVL92"));
        QCOMPARE(msgbox::shown()[0].text, QString("Weet u zeker dat u RVL92 wilt afsluiten"));
        if (!yes) {
            QCOMPARE(forms().loaded().size(), 3);
            QVERIFY(!m_mainUnloaded);
            QVERIFY(probeLog().isEmpty());
        } else {
            QVERIFY(forms().loaded().isEmpty());
            QVERIFY(m_mainUnloaded);
            QCOMPARE(probeLog(), QStringList({"frmFunctienamen:CloseData"}));
        }
    }

    void exitConfirmationFromDataScreen() {
        forms().show(form::Zoekprogramma);
        forms().show(form::Kenmerken);
        forms().show(form::Functienamen);
        QVERIFY(drive::menu(form::Functienamen, "mnuSluiten"));
        QVERIFY(forms().isLoaded(form::DialogYesNo));
        QCOMPARE(forms().active(), forms().find(form::DialogYesNo));
        QCOMPARE(child<QLabel>(form::DialogYesNo, "lblText")->text(),
                 QString("Weet u zeker dat u RVL92 wilt afsluiten"));
        QCOMPARE(child<QPushButton>(form::DialogYesNo, "cmdYes")->text(), QString("Ja"));
        QCOMPARE(child<QPushButton>(form::DialogYesNo, "cmdNo")->text(), QString("Nee"));
        QVERIFY(!enabled(form::Functienamen));
        QVERIFY(drive::click(form::DialogYesNo,
                             "cmdNo")); // and "Nee" hands back, as every way out does
        QCOMPARE(forms().active(), forms().find(form::Functienamen));

        // "Ja" ends the program with several data screens loaded; each closes its data first.
        forms().show(form::Zoekprogramma);
        QVERIFY(drive::menu(form::Zoekprogramma, "mnuAfsluiten"));
        QVERIFY(!enabled(form::Zoekprogramma));
        QVERIFY(drive::click(form::DialogYesNo, "cmdYes"));
        QVERIFY(forms().loaded().isEmpty());
        QVERIFY(m_mainUnloaded);
        QCOMPARE(probeLog().count("frmKenmerken:CloseData"), 1);
        QCOMPARE(probeLog().count("frmFunctienamen:CloseData"), 1);
    }

    void exitConfirmationWithoutCaller() {
        forms().show(form::DialogYesNo);
        appState().gsHuidigScherm = QStringLiteral("frmBestaatNiet");
        QVERIFY(drive::click(form::DialogYesNo, "cmdNo"));
        QVERIFY(forms().isLoaded(form::DialogYesNo)); // no such screen: the dialog stays
    }

    // Every kind of dialog that disables its caller, left in every way there
    // is: the caller is enabled again and takes the next key. (The export
    // notice, the direction question and the skills choice are the same kinds
    // as the message, the level question and the work-type choice.)
    void dialogWaysOut_data() {
        QTest::addColumn<QString>("caller");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("button"); // its cancelling button or menu item
        QTest::addColumn<QString>("way");
        const std::tuple<QString, QString, QString> dialogs[] = {
            {form::Functienamen, form::DialogNietGevonden, "OKButton"},
            {form::Functienamen, form::DialogYesNo, "cmdNo"},
            {form::Functienamen, form::ShowRtfHelp, "mnuAfsluitenScherm"},
            {form::ZoekenKenmerken, form::DialogNiveau, "cmdNo"},
            {form::ZoekenKenmerken, form::DialoogWerksoorten, "cmdCancel"}};
        for (const auto& [caller, dialog, button] : dialogs)
            for (const char* way : {"button", "Escape", "close button", "other window", "unloaded"})
                QTest::addRow("%s, %s", qPrintable(dialog), way)
                    << caller << dialog << button << way;
    }

    void dialogWaysOut() {
        QFETCH(QString, caller);
        QFETCH(QString, dialog);
        QFETCH(QString, button);
        QFETCH(QString, way);
        Form* screen = forms().show(caller);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QPointer<Form> dlg = forms().show(dialog);
        QVERIFY(dlg && QTest::qWaitForWindowActive(dlg) && dlg);
        QVERIFY(!screen->isEnabled());

        if (way == "button" && dialog == form::ShowRtfHelp)
            QVERIFY(drive::menu(dialog, button));
        else if (way == "button")
            QVERIFY(drive::click(dialog, button));
        else if (way == "Escape")
            QTest::keyClick(dlg, Qt::Key_Escape);
        else if (way == "close button") // or Alt+F4: the window system closes the window
            QVERIFY(dlg->windowHandle()->close());
        else if (way == "other window")
            forms().show(form::Startscherm);
        else
            forms().unload(dlg);

        QVERIFY(!forms().isLoaded(dialog));
        QVERIFY(screen->isEnabled());
        QTest::keyClick(screen, Qt::Key_A);
        QCOMPARE(probeLog().filter(":Key").join('|'), caller + ":Key a");
    }

    // What the window system is given as title: exactly the caption, and for a
    // dialog without one a title bar that stays empty, not the program's name.
    void windowTitles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        row("start screen", form::Startscherm, "Startscherm RVL92");
        row("hub", form::Zoekprogramma, "Zoekprogramma en classificatielijsten");
        row("about box", form::About, "RVL92 Informatie");
        row("exit confirmation", form::DialogYesNo, "");
        row("message", form::DialogNietGevonden, "");
    }

    void windowTitles() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        setApplicationIdentity();
        QCOMPARE(QCoreApplication::applicationName(), QString("RVL92"));
        QCOMPARE(QGuiApplication::desktopFileName(), QString("rvl92"));
        // No display name of its own, which Qt would append to every title: the
        // display name follows the application name.
        QCoreApplication::setApplicationName(QStringLiteral("anders"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("anders"));
        setApplicationIdentity();

        Form* f = forms().show(name);
        QVERIFY(f && f->windowHandle());
        const QString title = f->windowHandle()->title();
        if (caption.isEmpty()) {
            QVERIFY(f->windowTitle().isEmpty());
            QVERIFY2(!title.isEmpty() && title.trimmed().isEmpty(), qPrintable(title));
        } else {
            QCOMPARE(title, caption);
        }
    }

    void minimiseAndMaximise() {
        Form* start = forms().find(form::Startscherm);
        Form* normal = forms().show(form::Functienamen);
        Form* maxed = forms().show(form::Kenmerken);
        maxed->setWindowState(Qt::WindowMaximized);
        start->setWindowState(Qt::WindowMinimized);
        QVERIFY(!normal->isVisible());
        QVERIFY(maxed->isVisible());
        start->setWindowState(Qt::WindowMaximized);
        QVERIFY(normal->windowState() & Qt::WindowMaximized);
        // What the minimise hid is visible again, not lost from view.
        QVERIFY(normal->isVisible());
        QCOMPARE(appState().gsSchermHistorie[0], QString("frmStartschermViewRVL"));
    }

    void focusHandBack() {
        Form* start = forms().find(form::Startscherm);
        Form* hub = forms().show(form::Zoekprogramma);
        QCOMPARE(appState().gsHuidigScherm, screen::Zoekprogramma);
        QEvent act(QEvent::WindowActivate);
        QApplication::sendEvent(start, &act);
        QCOMPARE(forms().active(), hub); // back to the current data screen

        appState().gsHuidigScherm = screen::Start;
        QApplication::sendEvent(start, &act);
        QCOMPARE(forms().active(), start);

        // A current screen that is not in the history: the start screen keeps the
        // focus and the name stays (the walk ends at the first free entry).
        forms().show(hub);
        appState().gsHuidigScherm = screen::Beroepen;
        QApplication::sendEvent(start, &act);
        QCOMPARE(forms().active(), start);
        QCOMPARE(appState().gsHuidigScherm, screen::Beroepen);
        // With a full history the walk runs through and the start screen becomes current.
        for (int i = 1; i <= AppState::HistoryUpper; ++i)
            appState().gsSchermHistorie[i] = QStringLiteral("frmOnbekend%1").arg(i);
        forms().show(hub);
        appState().gsHuidigScherm = screen::Beroepen;
        QApplication::sendEvent(start, &act);
        QCOMPARE(appState().gsHuidigScherm, screen::Start);
    }

    void hubRecordselectorOnEveryScreen() {
        forms().show(form::Functienamen);
        forms().show(form::Zoekprogramma);
        QVERIFY(drive::menu(form::Zoekprogramma, "mnuRecordselector"));
        QCOMPARE(appState().gbRecordselector, False);
        QVERIFY(!child<QAction>(form::Functienamen, "mnuRecordselector")->isChecked());
        QVERIFY(!child<QAction>(form::Zoekprogramma, "mnuRecordselector")->isChecked());
        QVERIFY(drive::menu(form::Zoekprogramma, "mnuRecordselector"));
        QCOMPARE(appState().gbRecordselector, True);
        QVERIFY(child<QAction>(form::Functienamen, "mnuRecordselector")->isChecked());
    }

    void hubShortcuts() {
        Form* hub = forms().show(form::Zoekprogramma);
        QVERIFY(QTest::qWaitForWindowActive(hub));
        const QStringList before = appState().history();
        QTest::keyClick(hub, Qt::Key_X, Qt::ControlModifier); // disabled: nothing
        QCOMPARE(forms().active(), hub);
        QCOMPARE(appState().history(), before);
        QTest::keyClick(hub, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(forms().active(), forms().find(form::Startscherm));
        QCOMPARE(appState().gsHuidigScherm, screen::Start);
    }

    void hubOpensListsWithoutCode() {
        forms().show(form::Zoekprogramma);
        QVERIFY(drive::menu(form::Zoekprogramma, "mnuBeroepen"));
        QCOMPARE(forms().active(), forms().find(form::Beroepen));
        QCOMPARE(appState().gsRvl92Code, QString());
        QCOMPARE(appState().history(),
                 QStringList({"frmStartschermViewRVL", "frmZoekprogramma", "frmBeroepen"}));
    }

    void aboutBox() {
        QVERIFY(drive::click(form::Startscherm, "cmdInfo"));
        QVERIFY(forms().find(form::About));
        QCOMPARE(child<QLabel>(form::About, "lblTitle")->text(),
                 QString("RVL 1992;  verbeterde editie 2001"));
        QCOMPARE(child<QLabel>(form::About, "lbl3")->text(), QString("Voor meer informatie:"));
        QCOMPARE(child<QLabel>(form::About, "lblCopy")->text(), QString());
        QVERIFY(enabled(form::Startscherm)); // the about box does not disable the start screen
        const QStringList before = appState().history();
        QVERIFY(drive::click(form::About, "cmdOK"));
        QVERIFY(!forms().isLoaded(form::About));
        QCOMPARE(appState().history(), before);
    }

private:
    bool m_mainUnloaded = false;
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
