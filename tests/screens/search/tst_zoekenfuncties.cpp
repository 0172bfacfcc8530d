// "Zoeken op functienamen" driven as a user would: typing, Enter, the buttons,
// the grid keys, the messages and the hand-offs to the browse screens.
#include "searchdriver.h"
#include "support/datarow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace rvl92;
using namespace searchtest;

namespace {
const QString F = form::ZoekenFuncties;
} // namespace

class TestZoekenFuncties : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(opzetten(m_dir)); }
    void init() { begin(F); }
    void cleanup() { drive::unloadAll(); }

    void typenEnEnter() {
        QCOMPARE(forms().find(F)->windowTitle(), QString("Zoeken op functienamen"));
        QVERIFY(!zoeken()->isEnabled() && grid(F)->isHidden());
        QCOMPARE(aan(F, Resultaat + QStringList{"mnuZoekenFunctienaam", "mnuVorigeRvl92"}), {});
        QCOMPARE(forms().find(F)->focusWidget(), vak());
        QTest::keyClicks(vak(), "bakker");
        QTest::keyClick(vak(), Qt::Key_Return);
        QCOMPARE(column(grid(F)), (QStringList{"11010", "11010", "22020"}));
        QCOMPARE(captions(grid(F)), (QStringList{"RVL92", "Functienaam"}));
        QCOMPARE(counter(F), QString(" Record  1 van 3 "));
        QCOMPARE(child<QLineEdit>(F, "txtBeroep")->text(), QString("Bakker van brood"));
        QCOMPARE(appState().gsRvl92Code, QString("11010"));
        QCOMPARE(aan(F, Resultaat), Resultaat);
        // Searched with Enter "Zoeken" stays enabled; with the button it does not.
        QVERIFY(zoeken()->isEnabled());
        QTest::mouseClick(zoeken(), Qt::LeftButton);
        QVERIFY(!zoeken()->isEnabled());
        QCOMPARE(forms().find(F)->focusWidget(), grid(F));
    }

    void zoektermen_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("gevonden");
        row("words in order", "chef quipe", QStringList{"33030"});
        row("quote", "d'équ", QStringList{"33030"});
        row("hash is a hash", "#1", QStringList{"44040"});
        row("% and _", "100%ins_ect", QStringList{"44040"});
        row("injection is text", "' or ''='", QStringList{});
    }

    void zoektermen() {
        QFETCH(QString, tekst);
        zoek(tekst);
        QTEST(column(grid(F)), "gevonden");
    }

    void meldingen() {
        // A leading blank leaves the buttons off; Enter then does not search.
        QTest::keyClick(vak(), Qt::Key_Space);
        QVERIFY(!zoeken()->isEnabled() && !child<QPushButton>(F, "cmdWissen")->isEnabled());
        QTest::keyClick(vak(), Qt::Key_Return);
        QVERIFY(!forms().isLoaded(form::DialogNietGevonden));
        vak()->clear();
        QTest::mouseClick(zoeken(), Qt::LeftButton);
        QCOMPARE(closeNotice(), QString("Er is geen zoekwaarde opgegeven"));

        zoek("zzz");
        QVERIFY(!forms().find(F)->isEnabled());
        QCOMPARE(closeNotice(),
                 QString("Er zijn geen functies met de opgegeven zoekwaarde gevonden"));
        QVERIFY(forms().find(F)->isEnabled());
        QCOMPARE(forms().find(F)->focusWidget(), vak());
        QCOMPARE(vak()->cursorPosition(), 3);
        QVERIFY(grid(F)->isHidden());
        QCOMPARE(aan(F, Resultaat), {});

        // An empty text with a result on view clears it without a message.
        zoek("bakker");
        vak()->clear();
        QTest::keyClick(vak(), Qt::Key_Backspace);
        QTest::keyClick(vak(), Qt::Key_Return);
        QVERIFY(!forms().isLoaded(form::DialogNietGevonden));
        QVERIFY(grid(F)->isHidden());
        QCOMPARE(rvl(), QString());
        QCOMPARE(aan(F, Resultaat), (QStringList{"mnuEersteRecord", "mnuLaatsteRecord"}));
    }

    void toetsenInHetGrid() {
        zoek("bakker");
        QTest::keyClick(grid(F), Qt::Key_End);
        QCOMPARE(counter(F), QString(" Record  3 van 3 "));
        QTest::keyClick(grid(F), Qt::Key_Home);
        QCOMPARE(rvl(), QString("11010"));
        // Keys in the grid edit the search text; Enter searches.
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(grid(F), Qt::Key_Backspace);
        QTest::keyClick(grid(F), Qt::Key_Space);
        QTest::keyClicks(grid(F), "chef");
        QTest::keyClick(grid(F), Qt::Key_Space);
        QTest::keyClicks(grid(F), "d");
        QCOMPARE(vak()->text(), QString("chef d"));
        QTest::keyClick(grid(F), Qt::Key_Return);
        QCOMPARE(column(grid(F)), QStringList{"33030"});
    }

    void wissenEnHandOff() {
        zoek("bakker");
        QTest::keyClick(grid(F), Qt::Key_End);
        menu(F, "mnuKenmerken");
        QCOMPARE(actief(), form::Kenmerken);
        QCOMPARE(appState().gsRvl92Code, QString("22020"));
        vorigScherm();
        QCOMPARE(actief(), F);
        QCOMPARE(counter(F), QString(" Record  3 van 3 "));

        click(F, "cmdWissen");
        QCOMPARE(vak()->text(), QString());
        QVERIFY(grid(F)->isHidden() && child<QWidget>(F, "fraRVLBeroep")->isHidden());
        QCOMPARE(aan(F, Resultaat), {});
        QVERIFY(!zoeken()->isEnabled());
        QCOMPARE(appState().gsRvl92Code, QString());
        // The result is closed: a list screen gets the code the program started on.
        menu(F, "mnuBeroepen");
        QCOMPARE(actief(), form::Beroepen);
        QCOMPARE(appState().gsRvl92Code, QString("22020"));

        // After a search without hits the empty result passes on no code, once.
        forms().show(F);
        zoek("zzz");
        closeNotice();
        menu(F, "mnuFunctienamen");
        QCOMPARE(appState().gsRvl92Code, QString());
        forms().show(F);
        menu(F, "mnuBeroepen");
        QCOMPARE(appState().gsRvl92Code, QString("22020"));
        forms().show(F);
        forms().unload(F);
        QVERIFY(!appState().history().contains(screen::ZoekenFuncties));
    }

    void recordselectorEnLangeNamen() {
        // A first hit of 101 characters has the small font at once.
        zoek("van xxxx");
        QCOMPARE(grid(F)->font().pointSizeF(), 6.75);
        zoek("inspecteur");
        QCOMPARE(grid(F)->font().pointSizeF(), 8.25);
        auto* geheel = child<QPlainTextEdit>(F, "txtBeroepGeheel");
        QVERIFY(!geheel->isHidden()); // the occupation's name is long
        const qreal normaal = grid(F)->font().pointSizeF();
        QTest::keyClick(grid(F), Qt::Key_Down); // a title of 101 characters
        QVERIFY(grid(F)->font().pointSizeF() < normaal);
        QCOMPARE(counter(F), QString(" Record  2 van 2 "));
        QTest::mouseDClick(geheel->viewport(), Qt::LeftButton);
        QVERIFY(geheel->isHidden());
        QTest::mouseDClick(child<QLineEdit>(F, "txtBeroep"), Qt::LeftButton);
        QVERIFY(!geheel->isHidden());

        menu(F, "mnuRecordselector");
        QCOMPARE(appState().gbRecordselector, False);
        QCOMPARE(grid(F)->selectionMode(), QAbstractItemView::NoSelection);
        QTest::keyClick(grid(F), Qt::Key_Up);
        QCOMPARE(rvl(), QString("44040"));
        QCOMPARE(counter(F), QString(" Record  2 van 2 ")); // off: the counter stays
        QVERIFY(grid(F)->font().pointSizeF() < normaal);
        menu(F, "mnuRecordselector");
        QCOMPARE(grid(F)->selectionModel()->selectedRows().size(), 1);
    }

    void plakkenEnSneltoets() {
        forms().show(form::Zoekprogramma);
        forms().show(F);
        QVERIFY(QTest::qWaitForWindowActive(forms().find(F)));
        QGuiApplication::clipboard()->setText(QStringLiteral("bakker"));
        QTest::keyClick(vak(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(zoeken()->isEnabled());
        // Ctrl+X is "Vorig scherm", also in the search box.
        QTest::keyClick(vak(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(actief(), form::Zoekprogramma);
        QCOMPARE(vak()->text(), QString("bakker"));
    }

private:
    QLineEdit* vak() { return child<QLineEdit>(F, "txtZoekstr"); }
    QPushButton* zoeken() { return child<QPushButton>(F, "cmdZoeken"); }
    QString rvl() { return child<QLineEdit>(F, "txtRVL")->text(); }
    // Types the text (its last character as a key) and presses "Zoeken".
    void zoek(const QString& tekst) {
        vak()->setText(tekst.chopped(1));
        QTest::keyClicks(vak(), tekst.right(1));
        QTest::mouseClick(zoeken(), Qt::LeftButton);
    }
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestZoekenFuncties)
#include "tst_zoekenfuncties.moc"
