// "Zoeken op RVL92-Code" driven as a user would: the five code boxes, the
// search, clearing, the message and the hand-offs to the browse screens.
#include "searchdriver.h"

#include "screens/search/codepattern.h"
#include "support/datarow.h"

#include <QLineEdit>

using namespace rvl92;
using namespace searchtest;

namespace {
const QString F = form::ZoekenRvl92;
} // namespace

class TestZoekenRvl92 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(opzetten(m_dir)); }
    void init() { begin(F); }
    void cleanup() { drive::unloadAll(); }

    void zoeken_data() {
        QTest::addColumn<QString>("toetsen");
        QTest::addColumn<QString>("vakkenNa");
        QTest::addColumn<QStringList>("gevonden");
        row("whole code", "11010", "1|1|0|1|0", QStringList{"11010", "11010"});
        row("nothing typed: every five-digit code", "", "#|#|#|#|#",
            QStringList{"11010", "11010", "22020", "33030", "44040", "44040", "55050"});
        // A blank or a letter typed is "#": the bad-input rows.
    }

    void zoeken() {
        QFETCH(QString, toetsen);
        QCOMPARE(forms().find(F)->windowTitle(), QString("Zoeken op RVL92-Code"));
        QCOMPARE(aan(F, Resultaat + QStringList{"mnuZoekenRvl92"}), {});
        zoek(toetsen);
        QTEST(codeBoxes(F), "vakkenNa");
        QTEST(column(grid(F)), "gevonden");
        QCOMPARE(captions(grid(F)), (QStringList{"RVL92", "Functienaam"}));
        QCOMPARE(counter(F),
                 QStringLiteral(" Record  1 van %1 ").arg(grid(F)->model()->rowCount()));
        QCOMPARE(aan(F, Resultaat), Resultaat);
        QVERIFY(!child<QPushButton>(F, "cmdZoeken")->isEnabled());
        QCOMPARE(focus(), grid(F));
        // The query text stays the written one; leading digits are read through
        // the index on the code.
        const auto* scherm = qobject_cast<DataScreen*>(forms().find(F));
        const QString patroon = codeBoxes(F, QString());
        QCOMPARE(scherm->sSQL, search::codeSearchQuery(patroon));
        QCOMPARE(scherm->Rs->source() != scherm->sSQL, patroon[0] != u'#');
    }

    void vakken() {
        tik("123");
        QCOMPARE(focus(), z(4));
        QTest::keyClick(z(4), Qt::Key_Backspace); // empties the box before, and goes there
        QCOMPARE(codeBoxes(F), QString("1|2|||"));
        QCOMPARE(focus(), z(3));
        tik("3");
        QCOMPARE(focus(), z(4));
        QTest::keyClick(z(4), Qt::Key_Left);
        QCOMPARE(focus(), z(3));
        QTest::keyClick(z(3), Qt::Key_Right);
        QCOMPARE(focus(), z(4));
        QTest::mouseDClick(z(2), Qt::LeftButton);
        QCOMPARE(codeBoxes(F), QString("1||3||"));
        // A digit typed in the grid replaces the first box only.
        click(F, "cmdWissen");
        zoek("4");
        QTest::keyClick(grid(F), Qt::Key_1);
        QCOMPARE(codeBoxes(F), QString("1|#|#|#|#"));
        QCOMPARE(focus(), z(2));
        grid(F)->setFocus();
        QTest::keyClick(grid(F), Qt::Key_A);
        QCOMPARE(focus(), z(1));
    }

    void nietGevonden() {
        zoek("9");
        QCOMPARE(closeNotice(),
                 QString("Er zijn geen functies met de opgegeven zoekwaarde gevonden"));
        QVERIFY(forms().find(F)->isEnabled());
        QVERIFY(grid(F)->isHidden());
        QCOMPARE(aan(F, Resultaat), {});
        menu(F, "mnuBeroepen"); // no result: the code the program started on
        QCOMPARE(actief(), form::Beroepen);
        QCOMPARE(appState().gsRvl92Code, QString("22020"));
    }

    void wissenHoudtHetResultaat() {
        zoek("");
        menu(F, "mnuLaatsteRecord");
        menu(F, "mnuKenmerken");
        QCOMPARE(actief(), form::Kenmerken);
        QCOMPARE(appState().gsRvl92Code, QString("55050"));
        vorigScherm(); // the screen name differs from the form name in case
        QCOMPARE(actief(), F);

        click(F, "cmdWissen");
        QCOMPARE(codeBoxes(F), QString("||||"));
        QVERIFY(grid(F)->isHidden() && child<QWidget>(F, "fraRVLBeroep")->isHidden());
        QCOMPARE(appState().gsRvl92Code, QString());
        QCOMPARE(focus(), z(1));
        QCOMPARE(aan(F, Resultaat),
                 (QStringList{"mnuExporteren", "mnuEersteRecord", "mnuLaatsteRecord"}));
        // The hidden result still passes on its current row.
        menu(F, "mnuBeroepen");
        QCOMPARE(appState().gsRvl92Code, QString("55050"));
    }

private:
    QLineEdit* z(int i) { return child<QLineEdit>(F, QStringLiteral("txtZ%1").arg(i)); }
    QWidget* focus() { return forms().find(F)->focusWidget(); }
    // Each key goes where the focus is, as a user's keys do.
    void tik(const QString& toetsen) {
        for (QChar c : toetsen)
            QTest::keyClicks(focus(), QString(c));
    }
    void zoek(const QString& toetsen) {
        z(1)->setFocus();
        tik(toetsen);
        QTest::keyClick(z(1), Qt::Key_Return); // enables "Zoeken" also when nothing was typed
        click(F, "cmdZoeken");
    }
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestZoekenRvl92)
#include "tst_zoekenrvl92.moc"
