// "Zoeken op functienamen" driven as a user would: typing, Enter, the buttons,
// the grid keys, the messages and the hand-offs to the browse screens.
#include "zoekscherm.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace rvl92;
using namespace zoektest;

namespace {
const QString F = form::ZoekenFuncties;
const QStringList ResultaatItems{"mnuExporteren", "mnuNamen", "mnuKenmerken", "mnuEersteRecord",
                                 "mnuLaatsteRecord"};
} // namespace

class TstZoekenFuncties : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { begin(); }
    void cleanup() { einde(); }

    void beginToestand();
    void typenEnEnter();
    void zoektermen_data();
    void zoektermen();
    void nietGevonden();
    void legeZoekwaarde();
    void spatieVooraan();
    void typenInHetGrid();
    void wissen();
    void handOff_data();
    void handOff();
    void handOffNaGeenResultaat();
    void recordselector();
    void langeNamen();
    void plakkenEnSneltoets();
    void sluiten();

private:
    QLineEdit* vak() { return kind<QLineEdit>(F, "txtZoekstr"); }
    QPushButton* knop(const char* n) { return kind<QPushButton>(F, n); }
    QTableView* grid() { return kind<QTableView>(F, "DataGrid1"); }
    QString teller() { return kind<QLabel>(F, "lblRecordCount")->text(); }
    // Types the text (the last character as a key) and presses "Zoeken".
    void zoek(const QString& tekst) {
        vak()->setText(tekst.chopped(1));
        QTest::keyClicks(vak(), tekst.right(1));
        QVERIFY(knop("cmdZoeken")->isEnabled());
        QTest::mouseClick(knop("cmdZoeken"), Qt::LeftButton);
    }
    QTemporaryDir m_dir;
};

void TstZoekenFuncties::initTestCase() {
    QVERIFY(zoekdb::schrijf(m_dir.path()));
    appState().programDir = m_dir.path();
    registreer();
}

void TstZoekenFuncties::beginToestand() {
    QVERIFY(forms().show(F));
    Form* f = forms().find(F);
    QCOMPARE(f->windowTitle(), QString("Zoeken op functienamen"));
    QVERIFY(f->windowState() & Qt::WindowMaximized);
    QCOMPARE(kind<QLabel>(F, "lbl1")->text(), QString("Zoeken naar:"));
    QCOMPARE(knop("cmdZoeken")->text(), QString("Zoeken"));
    QCOMPARE(knop("cmdWissen")->text(), QString("Wissen zoekwaarde"));
    QCOMPARE(knop("cmdWissen")->toolTip(), QString("Wissen van alle opgegeven waarden"));
    QVERIFY(!knop("cmdZoeken")->isEnabled());
    QVERIFY(!knop("cmdWissen")->isEnabled());
    QVERIFY(grid()->isHidden());
    QCOMPARE(aan(F, ResultaatItems + QStringList{"mnuZoekenFunctienaam", "mnuVorigeRvl92",
                                                 "mnuVolgendeRvl92", "mnuZoekenRvl92"}),
             QStringList{"mnuZoekenRvl92"});
    QVERIFY(item(F, "mnuRecordselector")->isChecked());
    QCOMPARE(appState().gsHuidigScherm, screen::ZoekenFuncties);
    QCOMPARE(appState().history().last(), screen::ZoekenFuncties);
    QCOMPARE(forms().find(F)->focusWidget(), vak());
}

void TstZoekenFuncties::typenEnEnter() {
    forms().show(F);
    QTest::keyClicks(vak(), "bakker");
    QVERIFY(knop("cmdZoeken")->isEnabled() && knop("cmdWissen")->isEnabled());
    QTest::keyClick(vak(), Qt::Key_Return);
    QCOMPARE(gridCodes(grid()), (QStringList{"11010", "11010", "22020"}));
    QCOMPARE(koppen(grid()), (QStringList{"RVL92", "Functienaam"}));
    QCOMPARE(teller(), QString(" Record  1 van 3 "));
    QCOMPARE(appState().gsRvl92Code, QString("11010"));
    QCOMPARE(kind<QLineEdit>(F, "txtRVL")->text(), QString("11010"));
    QCOMPARE(kind<QLineEdit>(F, "txtBeroep")->text(), QString("Bakker van brood"));
    QVERIFY(!kind<QGroupBox>(F, "fraRVLBeroep")->isHidden());
    QCOMPARE(aan(F, ResultaatItems), ResultaatItems);
    // Searched with Enter: "Zoeken" stays enabled; with the button it is not.
    QVERIFY(knop("cmdZoeken")->isEnabled());
    QTest::mouseClick(knop("cmdZoeken"), Qt::LeftButton);
    QVERIFY(!knop("cmdZoeken")->isEnabled());
    QCOMPARE(forms().find(F)->focusWidget(), grid());
}

void TstZoekenFuncties::zoektermen_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("two words") << "brood bakker" << QStringList{"11010"};
    QTest::newRow("quote") << "chef d'équipe" << QStringList{"33030"};
    QTest::newRow("hash is literal") << "inspecteur #1" << QStringList{"44040"};
    QTest::newRow("% wildcard") << "100%1" << QStringList{"44040"};
}

void TstZoekenFuncties::zoektermen() {
    QFETCH(QString, tekst);
    forms().show(F);
    zoek(tekst);
    QTEST(gridCodes(grid()), "codes");
    QVERIFY(!forms().isLoaded(form::DialogNietGevonden));
}

void TstZoekenFuncties::nietGevonden() {
    forms().show(F);
    zoek("zzz");
    QCOMPARE(nietGevondenTekst(),
             QString("Er zijn geen functies met de opgegeven zoekwaarde gevonden"));
    QVERIFY(!forms().find(F)->isEnabled());
    QVERIFY(grid()->isHidden());
    QCOMPARE(aan(F, ResultaatItems), QStringList());
    klikOK();
    QVERIFY(forms().find(F)->isEnabled());
    QCOMPARE(actief(), F);
    QCOMPARE(forms().find(F)->focusWidget(), vak());
    QCOMPARE(vak()->cursorPosition(), 3);
}

void TstZoekenFuncties::legeZoekwaarde() {
    forms().show(F);
    // Nothing shown: the message.
    QTest::keyClicks(vak(), "a");
    QTest::keyClick(vak(), Qt::Key_Backspace);
    QTest::mouseClick(knop("cmdZoeken"), Qt::LeftButton);
    QCOMPARE(nietGevondenTekst(), QString("Er is geen zoekwaarde opgegeven"));
    klikOK();
    // A result shown: it is cleared without a message.
    zoek("bakker");
    vak()->clear();
    QTest::keyClick(vak(), Qt::Key_Backspace);
    QTest::keyClick(vak(), Qt::Key_Return);
    QVERIFY(!forms().isLoaded(form::DialogNietGevonden));
    QVERIFY(grid()->isHidden());
    QCOMPARE(kind<QLineEdit>(F, "txtRVL")->text(), QString());
    QCOMPARE(aan(F, ResultaatItems), (QStringList{"mnuEersteRecord", "mnuLaatsteRecord"}));
}

void TstZoekenFuncties::spatieVooraan() {
    forms().show(F);
    QTest::keyClick(vak(), Qt::Key_Space);
    QVERIFY(!knop("cmdZoeken")->isEnabled());
    QVERIFY(!knop("cmdWissen")->isEnabled());
    QTest::keyClick(vak(), Qt::Key_Return);
    QVERIFY(grid()->isHidden());
    QVERIFY(!forms().isLoaded(form::DialogNietGevonden));
}

void TstZoekenFuncties::typenInHetGrid() {
    forms().show(F);
    zoek("bakker");
    QTest::keyClick(grid(), Qt::Key_End);
    QCOMPARE(grid()->currentIndex().row(), 2);
    QCOMPARE(teller(), QString(" Record  3 van 3 "));
    QTest::keyClick(grid(), Qt::Key_Home);
    QCOMPARE(teller(), QString(" Record  1 van 3 "));
    // Typing in the grid edits the search text; Enter searches once a key
    // has enabled "Zoeken" again.
    QTest::mouseClick(knop("cmdZoeken"), Qt::LeftButton);
    QVERIFY(!knop("cmdZoeken")->isEnabled());
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(grid(), Qt::Key_Backspace);
    QTest::keyClick(grid(), Qt::Key_Space);
    QTest::keyClicks(grid(), "chef");
    QCOMPARE(vak()->text(), QString("chef"));
    QTest::keyClick(grid(), Qt::Key_Space);
    QTest::keyClicks(grid(), "d");
    QTest::keyClick(grid(), Qt::Key_Return);
    QCOMPARE(gridCodes(grid()), QStringList{"33030"});
    QCOMPARE(vak()->text(), QString("chef d"));
}

void TstZoekenFuncties::wissen() {
    forms().show(F);
    zoek("bakker");
    QTest::mouseClick(knop("cmdWissen"), Qt::LeftButton);
    QCOMPARE(vak()->text(), QString());
    QVERIFY(grid()->isHidden());
    QVERIFY(kind<QGroupBox>(F, "fraRVLBeroep")->isHidden());
    QVERIFY(kind<QLabel>(F, "lblRecordCount")->isHidden());
    QCOMPARE(aan(F, ResultaatItems), QStringList());
    QVERIFY(!knop("cmdZoeken")->isEnabled() && !knop("cmdWissen")->isEnabled());
    QCOMPARE(appState().gsRvl92Code, QString());
    QCOMPARE(forms().find(F)->focusWidget(), vak());
    // With the result closed a list screen gets the code the program started on.
    item(F, "mnuBeroepen")->trigger();
    QCOMPARE(actief(), form::Beroepen);
    QCOMPARE(appState().gsRvl92Code, QString("22020"));
}

void TstZoekenFuncties::handOff_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("scherm");
    QTest::newRow("Kenmerken bij beroep") << "mnuKenmerken" << form::Kenmerken;
    QTest::newRow("Functienamen bij beroep") << "mnuNamen" << form::Namen;
    QTest::newRow("Lijst beroepen") << "mnuBeroepen" << form::Beroepen;
    QTest::newRow("Lijst functienamen") << "mnuFunctienamen" << form::Functienamen;
}

void TstZoekenFuncties::handOff() {
    QFETCH(QString, menu);
    forms().show(F);
    zoek("bakker");
    QTest::keyClick(grid(), Qt::Key_End);
    kind<QAction>(F, menu)->trigger();
    QTEST(actief(), "scherm");
    QCOMPARE(appState().gsRvl92Code, QString("22020"));
    // "Vorig scherm" there brings the search back as it was.
    qobject_cast<MenuScreen*>(forms().active())->menuItem(MenuRole::VorigScherm)->trigger();
    QCOMPARE(actief(), F);
    QCOMPARE(teller(), QString(" Record  3 van 3 "));
}

void TstZoekenFuncties::handOffNaGeenResultaat() {
    forms().show(F);
    zoek("zzz");
    klikOK();
    appState().gsRvl92Code = QStringLiteral("33030");
    item(F, "mnuFunctienamen")->trigger();
    QCOMPARE(actief(), form::Functienamen);
    QCOMPARE(appState().gsRvl92Code, QString());
    // The empty result is closed now: the next hand-off passes the start code.
    forms().show(F);
    item(F, "mnuFunctienamen")->trigger();
    QCOMPARE(appState().gsRvl92Code, QString("22020"));
}

void TstZoekenFuncties::recordselector() {
    forms().show(F);
    zoek("bakker");
    QAction* rs = item(F, "mnuRecordselector");
    rs->trigger();
    QCOMPARE(appState().gbRecordselector, False);
    QVERIFY(!rs->isChecked());
    QCOMPARE(grid()->selectionMode(), QAbstractItemView::NoSelection);
    // Off: moving leaves the counter as it was.
    QTest::keyClick(grid(), Qt::Key_Down);
    QCOMPARE(kind<QLineEdit>(F, "txtRVL")->text(), QString("11010"));
    QCOMPARE(teller(), QString(" Record  1 van 3 "));
    rs->trigger();
    QVERIFY(rs->isChecked());
    QCOMPARE(grid()->selectionModel()->selectedRows().size(), 1);
    QTest::keyClick(grid(), Qt::Key_Down);
    QCOMPARE(teller(), QString(" Record  3 van 3 "));
    QCOMPARE(kind<QLineEdit>(F, "txtRVL")->text(), QString("22020"));
}

void TstZoekenFuncties::langeNamen() {
    forms().show(F);
    zoek("inspecteur");
    auto* geheel = kind<QPlainTextEdit>(F, "txtBeroepGeheel");
    QCOMPARE(gridCodes(grid()), (QStringList{"44040", "44040"}));
    QVERIFY(!geheel->isHidden());
    QCOMPARE(geheel->toPlainText(), zoekdb::LangBeroep);
    const qreal normaal = grid()->font().pointSizeF();
    QTest::keyClick(grid(), Qt::Key_Down); // the title of 101 characters
    QVERIFY(grid()->font().pointSizeF() < normaal);
    QTest::keyClick(grid(), Qt::Key_Up);
    QCOMPARE(grid()->font().pointSizeF(), normaal);
    // Double-clicks hide and show the whole name.
    QTest::mouseDClick(geheel->viewport(), Qt::LeftButton);
    QVERIFY(geheel->isHidden());
    QTest::mouseDClick(kind<QLineEdit>(F, "txtBeroep"), Qt::LeftButton);
    QVERIFY(!geheel->isHidden());
}

void TstZoekenFuncties::plakkenEnSneltoets() {
    forms().show(form::Zoekprogramma);
    forms().show(F);
    QVERIFY(QTest::qWaitForWindowActive(forms().find(F)));
    QGuiApplication::clipboard()->setText(QStringLiteral("bakker"));
    QTest::keyClick(vak(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(vak()->text(), QString("bakker"));
    QVERIFY(knop("cmdZoeken")->isEnabled());
    // Ctrl+X is "Vorig scherm", also from the search box.
    QTest::keyClick(vak(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(actief(), form::Zoekprogramma);
    QCOMPARE(vak()->text(), QString("bakker"));
}

void TstZoekenFuncties::sluiten() {
    forms().show(F);
    zoek("bakker");
    QTest::keyClick(grid(), Qt::Key_End);
    appState().gsRvl92Code.clear();
    forms().unload(F);
    QCOMPARE(appState().gsRvl92Code, QString("22020"));
    QVERIFY(!appState().history().contains(screen::ZoekenFuncties));
}

QTEST_MAIN(TstZoekenFuncties)
#include "tst_zoekenfuncties.moc"
