// The export frame through its save-dialog seam: the dialog's set-up, the
// proposal, a typed .csv name, cancel, targets that cannot be written, and
// what the screens' results look like afterwards.

#include "app/appstate.h"
#include "app/form.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "data/database.h"
#include "data/recordset.h"
#include "export/exportframe.h"
#include "export/screenexports.h"

#include "export/exportfixture.h"
#include "support/datarow.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace rvl92;
using namespace rvl92::exports;
using exportfixture::contents;
using exportfixture::crlf;

Q_DECLARE_METATYPE(rvl92::exports::ExportType)

namespace {

QString cannotCreate(const QString& path) {
    return "Het bestand kan niet worden aangemaakt:\n" + path +
           "\n\nKies een andere map of een andere bestandsnaam.";
}

QString cannotWrite(const QString& path) {
    return "Het bestand kan niet worden geschreven:\n" + path +
           "\n\nEr is niets opgeslagen. Controleer of er genoeg ruimte op de schijf is.";
}

const QString titles = "SELECT RVL92, Functienaam, beroep FROM functienamen ORDER BY id";

} // namespace

class TestExportFrame : public QObject {
    Q_OBJECT

    QTemporaryDir m_program;
    Database m_cnn;
    Recordset m_rs;
    QString dir() const { return m_program.path(); }
    QString file(const QString& name) const { return dir() + "/" + name; }

    bool openRs(const QString& sql) {
        DbError err;
        return m_rs.open(sql, m_cnn, &err);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_program.isValid());
        QVERIFY(exportfixture::write(dir()));
        DbError err;
        QVERIFY(m_cnn.openProgramDatabase(dir(), &err));
        forms().registerForm(form::Startscherm, [] { return new Form(form::Startscherm); });
        QVERIFY(forms().show(form::Startscherm));
    }

    void init() {
        appState().programDir = dir();
        savedialog::clear();
        msgbox::clearShown();
        for (const char* f : {"Kenmerken.txt", "ZoekenFuncties.txt", "x.csv"})
            QFile::remove(file(f));
    }

    void cleanup() {
        QVERIFY(!savedialog::hasPendingAnswers());
        QVERIFY(!msgbox::hasPendingAnswers());
        QVERIFY(forms().find(form::Startscherm)->isEnabled());
    }

    // Cancel: the fixed message with the application's title, no file, and
    // the result keeps its current row.
    void cancelled() {
        QVERIFY(openRs(titles));
        QVERIFY(m_rs.setAbsolutePosition(3));
        savedialog::setNextCancel();
        msgbox::setNextAnswer(msgbox::Answer::Ok);
        QCOMPARE(exportZoekenFuncties(nullptr, m_rs), ExportResult::Cancelled);
        QCOMPARE(msgbox::shown().size(), 1);
        QCOMPARE(msgbox::shown().first().title, QString("RVL92"));
        QCOMPARE(msgbox::shown().first().text, QString("Het opslaan is geannuleerd"));
        QVERIFY(!QFile::exists(file("ZoekenFuncties.txt")));
        QCOMPARE(m_rs.absolutePosition(), 3);
    }

    // Targets that cannot be written never pass for success; the user is told
    // in Dutch. A result that was being written is put back on its first row;
    // one whose file could not even be made keeps its row.
    void unwritable_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("positionAfter");
        const QString noFolder = file("bestaat-niet/Namen.txt");
        row("folder missing", noFolder, cannotCreate(noFolder), 4);
        row("a folder", dir(), cannotCreate(dir()), 4);
        row("full disk", "/dev/full", cannotWrite("/dev/full"), 1);
    }
    void unwritable() {
        QFETCH(QString, path);
        QFETCH(QString, message);
        QFETCH(int, positionAfter);
        QVERIFY(openRs(titles));
        QVERIFY(m_rs.setAbsolutePosition(4));
        savedialog::setNextFileName(path, ExportType::Text);
        msgbox::setNextAnswer(msgbox::Answer::Ok);
        QCOMPARE(exportZoekenRvl92(nullptr, m_rs), ExportResult::Failed);
        QCOMPARE(msgbox::shown().size(), 1);
        QCOMPARE(msgbox::shown().first().title, QString("RVL92"));
        QCOMPARE(msgbox::shown().first().text, message);
        QCOMPARE(m_rs.absolutePosition(), positionAfter);
        // The device stays a device: a full disk is written to, never replaced.
        struct stat st {};
        QVERIFY(::stat("/dev/full", &st) == 0 && S_ISCHR(st.st_mode));
    }

    // An existing file is replaced without a question; when the export fails
    // instead, the file it was to replace is left as it was.
    void replaceOrKeep() {
        const QString target = file("Namen.csv");
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("oud\r\n");
        f.close();

        Database closed;
        QVERIFY(openRs("SELECT RVL92,Functienaam,beroep FROM Functienamen where RVL92 = '11010'"));
        savedialog::setNextFileName(target, ExportType::Csv);
        msgbox::setNextAnswer(msgbox::Answer::Ok);
        QCOMPARE(exportNamen(nullptr, m_rs, closed), ExportResult::Failed);
        QCOMPARE(contents(target), QByteArray("oud\r\n"));
        Recordset probe;
        DbError err;
        QVERIFY(!probe.open("select 1", closed, &err));
        QCOMPARE(msgbox::shown().size(), 1);
        QCOMPARE(msgbox::shown().first().text, "De functienamen konden niet worden gelezen:\n" +
                                                   QString::number(err.number) + " " +
                                                   err.description);

        msgbox::clearShown();
        QVERIFY(m_rs.setAbsolutePosition(2));
        savedialog::setNextFileName(target, ExportType::Csv);
        QCOMPARE(exportNamen(nullptr, m_rs, m_cnn), ExportResult::Saved);
        // Replaced, not added to: only the three job titles (their lines are
        // checked with the layouts).
        QCOMPARE(contents(target).count("\r\n"), 3);
        QVERIFY(msgbox::shown().isEmpty());
        // The screen's own list is not touched by this export.
        QCOMPARE(m_rs.absolutePosition(), 2);
    }

    // The program directory of an installed program is often not writable:
    // then the dialog starts in the user's documents folder.
    void startFolder() {
        QCOMPARE(exportStartDirectory(), QFileInfo(dir()).absoluteFilePath());
        appState().programDir = file("bestaat-niet");
        QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (documents.isEmpty() || !QFileInfo(documents).isDir())
            documents = QDir::homePath();
        QCOMPARE(exportStartDirectory(), documents);
    }

    // The real dialog, accepted as proposed: its set-up, and the default name
    // with ".txt" in the program directory, in the text layout (its lines are
    // checked with the layouts), without any message.
    void realDialog() {
        QVERIFY(openRs(" Select RVL.* from RVL where RVL92 = '11010'"));
        QString title;
        QStringList filters;
        QString suffix;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            poll.stop();
            title = d->windowTitle();
            filters = d->nameFilters();
            suffix = d->defaultSuffix();
            static_cast<QDialog*>(d)->accept(); // the dialog's own accept, as "Opslaan"
        });
        poll.start(20);
        QCOMPARE(exportKenmerken(nullptr, m_rs), ExportResult::Saved);
        QCOMPARE(title, QString("Opslaan van 1 records"));
        QCOMPARE(filters, QStringList({"Text (*.txt)", "CSV (*.csv)"}));
        QCOMPARE(suffix, QString("txt"));
        QVERIFY(contents(file("Kenmerken.txt")).startsWith("RVL92-code   : 11010\r\n"));
        QVERIFY(msgbox::shown().isEmpty());
    }
};

QTEST_MAIN(TestExportFrame)
#include "tst_exportframe.moc"
