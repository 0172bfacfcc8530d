// "Zoeken op RVL92-Code" driven as a user would: the five code boxes, the
// search, clearing, the messages and the hand-offs to the browse screens.
#include "zoekscherm.h"

#include <QGroupBox>
#include <QLineEdit>

using namespace rvl92;
using namespace zoektest;

namespace {
const QString F = form::ZoekenRvl92;
const QStringList ResultaatItems{"mnuExporteren", "mnuNamen", "mnuKenmerken", "mnuEersteRecord",
                                 "mnuLaatsteRecord"};
} // namespace

class TstZoekenRvl92 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { einde(); }

    void beginToestand();
    void zoeken_data();
    void zoeken();
    void toetsenInDeVakken();
    void pijlenEnDubbelklik();
    void cijferInHetGrid();
    void nietGevonden();
    void wissenHoudtHetResultaat();
    void handOff();
    void recordselectorUit();

private:
    QLineEdit* z(int i) { return kind<QLineEdit>(F, QStringLiteral("txtZ%1").arg(i)); }
    QString vakken() {
        QString s;
        for (int i = 1; i <= 5; ++i)
            s += z(i)->text().isEmpty() ? QStringLiteral(".") : z(i)->text();
        return s;
    }
    QPushButton* knop(const char* n) { return kind<QPushButton>(F, n); }
    QTableView* grid() { return kind<QTableView>(F, "DataGrid1"); }
    QWidget* focus() { return forms().find(F)->focusWidget(); }
    // Types each key where the focus is, as a user's keys go.
    void tik(const QString& toetsen) {
        for (QChar c : toetsen)
            QTest::keyClicks(focus(), QString(c));
    }
    void zoek(const QString& toetsen) {
        z(1)->setFocus();
        tik(toetsen);
        if (!knop("cmdZoeken")->isEnabled()) // nothing typed
            QTest::keyClick(z(1), Qt::Key_Return);
        QTest::mouseClick(knop("cmdZoeken"), Qt::LeftButton);
    }
    QTemporaryDir m_dir;
};

void TstZoekenRvl92::initTestCase() {
    QVERIFY(zoekdb::schrijf(m_dir.path()));
    appState().programDir = m_dir.path();
    registreer();
}

void TstZoekenRvl92::init() {
    begin();
    forms().show(F);
}

void TstZoekenRvl92::beginToestand() {
    QCOMPARE(forms().find(F)->windowTitle(), QString("Zoeken op RVL92-Code"));
    QCOMPARE(kind<QLabel>(F, "lbl1")->text(), QString("Zoeken naar:"));
    QCOMPARE(knop("cmdWissen")->text(), QString("Wissen zoekopdracht"));
    QCOMPARE(knop("cmdWissen")->toolTip(), QString("Wissen van alle opgegeven waarden"));
    QVERIFY(!knop("cmdZoeken")->isEnabled() && !knop("cmdWissen")->isEnabled());
    QCOMPARE(vakken(), QString("....."));
    QVERIFY(grid()->isHidden());
    QCOMPARE(aan(F, ResultaatItems + QStringList{"mnuZoekenRvl92", "mnuZoekenFunctienaam"}),
             QStringList{"mnuZoekenFunctienaam"});
    QCOMPARE(appState().gsHuidigScherm, QString("frmZoekenRVL92"));
    QCOMPARE(focus(), z(1));
}

void TstZoekenRvl92::zoeken_data() {
    QTest::addColumn<QString>("toetsen");
    QTest::addColumn<QString>("vakkenNa");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("whole code") << "11010"
                                << "11010" << QStringList{"11010", "11010"};
    QTest::newRow("all empty: every five-digit code")
        << ""
        << "#####" << QStringList{"11010", "11010", "22020", "33030", "44040", "44040", "55050"};
    QTest::newRow("blank is any digit") << "4 040"
                                        << "4#040" << QStringList{"44040", "44040"};
    QTest::newRow("letter shows as blank, any digit") << "2x"
                                                      << "2####" << QStringList{"22020"};
    QTest::newRow("empty boxes at the end") << "33"
                                            << "33###" << QStringList{"33030"};
}

void TstZoekenRvl92::zoeken() {
    QFETCH(QString, toetsen);
    zoek(toetsen);
    QString na = vakken();
    QTEST(na.replace(u'.', u'#'), "vakkenNa");
    QTEST(gridCodes(grid()), "codes");
    QCOMPARE(koppen(grid()), (QStringList{"RVL92", "Functienaam"}));
    QCOMPARE(kind<QLabel>(F, "lblRecordCount")->text(),
             QStringLiteral(" Record  1 van %1 ").arg(grid()->model()->rowCount()));
    QCOMPARE(aan(F, ResultaatItems), ResultaatItems);
    QVERIFY(!knop("cmdZoeken")->isEnabled());
    QVERIFY(knop("cmdWissen")->isEnabled());
    QCOMPARE(focus(), grid());
}

void TstZoekenRvl92::toetsenInDeVakken() {
    tik("123");
    QCOMPARE(vakken(), QString("123.."));
    QCOMPARE(focus(), z(4));
    // Backspace in the fourth box empties the third and moves there.
    QTest::keyClick(z(4), Qt::Key_Backspace);
    QCOMPARE(vakken(), QString("12..."));
    QCOMPARE(focus(), z(3));
    tik("345");
    QCOMPARE(vakken(), QString("12345"));
    QCOMPARE(focus(), z(5));
    // The last box: a digit replaces, backspace empties it, then the fourth.
    tik("9");
    QCOMPARE(vakken(), QString("12349"));
    QTest::keyClick(z(5), Qt::Key_Backspace);
    QCOMPARE(vakken(), QString("1234."));
    QCOMPARE(focus(), z(5));
    QTest::keyClick(z(5), Qt::Key_Backspace);
    QCOMPARE(vakken(), QString("123.."));
    QCOMPARE(focus(), z(4));
    // A key other than a digit in a middle box leaves a blank.
    z(2)->setFocus();
    tik("a");
    QCOMPARE(z(2)->text(), QString(" "));
    QCOMPARE(focus(), z(2));
}

void TstZoekenRvl92::pijlenEnDubbelklik() {
    z(3)->setFocus();
    QTest::keyClick(z(3), Qt::Key_Left);
    QCOMPARE(focus(), z(2));
    QTest::keyClick(z(2), Qt::Key_Right);
    QTest::keyClick(z(3), Qt::Key_Right);
    QCOMPARE(focus(), z(4));
    z(1)->setFocus();
    QTest::keyClick(z(1), Qt::Key_Left);
    QCOMPARE(focus(), z(1));
    tik("55");
    QTest::mouseDClick(z(1), Qt::LeftButton);
    QCOMPARE(vakken(), QString(".5..."));
}

void TstZoekenRvl92::cijferInHetGrid() {
    zoek("4");
    QCOMPARE(gridCodes(grid()), (QStringList{"44040", "44040"}));
    QTest::keyClick(grid(), Qt::Key_1);
    QCOMPARE(vakken(), QString("1####"));
    QCOMPARE(focus(), z(2));
    QVERIFY(!knop("cmdZoeken")->isEnabled()); // the buttons keep their state
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_A);
    QCOMPARE(focus(), z(1));
    QCOMPARE(vakken(), QString("1####"));
}

void TstZoekenRvl92::nietGevonden() {
    zoek("9");
    QCOMPARE(nietGevondenTekst(),
             QString("Er zijn geen functies met de opgegeven zoekwaarde gevonden"));
    QVERIFY(!forms().find(F)->isEnabled());
    klikOK();
    QVERIFY(forms().find(F)->isEnabled());
    QVERIFY(grid()->isHidden());
    QCOMPARE(aan(F, ResultaatItems), QStringList());
    // The result is closed: a list screen gets the code the program started on.
    item(F, "mnuBeroepen")->trigger();
    QCOMPARE(actief(), form::Beroepen);
    QCOMPARE(appState().gsRvl92Code, QString("22020"));
}

void TstZoekenRvl92::wissenHoudtHetResultaat() {
    zoek("44");
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::mouseClick(knop("cmdWissen"), Qt::LeftButton);
    QCOMPARE(vakken(), QString("....."));
    QVERIFY(grid()->isHidden());
    QVERIFY(kind<QGroupBox>(F, "fraRVLBeroep")->isHidden());
    QCOMPARE(appState().gsRvl92Code, QString());
    QCOMPARE(focus(), z(1));
    QVERIFY(!knop("cmdZoeken")->isEnabled() && !knop("cmdWissen")->isEnabled());
    QCOMPARE(aan(F, ResultaatItems),
             (QStringList{"mnuExporteren", "mnuEersteRecord", "mnuLaatsteRecord"}));
    // The hidden result still passes on its current row.
    item(F, "mnuBeroepen")->trigger();
    QCOMPARE(appState().gsRvl92Code, QString("44040"));
}

void TstZoekenRvl92::handOff() {
    zoek("");
    item(F, "mnuLaatsteRecord")->trigger();
    QCOMPARE(kind<QLineEdit>(F, "txtRVL")->text(), QString("55050"));
    QCOMPARE(kind<QLabel>(F, "lblRecordCount")->text(), QString(" Record  7 van 7 "));
    item(F, "mnuKenmerken")->trigger();
    QCOMPARE(actief(), form::Kenmerken);
    QCOMPARE(appState().gsRvl92Code, QString("55050"));
    // Back through "Vorig scherm", although the screen name differs in case.
    qobject_cast<MenuScreen*>(forms().active())->menuItem(MenuRole::VorigScherm)->trigger();
    QCOMPARE(actief(), F);
    item(F, "mnuEersteRecord")->trigger();
    item(F, "mnuNamen")->trigger();
    QCOMPARE(actief(), form::Namen);
    QCOMPARE(appState().gsRvl92Code, QString("11010"));
}

void TstZoekenRvl92::recordselectorUit() {
    zoek("4");
    auto* geheel = kind<QWidget>(F, "txtBeroepGeheel");
    QVERIFY(!geheel->isHidden()); // the first occupation's name is long
    const qreal normaal = grid()->font().pointSizeF();
    item(F, "mnuRecordselector")->trigger();
    // Off: the row of the long title changes neither counter nor font.
    QTest::keyClick(grid(), Qt::Key_Down);
    QCOMPARE(grid()->currentIndex().row(), 1);
    QCOMPARE(kind<QLabel>(F, "lblRecordCount")->text(), QString(" Record  1 van 2 "));
    QCOMPARE(grid()->font().pointSizeF(), normaal);
    item(F, "mnuRecordselector")->trigger();
    QTest::keyClick(grid(), Qt::Key_Up);
    QTest::keyClick(grid(), Qt::Key_Down);
    QCOMPARE(kind<QLabel>(F, "lblRecordCount")->text(), QString(" Record  2 van 2 "));
    QVERIFY(grid()->font().pointSizeF() < normaal);
}

QTEST_MAIN(TstZoekenRvl92)
#include "tst_zoekenrvl92.moc"
