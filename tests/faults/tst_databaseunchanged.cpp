// A whole session over every screen, dialog and export leaves the classification
// database exactly as it was: same bytes, size, modification time and
// permissions, and no journal, lock or other file beside it. The file is
// writable, so only the program keeps it so. (That the program works on a
// read-only file is the fault table's "read-only folder".)
// Nothing else is written either: the user's configuration and cache folders
// stay empty, also after an export through Qt's own save dialog.

#include "app/formnames.h"
#include "app/frmdialogbericht.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "app/registerforms.h"
#include "export/exportframe.h"
#include "screens/search/choicedialog.h"

#include "programdir.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

using namespace rvl92;
using namespace programdir;

namespace {

QString cel(const QString& form, int row, int col) {
    return grid(form)->model()->index(row, col).data().toString();
}

} // namespace

class TestDatabaseUnchanged : public QObject {
    Q_OBJECT

    QTemporaryDir m_box;
    QString m_dir;     // the program directory
    QString m_exports; // where the exports go, outside it
    int m_exportsGemaakt = 0;

    // "Exporteren" on `form` into a file of its own; both layouts in turn. The
    // first goes through the real save dialog, the file name typed into it.
    void exporteer(const QString& form) {
        const QString file = QDir(m_exports).filePath(
            QStringLiteral("%1-%2.%3")
                .arg(form)
                .arg(m_exportsGemaakt)
                .arg(m_exportsGemaakt % 2 ? QStringLiteral("csv") : QStringLiteral("txt")));
        QTimer dialoog;
        if (m_exportsGemaakt == 0) {
            connect(&dialoog, &QTimer::timeout, this, [&] {
                if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    dialoog.stop();
                    d->setOption(QFileDialog::DontConfirmOverwrite); // the other row's
                    d->selectFile(file);
                    static_cast<QDialog*>(d)->accept(); // as "Opslaan"
                }
            });
            dialoog.start(20);
        } else {
            exports::savedialog::setNextFileName(
                file, m_exportsGemaakt % 2 ? exports::ExportType::Csv : exports::ExportType::Text);
        }
        ++m_exportsGemaakt;
        QVERIFY2(menu(form, QStringLiteral("mnuExporteren")), qPrintable(form));
        QVERIFY(!exports::savedialog::hasPendingAnswers());
        QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
    }

    void sessie();

private slots:
    void initTestCase() {
        QVERIFY(m_box.isValid());
        m_dir = m_box.filePath(QStringLiteral("RVL 92"));
        m_exports = m_box.filePath(QStringLiteral("uitvoer"));
        QVERIFY(QDir().mkpath(m_dir) && QDir().mkpath(m_exports));
        QVERIFY(kopieer(m_dir));
        appState().programDir = m_dir;
        registerForms();
    }

    void ongewijzigd() {
        const QString db = database(m_dir);
        QVERIFY(QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther));
        // The modification time must stay, even to the millisecond: set one
        // that a write now would visibly change.
        QFile f(db);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-400),
                              QFileDevice::FileModificationTime));
        f.close();
        const QString voor = vingerafdruk(db);
        const QStringList mapVoor = inhoud(m_dir);

        resetAppState();
        setDpiOverride(96, 96);
        msgbox::clearShown();
        exports::savedialog::clear();
        m_exportsGemaakt = 0;
        // No message box belongs in this session; should one come, it is
        // answered and reported below instead of waiting for a user.
        for (int i = 0; i < 3; ++i)
            msgbox::setNextAnswer(msgbox::Answer::Ok);
        sessie();
        if (QTest::currentTestFailed())
            drive::unloadAll();

        QCOMPARE(forms().loaded().size(), 0);
        QCOMPARE(m_exportsGemaakt, 5);
        QCOMPARE(msgbox::shown().size(), 0);
        QCOMPARE(vingerafdruk(db), voor);
        QCOMPARE(inhoud(m_dir), mapVoor);
        for (const char* map : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            QCOMPARE(QDir(qEnvironmentVariable(map))
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                    QDir::System),
                     QStringList());
    }
};

// Every screen from the menus, every choice dialog, every export, moves and
// jumps, help and the way out through "Afsluiten".
void TestDatabaseUnchanged::sessie() {
    const QString start = form::Startscherm;
    QVERIFY(forms().show(start));
    QVERIFY(click(start, QStringLiteral("cmdZoekprogramma")));
    QVERIFY(menu(form::Zoekprogramma, QStringLiteral("mnuFunctienamen")));

    // The job-title overview: jump by letters, step, to the end and back.
    const QString F = form::Functienamen;
    QVERIFY(rijen(F) > 100);
    grid(F)->setFocus();
    QTest::keyClicks(grid(F), "ma");
    QVERIFY(menu(F, QStringLiteral("mnuVolgendeRvl")));
    QVERIFY(menu(F, QStringLiteral("mnuLast")));
    QVERIFY(menu(F, QStringLiteral("mnuFirst")));
    QTest::keyClick(grid(F), Qt::Key_PageDown);
    const QString woord = cel(F, grid(F)->currentIndex().row(), 1).left(4);
    QVERIFY(menu(F, QStringLiteral("mnuExporteren"))); // a notice only
    if (forms().isLoaded(form::DialogExporteren))
        forms().unload(form::DialogExporteren);

    // Its occupation: characteristics, job titles, the occupation list.
    QVERIFY(menu(F, QStringLiteral("mnuKenmerken")));
    exporteer(form::Kenmerken);
    QVERIFY(menu(form::Kenmerken, QStringLiteral("mnuVraagteken")));
    QVERIFY(forms().isLoaded(form::ShowRtfHelp));
    QVERIFY(menu(form::ShowRtfHelp, QStringLiteral("mnuAfsluitenScherm")));
    QVERIFY(menu(form::Kenmerken, QStringLiteral("mnuNamen")));
    exporteer(form::Namen);
    QVERIFY(menu(form::Namen, QStringLiteral("mnuLaatsteRecord")));
    QVERIFY(menu(form::Namen, QStringLiteral("mnuBeroepen")));
    const QString B = form::Beroepen;
    for (const char* c : {"txtZ1", "txtZ2"})
        QTest::keyClicks(child<QLineEdit>(B, QString::fromLatin1(c)), "3");
    click(B, QStringLiteral("cmdZoeken"));
    drive::closeNotice();
    QVERIFY(menu(B, QStringLiteral("mnuLast")));
    QVERIFY(menu(B, QStringLiteral("mnuKenmerken")));
    QVERIFY(menu(form::Kenmerken, QStringLiteral("mnuVorigeScherm")));

    // The three searches, each with a hit, exported.
    QVERIFY(menu(B, QStringLiteral("mnuZoekenFunctienaam")));
    const QString ZF = form::ZoekenFuncties;
    auto* zoekvak = child<QLineEdit>(ZF, QStringLiteral("txtZoekstr"));
    QTest::keyClicks(zoekvak, woord.toLatin1().constData());
    QTest::keyClick(zoekvak, Qt::Key_Return);
    QVERIFY2(rijen(ZF) > 0, qPrintable(woord));
    exporteer(ZF);
    QVERIFY(menu(ZF, QStringLiteral("mnuNamen")));
    QVERIFY(menu(form::Namen, QStringLiteral("mnuZoekenRvl92")));

    const QString ZR = form::ZoekenRvl92;
    auto* z1 = child<QLineEdit>(ZR, QStringLiteral("txtZ1"));
    z1->setFocus();
    QTest::keyClicks(z1, "2");
    QVERIFY(click(ZR, QStringLiteral("cmdZoeken")));
    QVERIFY(rijen(ZR) > 0);
    exporteer(ZR);
    QVERIFY(click(ZR, QStringLiteral("cmdWissen")));
    QVERIFY(menu(ZR, QStringLiteral("mnuZoekenKenmerken")));

    // The search on characteristics, with each of its four choice dialogs.
    const QString ZK = form::ZoekenKenmerken;
    drive::pick(ZK, "cboNiveau", 0);
    drive::pick(ZK, "cboNiveau", 1);
    QVERIFY(click(form::DialogNiveau, QStringLiteral("cmdYes")));
    drive::pick(ZK, "cboHoofdrichting", 0);
    drive::pick(ZK, "cboHoofdrichting", 1);
    QVERIFY(click(form::DialogRichting, QStringLiteral("cmdNo")));
    for (int i = 0; i < 4; ++i)
        drive::pick(ZK, "cboWerksoorten", i);
    QVERIFY(click(form::DialoogWerksoorten, QStringLiteral("cmdWerksoort(0)")));
    for (int i = 0; i < 8; ++i)
        drive::pick(ZK, "cboVaardigheden", i);
    QVERIFY(forms().isLoaded(form::DialoogVaardigheden));
    QTest::keyClick(forms().find(form::DialoogVaardigheden), Qt::Key_Escape);
    QVERIFY(click(ZK, QStringLiteral("cmdZoeken")));
    drive::closeNotice();
    // Then one work type at a time until one gives a result.
    const int werksoorten = child<QComboBox>(ZK, QStringLiteral("cboWerksoorten"))->count();
    for (int i = 0; i < werksoorten && rijen(ZK) == 0; ++i) {
        QVERIFY(click(ZK, QStringLiteral("cmdWissen")));
        drive::pick(ZK, "cboWerksoorten", i);
        QVERIFY(click(ZK, QStringLiteral("cmdZoeken")));
        drive::closeNotice();
    }
    QVERIFY(rijen(ZK) > 0);
    QVERIFY(menu(ZK, QStringLiteral("mnuLaatsteRecord")));
    exporteer(ZK);
    QVERIFY(menu(ZK, QStringLiteral("mnuKenmerken")));
    QVERIFY(menu(form::Kenmerken, QStringLiteral("mnuVorigeScherm")));
    QVERIFY(menu(ZK, QStringLiteral("mnuNaarStartscherm")));

    // Out through "Afsluiten" of a data screen and "Ja": every screen closes
    // its recordset and connection.
    forms().show(ZK);
    QVERIFY(menu(ZK, QStringLiteral("mnuSluiten")));
    QVERIFY(click(form::DialogYesNo, QStringLiteral("cmdYes")));
}

// The user's configuration and cache folders are empty folders of the test's
// own, set before Qt reads where they are.
int main(int argc, char** argv) {
    QTemporaryDir gebruiker;
    for (const char* map : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        const QString pad = gebruiker.filePath(QString::fromLatin1(map));
        if (!QDir().mkpath(pad))
            return 1;
        qputenv(map, QFile::encodeName(pad));
    }
    QApplication app(argc, argv);
    TestDatabaseUnchanged test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_databaseunchanged.moc"
