// The rules that find a document's viewer: registered commands cut down to the
// program, desktop entries and their Exec lines, mimeapps.list files.
#include "documentation/association.h"
#include "documentation/fileassociation.h"
#include "support/datarow.h"

#include <QTest>

using namespace rvl92;

namespace {

const QList<FolderPlaceholder> kFolders = {
    {QStringLiteral("%Desktop%"), QStringLiteral("C:\\Users\\an\\Desktop")},
    {QStringLiteral("%SystemRoot%"), QStringLiteral("C:\\WINDOWS")},
    {QStringLiteral("%MyDocuments%"), QStringLiteral("C:\\Users\\an\\Documents")},
    {QStringLiteral("%ProgramFiles%"), QStringLiteral("C:\\Program Files")}};

} // namespace

class TestAssociation : public QObject {
    Q_OBJECT
private slots:
    // The command registered for a file type, cut down to the program.
    void registeredCommand_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("program");
        // No comma: everything up to and including the first ".exe".
        row("quoted path, options, file",
            "\"C:\\Program Files\\Adobe\\Reader\\AcroRd32.exe\" /u \"%1\"",
            "C:\\Program Files\\Adobe\\Reader\\AcroRd32.exe");
        row("unquoted path and file", "C:\\WORD\\WINWORD.EXE \"%1\"", "C:\\WORD\\WINWORD.EXE");
        row(".exe in any case", "C:\\Viewer\\View.ExE %1", "C:\\Viewer\\View.ExE");
        row("first .exe wins", "C:\\a.exe.d\\b.exe %1", "C:\\a.exe");
        // A comma: before the first " /", or else before the first ",".
        row("comma, cut before options", "\"C:\\Office\\WINWORD.EXE\" /n /dde,\"%1\"",
            "C:\\Office\\WINWORD.EXE\"");
        row("comma without options", "C:\\Tools\\view.exe \"%1\",0", "C:\\Tools\\view.exe \"%1\"");
        // Expansion: the first placeholder in the table, in any case (every
        // occurrence and the table order: the expansion's own rows).
        row("ProgramFiles in lower case", "\"%programfiles%\\Reader\\reader.exe\" \"%1\"",
            "C:\\Program Files\\Reader\\reader.exe");
        row("SystemRoot first, ProgramFiles kept", "%ProgramFiles%\\x.exe /p %systemroot%,1",
            "%ProgramFiles%\\x.exe");
        // No program: no ":\" or no ".exe".
        row("no drive", "viewer.exe \"%1\"", "");
        row("no .exe", "C:\\Windows\\rundll32 shimgvw.dll,ImageView \"%1\"", "");
        row("placeholder left unexpanded", "%Unknown%\\v.exe %1", "");
        row("empty", "", "");
    }
    void registeredCommand() {
        QFETCH(QString, command);
        QFETCH(QString, program);
        QCOMPARE(programFromRegisteredCommand(command, kFolders), program);
    }

    void expansion_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expanded");
        row("every occurrence, any case", "%SystemRoot%\\a %systemROOT%\\b",
            "C:\\WINDOWS\\a C:\\WINDOWS\\b");
        row("first in table order, not in text order", "%ProgramFiles% %MyDocuments%",
            "%ProgramFiles% C:\\Users\\an\\Documents");
    }
    void expansion() {
        QFETCH(QString, command);
        QFETCH(QString, expanded);
        QCOMPARE(expandFolderPlaceholder(command, kFolders), expanded);
    }

    void folderUnknownToTheSystem() {
        // A folder the system cannot give is replaced by nothing, so the
        // command loses its drive and names no program any more.
        QList<FolderPlaceholder> folders = kFolders;
        folders[3].folder.clear();
        QCOMPARE(expandFolderPlaceholder("%ProgramFiles%\\r.exe", folders), QString("\\r.exe"));
        QCOMPARE(programFromRegisteredCommand("%ProgramFiles%\\r.exe", folders), QString());
    }

    // What is started: the bare program path.
    void barePath_data() {
        QTest::addColumn<QString>("cut");
        QTest::addColumn<QString>("bare");
        row("already bare", "C:\\R\\r.exe", "C:\\R\\r.exe");
        row("closing quote left", "C:\\Office\\WINWORD.EXE\"", "C:\\Office\\WINWORD.EXE");
        row("arguments left", "C:\\Tools\\view.exe \"%1\"", "C:\\Tools\\view.exe");
        row(".exe inside a folder name", "C:\\a.exe.d\\b.exe /x", "C:\\a.exe.d\\b.exe");
        row("blanks in the path", " C:\\Program Files\\v.exe ", "C:\\Program Files\\v.exe");
    }
    void barePath() {
        QFETCH(QString, cut);
        QFETCH(QString, bare);
        QCOMPARE(bareProgramPath(cut), bare);
    }

    void desktopEntry() {
        const DesktopEntry e = parseDesktopEntry("# comment\n"
                                                 "[Desktop Entry]\n"
                                                 "Type=Application\n"
                                                 "Name=Lezer\n"
                                                 "Icon=lezer\n"
                                                 "TryExec=lezer\n"
                                                 "Exec=lezer\\s--toon %f\n"
                                                 "[Desktop Action nieuw]\n"
                                                 "Exec=lezer --nieuw\n"
                                                 "Hidden=true\n");
        QVERIFY(e.valid);
        QCOMPARE(e.exec, QString("lezer --toon %f"));
        QCOMPARE(e.tryExec, QString("lezer"));
        QCOMPARE(e.name, QString("Lezer"));
        QCOMPARE(e.icon, QString("lezer"));
        QVERIFY(!e.hidden); // Hidden of another group does not count

        QVERIFY(parseDesktopEntry("[Desktop Entry]\nExec=x\nHidden=true\n").hidden);
        QVERIFY(!parseDesktopEntry("[Desktop Entry]\nName=zonder Exec\n").valid);
        QVERIFY(!parseDesktopEntry("Exec=buiten een groep\n").valid);
        QVERIFY(!parseDesktopEntry("").valid);
    }

    void execLine_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("args");
        row("plain", "evince %U", true, QStringList{"evince", "%U"});
        row("extra blanks", "  a   b\tc ", true, QStringList{"a", "b", "c"});
        row("quoted program with blank", "\"/opt/Mijn Lezer/lezer\" --open %f", true,
            QStringList{"/opt/Mijn Lezer/lezer", "--open", "%f"});
        row("escapes inside quotes", "sh \"a \\\"b\\\" \\$HOME \\\\ \\`x\\`\"", true,
            QStringList{"sh", "a \"b\" $HOME \\ `x`"});
        row("quote inside an argument", "--naam=\"A B\"", true, QStringList{"--naam=A B"});
        row("empty quoted argument", "x \"\" y", true, QStringList{"x", "", "y"});
        row("unclosed quote", "x \"y", false, QStringList{});
        row("empty", "", true, QStringList{});
    }
    void execLine() {
        QFETCH(QString, exec);
        QFETCH(bool, ok);
        QFETCH(QStringList, args);
        bool parsed = !ok;
        QCOMPARE(splitExecLine(exec, &parsed), args);
        QCOMPARE(parsed, ok);
    }

    void fieldCodes_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("expected");
        const QString file = "/home/an/Mijn documenten/Hand leiding.pdf";
        row("%f as one argument", QStringList{"--open", "%f"}, QStringList{"--open", file});
        row("%U", QStringList{"%U"}, QStringList{file});
        row("code inside an argument", QStringList{"--file=%f"}, QStringList{"--file=" + file});
        row("no code: file at the end", QStringList{"--view"}, QStringList{"--view", file});
        row("icon, name, entry and percent", QStringList{"%i", "--title=%c", "%k", "100%%", "%f"},
            QStringList{"--icon", "lezer", "--title=Lezer", "/apps/lezer.desktop", "100%", file});
        row("deprecated codes dropped", QStringList{"%d", "%m", "%F"}, QStringList{file});
    }
    void fieldCodes() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, expected);
        DesktopEntry entry;
        entry.name = "Lezer";
        entry.icon = "lezer";
        QCOMPARE(expandFieldCodes(args, "/home/an/Mijn documenten/Hand leiding.pdf", entry,
                                  "/apps/lezer.desktop"),
                 expected);
    }

    void mimeApps() {
        const QString text = "[Default Applications]\n"
                             "application/pdf=lezer.desktop;ander.desktop;\n"
                             "application/msword=schrijver.desktop\n"
                             "[Added Associations]\n"
                             "application/pdf=extra.desktop;\n"
                             "[Removed Associations]\n"
                             "Application/PDF=weg.desktop\n";
        QCOMPARE(mimeAppsEntries(text, "Default Applications", "application/pdf"),
                 (QStringList{"lezer.desktop", "ander.desktop"}));
        QCOMPARE(mimeAppsEntries(text, "Default Applications", "application/msword"),
                 QStringList{"schrijver.desktop"});
        QCOMPARE(mimeAppsEntries(text, "Added Associations", "application/pdf"),
                 QStringList{"extra.desktop"});
        QCOMPARE(mimeAppsEntries(text, "Removed Associations", "application/pdf"),
                 QStringList{"weg.desktop"});
        QCOMPARE(mimeAppsEntries(text, "Default Applications", "image/png"), QStringList{});
        QCOMPARE(mimeCacheEntries("[MIME Cache]\napplication/pdf=a.desktop;b.desktop;\n",
                                  "application/pdf"),
                 (QStringList{"a.desktop", "b.desktop"}));
    }

    void desktopIds() {
        QCOMPARE(desktopIdPaths("lezer.desktop"), QStringList{"lezer.desktop"});
        QCOMPARE(desktopIdPaths("kde-org-lezer.desktop"),
                 (QStringList{"kde-org-lezer.desktop", "kde/org-lezer.desktop",
                              "kde/org/lezer.desktop"}));
    }
};

QTEST_GUILESS_MAIN(TestAssociation)
#include "tst_association.moc"
