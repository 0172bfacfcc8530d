// The fault table: an installation that is incomplete or damaged, a folder or
// disk that takes no export. (A document viewer that is missing or stops at
// once is the launcher's test.) Each fault gives a Dutch message or a defined
// quiet outcome, the program runs on (the start screen answers), and nothing
// already written is lost.

#include "app/formnames.h"
#include "app/frmdialogbericht.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "app/registerforms.h"
#include "export/exportframe.h"

#include "programdir.h"
#include "support/appdemo.h"
#include "support/datafiles.h"
#include "support/datarow.h"
#include "support/xdgsandbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include <sqlite3.h>

#include <csignal>
#include <sys/resource.h>

using namespace rvl92;
using namespace programdir;

namespace {

const QString kDataScreens[] = {form::Functienamen,   form::Beroepen,       form::Namen,
                                form::Kenmerken,      form::ZoekenFuncties, form::ZoekenRvl92,
                                form::ZoekenKenmerken};

bool sql(const QString& file, const QString& statements) {
    sqlite3* db = nullptr;
    bool ok =
        sqlite3_open(QFile::encodeName(file).constData(), &db) == SQLITE_OK &&
        sqlite3_exec(db, statements.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

QByteArray lees(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ontbreekt>");
}

// Gives every folder and file below `dir` its write permission back.
void herstelRechten(const QString& dir) {
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        QFile::setPermissions(it.filePath(),
                              QFile::ReadOwner | QFile::WriteOwner |
                                  (it.fileInfo().isDir() ? QFile::ExeOwner : QFile::Permissions()));
    }
}

// The messages that came up since the last call, as "form|text" (the form
// that was current), and what the not-found dialog said.
QStringList meldingen(const QString& form) {
    QStringList out;
    for (const msgbox::Shown& m : msgbox::shown())
        out << form + '|' + m.text;
    if (auto* d = qobject_cast<MessageDialog*>(forms().find(form::DialogNietGevonden))) {
        out << form + "|" + d->text();
        forms().unload(d);
    }
    msgbox::clearShown();
    return out;
}

// A limit on the size of the files this process writes: as a full disk to
// every write past it. Lifted again when it goes; keep its scope to the one
// action, as the test's own log file meets the same limit.
class VolleSchijf {
public:
    explicit VolleSchijf(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_oud);
        m_signaal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit nieuw{bytes, m_oud.rlim_max};
        setrlimit(RLIMIT_FSIZE, &nieuw);
    }
    ~VolleSchijf() {
        setrlimit(RLIMIT_FSIZE, &m_oud);
        std::signal(SIGXFSZ, m_signaal);
    }

private:
    rlimit m_oud{};
    void (*m_signaal)(int);
};

} // namespace

class TestInstallFaults : public QObject {
    Q_OBJECT

    QTemporaryDir m_box;
    XdgSandbox m_xdg; // the user's folders are the test's own: exports land there
    QString m_dir;    // the program directory
    QString m_code;   // an occupation with job titles
    bool m_rechtenGelden = false;

    QString db() const { return database(m_dir); }
    QString pb(const QString& name) const {
        return bestand(m_dir, QStringLiteral("Programmabestanden/") + name);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_box.isValid() && m_xdg.isValid());
        m_rechtenGelden = zonderBeheerdersrechten();
        m_dir = m_box.filePath(QStringLiteral("RVL 92"));
        QVERIFY(QDir().mkpath(m_dir));
        QVERIFY(kopieer(m_dir));
        appState().programDir = m_dir;
        registerForms();

        m_code = demoCodeWithTitles(m_dir);
        QCOMPARE(m_code.size(), 5);
    }

    void init() {
        herstelRechten(m_dir);
        QVERIFY(kopieer(m_dir));
        resetAppState();
        setDpiOverride(96, 96);
        appState().gsRvl92Code = m_code;
        msgbox::clearShown();
        exports::savedialog::clear();
        QVERIFY(forms().show(form::Startscherm));
    }

    void cleanup() {
        drive::unloadAll();
        herstelRechten(m_box.path());
        msgbox::clearShown();
    }

    // ---- the database ----

    void databaseStoring_data() {
        QTest::addColumn<QString>("storing");
        // "form|message" in the order the screens are opened; "<gesloten>" a
        // screen that closed itself, "<leeg>" one that shows nothing. Screens not
        // named open with their data. %1 is the database file as shown.
        QTest::addColumn<QStringList>("verwacht");

        // A browse screen reports and closes itself; a search screen reports and
        // shows nothing.
        const auto uit = [](const QString& f, const QStringList& meldingen, const char* einde) {
            QStringList out;
            for (const QString& m : meldingen)
                out << f + '|' + m;
            return out << f + '|' + QString::fromLatin1(einde);
        };
        const auto dicht = [&](const QString& f, const QStringList& m) {
            return uit(f, m, "<gesloten>");
        };
        const auto leeg = [&](const QString& f, const QStringList& m) {
            return uit(f, m, "<leeg>");
        };
        const QString lezen =
            QStringLiteral("De gegevens van dit scherm konden niet worden gelezen.\nFout ");
        const QString mislukt = QStringLiteral("De zoekopdracht is mislukt: ");
        const QString nietGeopend =
            QStringLiteral("Activate! 3704 De lijst met functienamen is niet geopend.");
        const QString geenKenmerken =
            QStringLiteral("Er zijn geen kenmerken waarnaar  gezocht moet worden opgegeven");

        // The whole file fails: every screen says why, with the same error.
        const auto alle = [&](int nummer, const QString& tekst) {
            const QString fout = QString::number(nummer) + ' ' + tekst;
            const QString openen = QStringLiteral("De database kan niet worden geopend: ") + fout;
            const QString geenVerbinding = mislukt + "3704 Er is geen verbinding met de database.";
            return dicht(form::Functienamen, {"Load! " + fout, nietGeopend}) +
                   dicht(form::Beroepen, {lezen + fout}) + dicht(form::Namen, {lezen + fout}) +
                   dicht(form::Kenmerken, {lezen + fout}) +
                   leeg(form::ZoekenFuncties, {openen, geenVerbinding}) +
                   leeg(form::ZoekenRvl92, {openen, geenVerbinding}) +
                   leeg(form::ZoekenKenmerken, {openen, geenKenmerken});
        };
        row("missing", "ontbreekt", alle(3024, "Het databasebestand %1 is niet gevonden."));
        row("empty", "leeg", alle(3343, "Het databasebestand %1 is leeg."));
        row("truncated", "afgekapt",
            alle(3343, "Het databasebestand %1 is beschadigd of geen "
                       "database (database disk image is malformed)."));
        row("not a database", "geen database",
            alle(3343, "Het bestand %1 is geen database van RVL92."));
        row("a folder", "map",
            alle(3044, "Het databasebestand %1 kan niet worden gelezen: "
                       "het is een map."));
        row("not readable", "onleesbaar",
            alle(3044, "Het databasebestand %1 kan niet worden gelezen: "
                       "u hebt geen toestemming om het te lezen."));

        // The job titles fail: the screens that read them, each with the error
        // as its own query met it.
        const auto zonderTitels = [&](const QString& lijst, const QString& namen,
                                      const QString& zoeken) {
            return dicht(form::Functienamen, {"Load! 3001 " + lijst, nietGeopend}) +
                   dicht(form::Namen, {lezen + "3001 " + namen}) +
                   leeg(form::ZoekenFuncties, {mislukt + "3001 " + zoeken}) +
                   leeg(form::ZoekenRvl92, {mislukt + "3001 " + zoeken});
        };
        row("no job-title table", "DROP TABLE functienamen",
            zonderTitels("no such table: functienamen", "no such table: Functienamen",
                         "no such table: functienamen"));
        row("job titles without their column", "ALTER TABLE functienamen DROP COLUMN Functienaam",
            zonderTitels("no such column: Functienaam", "no such column: Functienaam",
                         "no such column: functienaam"));
        row("no occupation table", "DROP TABLE RVL",
            dicht(form::Beroepen, {lezen + "3001 no such table: RVL"}) +
                dicht(form::Kenmerken, {lezen + "3001 no such table: RVL"}) +
                leeg(form::ZoekenKenmerken, {mislukt + "3001 no such table: RVL"}));
        row("no list of skill levels", "DROP TABLE BekwaamhedenNiveau",
            leeg(form::ZoekenKenmerken,
                 {"De lijst kan niet worden gelezen: 3001 no such table: BekwaamhedenNiveau",
                  geenKenmerken}));
        // The characteristics are read with RVL.*: a missing column would shift
        // every one after it.
        row("occupations without a work type", "ALTER TABLE RVL DROP COLUMN Werksoort2",
            dicht(form::Kenmerken, {lezen + "3001 De tabel RVL mist de kolom Werksoort2."}) +
                leeg(form::ZoekenKenmerken, {mislukt + "3001 no such column: werksoort2"}));
        // A folder that nobody may write to is no fault: everything works.
        row("read-only folder", "alleen lezen", QStringList{});
    }
    void databaseStoring() {
        QFETCH(QString, storing);
        QFETCH(QStringList, verwacht);
        const QString file = db();
        if (storing == "ontbreekt") {
            QVERIFY(QFile::remove(file));
        } else if (storing == "leeg") {
            QVERIFY(writeFile(file, {}));
        } else if (storing == "afgekapt") {
            QFile f(file);
            QVERIFY(f.resize(f.size() / 2));
        } else if (storing == "geen database") {
            QVERIFY(
                writeFile(file, QByteArray("Dit is een tekst en geen database.\r\n").repeated(20)));
        } else if (storing == "map") {
            QVERIFY(QFile::remove(file) && QDir().mkdir(file));
        } else if (storing == "onleesbaar" || storing == "alleen lezen") {
            if (!m_rechtenGelden)
                QSKIP("this process writes and reads whatever the permissions say");
            if (storing == "onleesbaar") {
                QVERIFY(QFile::setPermissions(file, QFile::WriteOwner));
            } else {
                QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
                for (const QString& d : {pb(QString()), m_dir})
                    QVERIFY(QFile::setPermissions(d, QFile::ReadOwner | QFile::ExeOwner));
            }
        } else {
            QVERIFY2(sql(file, storing), qPrintable(storing));
        }
        const QString voor = vingerafdruk(file);
        for (QString& v : verwacht)
            v = v.arg(QDir::toNativeSeparators(file));

        QStringList gezien;
        for (const QString& f : kDataScreens)
            gezien << openScherm(f);
        QCOMPARE(gezien, verwacht);
        startschermAntwoordt();
        QCOMPARE(vingerafdruk(file), voor);
    }

    // ---- the installed files beside the database ----

    void programmabestanden_data() {
        QTest::addColumn<QString>("bestand");   // below Programmabestanden
        QTest::addColumn<QByteArray>("inhoud"); // "-" removed, "<map>" a folder
        QTest::addColumn<QString>("help");      // the help window's text; %1 the file as shown
        const QByteArray rommel = QByteArray("\x00\xff\x13geen plaatje", 15).repeated(40);
        row("logo damaged", "KVD Logo.bmp", rommel, QString());
        row("icon damaged", "KVD Icoon.ico", rommel, QString());
        row("help text missing", "HelpBeroepen.rtf", QByteArray("-"),
            "De helptekst is niet gevonden:\n%1");
        row("help text not rich text", "HelpBeroepen.rtf", rommel,
            "De helptekst kan niet worden gelezen:\n%1");
        row("help text a folder", "HelpBeroepen.rtf", QByteArray("<map>"),
            "De helptekst kan niet worden gelezen:\n%1");
    }

    // The start screen, the about box and a data screen with its help come up; a
    // picture that cannot be read stays empty without a message.
    void programmabestanden() {
        QFETCH(QString, bestand);
        QFETCH(QByteArray, inhoud);
        QFETCH(QString, help);
        drive::unloadAll();
        const QString file = pb(bestand);
        QVERIFY(QFile::remove(file));
        if (inhoud == "<map>")
            QVERIFY(QDir().mkdir(file));
        else if (inhoud != "-")
            QVERIFY(writeFile(file, inhoud));
        const bool logo = bestand.contains("Logo");
        const bool icoon = bestand.contains("Icoon");

        for (int i = 0; i < 2; ++i)
            msgbox::setNextAnswer(msgbox::Answer::Ok);
        QVERIFY(forms().show(form::Startscherm));
        auto* image = child<QLabel>(form::Startscherm, QStringLiteral("Image1"));
        QCOMPARE(image->pixmap().isNull(), logo);
        QCOMPARE(forms().find(form::Startscherm)->windowIcon().pixmap(16, 16).isNull(), icoon);
        QVERIFY(click(form::Startscherm, QStringLiteral("cmdInfo")));
        QCOMPARE(child<QLabel>(form::About, QStringLiteral("picIcon"))->pixmap().isNull(), logo);
        QVERIFY(click(form::About, QStringLiteral("cmdOK")));

        QCOMPARE(openScherm(form::Beroepen), QStringList{}); // it opens, with its rows
        Form* beroepen = forms().show(form::Beroepen);
        QVERIFY(beroepen && rijen(form::Beroepen) > 0);
        QCOMPARE(beroepen->windowIcon().pixmap(16, 16).isNull(), icoon);
        QVERIFY(menu(form::Beroepen, QStringLiteral("mnuVraagteken")));
        auto* tekst = child<QTextEdit>(form::ShowRtfHelp, QStringLiteral("RichTextBox1"));
        QVERIFY(tekst);
        if (help.isEmpty())
            QVERIFY(tekst->toPlainText().size() > 40);
        else
            QCOMPARE(tekst->toPlainText(), help.arg(QDir::toNativeSeparators(file)));
        QVERIFY(!beroepen->isEnabled());
        QVERIFY(menu(form::ShowRtfHelp, QStringLiteral("mnuAfsluitenScherm")));
        QVERIFY(beroepen->isEnabled());
        forms().unload(beroepen);
        QCOMPARE(msgbox::shown().size(), 0);
        startschermAntwoordt();
    }

    // ---- exports that cannot be written ----

    void exportStoring_data() {
        QTest::addColumn<QString>("storing");
        QTest::addColumn<QString>("melding"); // %1 the chosen file as shown
        const QString aanmaken =
            QStringLiteral("Het bestand kan niet worden aangemaakt:\n%1\n\nKies "
                           "een andere map of een andere bestandsnaam.");
        const QString schrijven =
            QStringLiteral("Het bestand kan niet worden geschreven:\n%1\n\nEr is niets opgeslagen. "
                           "Controleer of er genoeg ruimte op de schijf is.");
        row("folder not writable", "map alleen lezen", aanmaken);
        row("file read-only", "bestand alleen lezen", aanmaken);
        row("disk full while replacing a file", "schijf vol", schrijven);
    }

    // The export of the characteristics to a file that already holds an earlier
    // export: the message comes, the earlier file stays as it was and no stray
    // file is left beside it; the screen and the program run on.
    void exportStoring() {
        QFETCH(QString, storing);
        QFETCH(QString, melding);
        const QString map = m_box.filePath(QStringLiteral("uitvoer"));
        QVERIFY(QDir().mkpath(map));
        const QString file = QDir(map).filePath(QStringLiteral("Kenmerken.txt"));
        const QByteArray eerder("Een eerdere export die moet blijven.\r\n");
        QVERIFY(writeFile(file, eerder));
        if (storing != "schijf vol" && !m_rechtenGelden) {
            QSKIP("this process writes whatever the permissions say");
        }
        if (storing == "map alleen lezen")
            QVERIFY(QFile::setPermissions(map, QFile::ReadOwner | QFile::ExeOwner));
        if (storing == "bestand alleen lezen")
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        const QStringList mapVoor = inhoud(map);

        forms().show(form::Kenmerken);
        const QString code = child<QLineEdit>(form::Kenmerken, QStringLiteral("txtRVL"))->text();
        QCOMPARE(code, m_code);
        msgbox::setNextAnswer(msgbox::Answer::Ok);
        exports::savedialog::setNextFileName(file, exports::ExportType::Text);
        {
            std::optional<VolleSchijf> vol;
            if (storing == "schijf vol")
                vol.emplace(16);
            QVERIFY(menu(form::Kenmerken, QStringLiteral("mnuExporteren")));
        }
        QCOMPARE(msgbox::shown().size(), 1);
        QCOMPARE(msgbox::shown().first().text, melding.arg(QDir::toNativeSeparators(file)));
        QCOMPARE(lees(QDir(map).filePath(QStringLiteral("Kenmerken.txt"))), eerder);
        QCOMPARE(inhoud(map), mapVoor);
        QCOMPARE(child<QLineEdit>(form::Kenmerken, QStringLiteral("txtRVL"))->text(), code);
        QVERIFY(forms().find(form::Kenmerken)->isEnabled());
        msgbox::clearShown();

        // Another place works at once.
        const QString elders = m_box.filePath(QStringLiteral("Kenmerken-elders.txt"));
        exports::savedialog::setNextFileName(elders, exports::ExportType::Text);
        QVERIFY(menu(form::Kenmerken, QStringLiteral("mnuExporteren")));
        QVERIFY(lees(elders).startsWith("RVL92-code"));
        QCOMPARE(msgbox::shown().size(), 0);
        startschermAntwoordt();
    }

    // A program folder nobody may write to: the save dialog proposes a folder
    // where the export can be written, also when the user has no documents
    // folder, and accepting the proposal writes the file there.
    void exportUitAlleenLezenMap() {
        if (!m_rechtenGelden)
            QSKIP("this process writes whatever the permissions say");
        for (const QString& d : {pb(QString()), m_dir})
            QVERIFY(QFile::setPermissions(d, QFile::ReadOwner | QFile::ExeOwner));
        const QString thuis = m_box.filePath(QStringLiteral("thuis"));
        QVERIFY(QDir().mkpath(thuis));
        const QByteArray oudThuis = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(thuis));
        forms().show(form::Kenmerken);
        exports::savedialog::setNextAcceptProposal();
        msgbox::setNextAnswer(msgbox::Answer::Ok);
        const bool gekozen = menu(form::Kenmerken, QStringLiteral("mnuExporteren"));
        qputenv("HOME", oudThuis);
        QVERIFY(gekozen);
        QCOMPARE(msgbox::shown().size(), 0);
        const QString voorstel = exports::savedialog::shown().last().directory;
        QVERIFY2(QFileInfo(QDir(voorstel).filePath(QStringLiteral("Kenmerken.txt"))).size() > 0,
                 qPrintable(voorstel));
        QVERIFY(!QFileInfo::exists(bestand(m_dir, QStringLiteral("Kenmerken.txt"))));
        startschermAntwoordt();
    }

private:
    // Opens one data screen as the user gets there, searches on the search
    // screens, and returns the messages; a screen that closed itself says so.
    QStringList openScherm(const QString& f) {
        msgbox::clearShown();
        // Message boxes are answered instead of waiting; an unexpected one shows
        // up in the list all the same.
        for (int i = 0; i < 4; ++i)
            msgbox::setNextAnswer(msgbox::Answer::Ok);
        appState().gsRvl92Code = m_code;
        forms().show(f);
        if (forms().isLoaded(f))
            drive::search(f);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList out = meldingen(f);
        if (!forms().isLoaded(f))
            out << f + QStringLiteral("|<gesloten>");
        else if (f != form::Kenmerken && rijen(f) == 0)
            out << f + QStringLiteral("|<leeg>");
        else if (f == form::Kenmerken &&
                 child<QLineEdit>(f, QStringLiteral("txtRVL"))->text() != m_code)
            out << f + QStringLiteral("|<leeg>");
        if (forms().isLoaded(f))
            forms().unload(f);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        msgbox::clearShown();
        return out;
    }

    // The program runs on: the start screen is there, enabled, and its
    // buttons answer.
    void startschermAntwoordt() {
        Form* start = forms().find(form::Startscherm);
        QVERIFY(start);
        QVERIFY(start->isVisible());
        QVERIFY(start->isEnabled());
        QVERIFY(click(form::Startscherm, QStringLiteral("cmdInfo")));
        QVERIFY(forms().isLoaded(form::About));
        QVERIFY(click(form::About, QStringLiteral("cmdOK")));
        QVERIFY(!forms().isLoaded(form::About));
        QVERIFY(click(form::Startscherm, QStringLiteral("cmdZoekprogramma")));
        QVERIFY(forms().isLoaded(form::Zoekprogramma));
        forms().unload(form::Zoekprogramma);
    }
};

QTEST_MAIN(TestInstallFaults)
#include "tst_installfaults.moc"
