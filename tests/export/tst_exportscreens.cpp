// "Exporteren" on each screen, driven as a user would, with the save dialog
// answered through its seam: the file holds what the screen shows, and the
// screen looks as before (same columns; list screens on their first row; the
// characteristics and the job titles of an occupation unchanged).

#include "export/exportframe.h"
#include "export/exportlines.h"
#include "support/screensession.h"

#include "export/exportfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace rvl92;
using namespace rvl92::exports;
using drive::captions;
using drive::child;
using drive::grid;
using exportfixture::contents;
using exportfixture::crlf;

namespace {

// The grid's rows as "col0 col1".
QList<QByteArray> gridLines(const QString& form) {
    QList<QByteArray> out;
    QAbstractItemModel* m = grid(form)->model();
    for (int r = 0; r < m->rowCount(); ++r)
        out << toWindows1252(m->index(r, 0).data().toString() + " " +
                             m->index(r, 1).data().toString());
    return out;
}

// The shared variables an export must leave alone.
QStringList shared() {
    const AppState& s = appState();
    QStringList out{s.gsHuidigScherm,
                    s.gsRvl92Code,
                    s.gsStartRvl92Code,
                    QString::number(s.giHistorieIndex),
                    QString::number(s.gbVorigScherm),
                    QString::number(s.gbRecordselector)};
    for (const QString& h : s.gsSchermHistorie)
        out << h;
    return out;
}

} // namespace

class TestExportScreens : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const QString& name) const { return m_dir.path() + "/" + name; }

    // Exports through the menu with the dialog answered by `path`/`filter`.
    void exporteer(const QString& form, const QString& path, ExportType filter) {
        savedialog::setNextFileName(path, filter);
        QVERIFY(drive::menu(form, "mnuExporteren"));
        QVERIFY(!savedialog::hasPendingAnswers());
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid() && exportfixture::write(m_dir.path()));
        drive::install(m_dir.path());
    }
    void init() {
        drive::restart();
        appState().gsStartRvl92Code = "11010";
        savedialog::clear();
    }
    void cleanup() {
        QVERIFY(!msgbox::hasPendingAnswers());
        drive::unloadAll();
    }

    // The job-title search: the file follows the grid; afterwards the grid
    // has the same columns and stands on its first hit.
    void zoekenFuncties() {
        const QString F = form::ZoekenFuncties;
        forms().show(F);
        auto* vak = child<QLineEdit>(F, "txtZoekstr");
        QTest::keyClicks(vak, "bakker");
        QTest::keyClick(vak, Qt::Key_Return);
        const QList<QByteArray> rows = gridLines(F);
        QVERIFY(rows.size() >= 2);
        const QStringList columns = captions(grid(F));
        QVERIFY(drive::menu(F, "mnuLaatsteRecord"));
        const QStringList before = shared();

        exporteer(F, file("functies.txt"), ExportType::Text);
        QCOMPARE(contents(file("functies.txt")), crlf(rows));
        QCOMPARE(savedialog::shown().last().title,
                 QStringLiteral("Opslaan van %1 records").arg(rows.size()));
        QCOMPARE(savedialog::shown().last().fileName, QString("ZoekenFuncties"));
        QCOMPARE(captions(grid(F)), columns);
        QCOMPARE(grid(F)->currentIndex().row(), 0);
        QCOMPARE(child<QLabel>(F, "lblRecordCount")->text(),
                 QStringLiteral(" Record  1 van %1 ").arg(rows.size()));
        QCOMPARE(shared(), before);
    }

    // The code search: CSV; after "Wissen zoekopdracht" the hidden result is
    // still what gets written, and the grid stays hidden.
    void zoekenRvl92() {
        const QString F = form::ZoekenRvl92;
        forms().show(F);
        drive::search(F);
        QList<QByteArray> rows = gridLines(F);
        QCOMPARE(rows.size(), 3);
        for (QByteArray& r : rows)
            r.replace(5, 1, ";");
        exporteer(F, file("rvl.csv"), ExportType::Text);
        QCOMPARE(contents(file("rvl.csv")), crlf(rows));
        QCOMPARE(savedialog::shown().last().fileName, QString("ZoekenRVL"));

        QTest::mouseClick(child<QPushButton>(F, "cmdWissen"), Qt::LeftButton);
        QVERIFY(grid(F)->isHidden());
        exporteer(F, file("rvl2.csv"), ExportType::Csv);
        QCOMPARE(contents(file("rvl2.csv")), crlf(rows));
        QVERIFY(grid(F)->isHidden());
    }

    // The search on characteristics: absent work-type codes as three blanks.
    void zoekenKenmerken() {
        const QString F = form::ZoekenKenmerken;
        forms().show(F);
        drive::search(F);
        const QStringList columns = captions(grid(F));
        exporteer(F, file("kenmerken.txt"), ExportType::Csv);
        QCOMPARE(contents(file("kenmerken.txt")),
                 crlf({"11010 101" + QByteArray(9, ' ') + "Bakker van brood; banket"}));
        QCOMPARE(savedialog::shown().last().fileName, QString("ZoekenKenmerken"));
        QCOMPARE(captions(grid(F)), columns);
    }

    // The characteristics screen keeps showing its occupation.
    void kenmerken() {
        appState().gsRvl92Code = "11010";
        forms().show(form::Kenmerken);
        const QStringList before = shared();
        exporteer(form::Kenmerken, file("Kenmerken.csv"), ExportType::Text);
        QCOMPARE(savedialog::shown().last().fileName, QString("Kenmerken"));
        const QByteArray csv = contents(file("Kenmerken.csv"));
        QVERIFY2(csv.startsWith("1;Elementair;") && csv.count(';') == 18, csv.constData());
        QCOMPARE(child<QLineEdit>(form::Kenmerken, "txtBeroepsniveauCode")->text(), QString("1"));
        QCOMPARE(shared(), before);
    }

    // The job titles of an occupation come from their own query; the list
    // keeps its current row.
    void namen() {
        appState().gsRvl92Code = "11010";
        forms().show(form::Namen);
        QVERIFY(drive::menu(form::Namen, "mnuLaatsteRecord"));
        const int row = grid(form::Namen)->currentIndex().row();
        QCOMPARE(row, 2);
        exporteer(form::Namen, file("Namen.txt"), ExportType::Text);
        QCOMPARE(savedialog::shown().last().title, QString("Opslaan van 3 records"));
        QCOMPARE(savedialog::shown().last().fileName, QString("Namen"));
        const QByteArray text = contents(file("Namen.txt"));
        QCOMPARE(text.count("\r\n"), 3);
        QVERIFY(text.contains("11010 121 Bakker; deeg\r\n"));
        QCOMPARE(grid(form::Namen)->currentIndex().row(), row);
    }
};

QTEST_MAIN(TestExportScreens)
#include "tst_exportscreens.moc"
