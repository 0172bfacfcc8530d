// Opening a Jet file through the program's connection: told by content, read
// once per process and shared, never written.
#include "data/database.h"
#include "data/recordset.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace rvl92;

namespace {

const QString Fixtures = QStringLiteral(RVL92_FIXTURES_DIR "/jet");

QByteArray sha(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestDatabaseJet : public QObject {
    Q_OBJECT
private slots:
    void init() { Database::clearSharedImports(); }

    void installedJetFileOpensAndIsShared() {
        const QString programDir = install("testUnicodeCompV2003.mdb");
        const QString file = Database::databasePath(programDir);
        const QByteArray before = sha(file);
        QCOMPARE(int(Database::detectFormat(file)), int(Database::Format::Jet));

        Database a, b;
        DbError err;
        QVERIFY2(a.openProgramDatabase(programDir, &err), qPrintable(err.description));
        QVERIFY2(b.openProgramDatabase(programDir, &err), qPrintable(err.description));
        QCOMPARE(a.handle(), b.handle()); // read once, shared by every connection

        Recordset rs;
        QVERIFY(rs.open("select ID, Unicode from [Table] where Unicode Like '%ÄÄKK%'", a, &err));
        QCOMPARE(rs.recordCount(), 1);
        QCOMPARE(rs.text("unicode"), QString("ääkkösiä"));
        // Nothing can change the shared copy, let alone the file.
        QVERIFY(!rs.open("DELETE FROM [Table]", b, &err));
        QVERIFY(err.isError());
        QVERIFY(rs.open("select count(*) from [Table]", b, &err));
        QCOMPARE(rs.text(0), QString("8"));
        a.close();
        QVERIFY(rs.open("select count(*) from [Table]", b, &err));
        QCOMPARE(sha(file), before);
    }

    void jetFileWithoutTables() {
        const QString programDir = install("emptyJet4.mdb");
        Database db;
        DbError err;
        QVERIFY(!db.openProgramDatabase(programDir, &err));
        QCOMPARE(err.number, int(dberr::JetNoTables));
        QCOMPARE(err.description,
                 QStringLiteral("Het databasebestand %1 bevat geen tabellen.")
                     .arg(QDir::toNativeSeparators(Database::databasePath(programDir))));
        QVERIFY(!db.isOpen());
    }

private:
    // A copy of a fixture as <program dir>/Programmabestanden/RVL92.MDB.
    QString install(const QString& fixture) {
        const QString dir = m_dir.filePath(fixture + "/Programmabestanden");
        QDir().mkpath(dir);
        QFile::copy(Fixtures + "/" + fixture, dir + "/RVL92.MDB");
        return m_dir.filePath(fixture);
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDatabaseJet)
#include "tst_databasejet.moc"
