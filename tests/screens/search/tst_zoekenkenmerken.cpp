// "Zoeken op kenmerken" and its four choice dialogs, driven as a user would:
// picking from the drop-down lists, searching, removing and replacing codes.
#include "zoekscherm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>

using namespace rvl92;
using namespace zoektest;

namespace {
const QString F = form::ZoekenKenmerken;
const QStringList ResultaatItems{"mnuExporteren", "mnuNamen", "mnuKenmerken", "mnuEersteRecord",
                                 "mnuLaatsteRecord"};

QStringList regels(const QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}
} // namespace

class TstZoekenKenmerken : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { einde(); }

    void beginToestand();
    void zoeken_data();
    void zoeken();
    void geenKenmerken();
    void geenBeroepen();
    void werksoortVervangen();
    void vaardighedenDialoog();
    void niveauDialoog();
    void richtingDialoog();
    void dialoogVerliestActivering();
    void verwijderen();
    void niveauVerwijderen();
    void wissen();
    void handOff();

private:
    QComboBox* cbo(const char* n) { return kind<QComboBox>(F, QString::fromLatin1(n)); }
    QListWidget* lst(const char* n) { return kind<QListWidget>(F, QString::fromLatin1(n)); }
    QStringList gekozen(const char* n) {
        QStringList out;
        for (int i = 0; i < lst(n)->count(); ++i)
            out << lst(n)->item(i)->text();
        return out;
    }
    QTableView* grid() { return kind<QTableView>(F, "DataGrid1"); }
    QString teller() { return kind<QLabel>(F, "lblRecordCount")->text(); }
    // Picks the entry that begins with `begin` ("" picks the first empty one).
    void kies(const char* combo, const QString& begin) {
        QComboBox* c = cbo(combo);
        for (int i = 0; i < c->count(); ++i) {
            if (begin.isEmpty() ? c->itemText(i).isEmpty() : c->itemText(i).startsWith(begin)) {
                c->setCurrentIndex(i);
                emit c->activated(i);
                return;
            }
        }
        QFAIL(qPrintable("no entry " + begin));
    }
    void zoek() { QTest::mouseClick(kind<QPushButton>(F, "cmdZoeken"), Qt::LeftButton); }
    void dubbelklik(const char* lijst, int rij) {
        QListWidget* l = lst(lijst);
        const QPoint p = l->visualItemRect(l->item(rij)).center();
        // A user's double-click begins with a click that selects the entry.
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
    }
    QPushButton* dialoogKnop(const QString& dialoog, const QString& naam) {
        return kind<QPushButton>(dialoog, naam);
    }
    QTemporaryDir m_dir;
};

void TstZoekenKenmerken::initTestCase() {
    QVERIFY(zoekdb::schrijf(m_dir.path()));
    appState().programDir = m_dir.path();
    registreer();
}

void TstZoekenKenmerken::init() {
    begin();
    forms().show(F);
}

void TstZoekenKenmerken::beginToestand() {
    QCOMPARE(forms().find(F)->windowTitle(), QString("Zoeken op kenmerken"));
    QCOMPARE(kind<QGroupBox>(F, "fraSelectie")->title(), QString("Selectie kenmerken"));
    QCOMPARE(kind<QLabel>(F, "lblRichting")->text(), QString("(Hoofd)richting:"));
    QCOMPARE(kind<QPushButton>(F, "cmdWissen")->text(), QString("Wissen zoekcriteria"));
    QCOMPARE(lst("lstVaardigheden")->toolTip(), QString("Wissen ingave door dubbelklikken"));
    QCOMPARE(regels(cbo("cboNiveau")),
             (QStringList{"1 Elementair niveau", "2 Lager niveau", "3 Middelbaar niveau"}));
    QCOMPARE(regels(cbo("cboHoofdrichting")),
             (QStringList{"  01 Algemeen", "", "011 Algemene vorming", "", "  02 Onderwijs", "",
                          "021 Onderwijs", "", "  07 Techniek", "", "071 Metaal", "072 Bouw"}));
    QCOMPARE(regels(cbo("cboWerksoorten")),
             (QStringList{"101 Plannen", "102 Analyseren", "204 Verzorgen", "305 Bouwen"}));
    QCOMPARE(regels(cbo("cboVaardigheden")).first(), QString("011 Mondeling"));
    QCOMPARE(cbo("cboWerksoorten")->currentIndex(), -1);
    QVERIFY(grid()->isHidden());
    QCOMPARE(aan(F, ResultaatItems + QStringList{"mnuZoekenKenmerken", "mnuZoekenRVL92"}),
             QStringList{"mnuZoekenRVL92"});
    QCOMPARE(item(F, "mnuZoekenFunctienaam")->text(), QString("Functies"));
    QCOMPARE(item(F, "mnuBeroepen")->text(), QString("&Lijst beroepen"));
}

void TstZoekenKenmerken::zoeken_data() {
    QTest::addColumn<QStringList>("keuzes"); // "combo:begin of the entry"
    QTest::addColumn<QStringList>("werksoorten");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("level") << QStringList{"cboNiveau:3"} << QStringList{}
                           << QStringList{"33030", "44040"};
    QTest::newRow("main direction")
        << QStringList{"cboHoofdrichting:  07"} << QStringList{} << QStringList{"22020", "33030"};
    QTest::newRow("direction") << QStringList{"cboHoofdrichting:011"} << QStringList{}
                               << QStringList{"11010", "55050"};
    // Chosen in any order, kept ascending; the second is only looked for in
    // columns 2 and 3, so 55050 (305 in column 1) is not found.
    QTest::newRow("two work types") << QStringList{"cboWerksoorten:305", "cboWerksoorten:101"}
                                    << QStringList{"101", "305"} << QStringList{"11010", "33030"};
    QTest::newRow("level, work type and skill")
        << QStringList{"cboNiveau:1", "cboWerksoorten:305", "cboVaardigheden:013"}
        << QStringList{"305"} << QStringList{"11010", "55050"};
}

void TstZoekenKenmerken::zoeken() {
    QFETCH(QStringList, keuzes);
    for (const QString& k : keuzes)
        kies(qPrintable(k.section(':', 0, 0)), k.section(':', 1));
    QVERIFY(grid()->isHidden()); // choosing never searches
    QTEST(gekozen("lstWerksoorten"), "werksoorten");
    zoek();
    QTEST(gridCodes(grid()), "codes");
    QCOMPARE(koppen(grid()), (QStringList{"RVL92", "WS1", "WS2", "WS3", "Beroep"}));
    QCOMPARE(teller(), QStringLiteral(" Record  1 van %1 ").arg(grid()->model()->rowCount()));
    QCOMPARE(aan(F, ResultaatItems), ResultaatItems);
    QCOMPARE(forms().find(F)->focusWidget(), grid());
}

void TstZoekenKenmerken::geenKenmerken() {
    zoek();
    QCOMPARE(nietGevondenTekst(),
             QString("Er zijn geen kenmerken waarnaar  gezocht moet worden opgegeven"));
    klikOK();
    // An empty separator chosen as direction adds no condition either; a
    // result shown stays.
    kies("cboHoofdrichting", "  07");
    zoek();
    kies("cboHoofdrichting", "");
    QVERIFY(forms().isLoaded(form::DialogRichting));
    QTest::mouseClick(dialoogKnop(form::DialogRichting, "cmdYes"), Qt::LeftButton);
    QCOMPARE(gekozen("lstRichting"), QStringList{""});
    zoek();
    QCOMPARE(nietGevondenTekst(),
             QString("Er zijn geen kenmerken waarnaar  gezocht moet worden opgegeven"));
    klikOK();
    QCOMPARE(gridCodes(grid()), (QStringList{"22020", "33030"}));
    QVERIFY(!grid()->isHidden());
    QCOMPARE(aan(F, ResultaatItems),
             (QStringList{"mnuExporteren", "mnuNamen", "mnuEersteRecord", "mnuLaatsteRecord"}));
}

void TstZoekenKenmerken::geenBeroepen() {
    kies("cboNiveau", "2");
    kies("cboHoofdrichting", "011");
    zoek();
    QCOMPARE(nietGevondenTekst(),
             QString("Er zijn geen beroepen met de opgegeven kenmerken gevonden"));
    klikOK();
    QVERIFY(grid()->isHidden());
    QCOMPARE(aan(F, ResultaatItems), QStringList());
}

void TstZoekenKenmerken::werksoortVervangen() {
    for (const char* w : {"305", "204", "102"})
        kies("cboWerksoorten", w);
    kies("cboWerksoorten", "204"); // already chosen: nothing, also when full
    QVERIFY(!forms().isLoaded(form::DialoogWerksoorten));
    kies("cboWerksoorten", "101");
    const QString D = form::DialoogWerksoorten;
    QVERIFY(forms().isLoaded(D));
    QVERIFY(!forms().find(F)->isEnabled());
    QCOMPARE(forms().find(D)->windowTitle(), QString("Vervangen werksoorten"));
    QCOMPARE(kind<QLabel>(D, "lblTekst")->text(),
             QString("Geef aan welke werksoort vervangen moet worden"));
    QCOMPARE(dialoogKnop(D, "cmdWerksoort(0)")->text(), QString("102 . . . ."));
    QCOMPARE(dialoogKnop(D, "cmdWerksoort(1)")->text(), QString("204 . . . ."));
    QCOMPARE(dialoogKnop(D, "cmdWerksoort(2)")->text(), QString("305 . . . ."));
    QCOMPARE(dialoogKnop(D, "cmdCancel")->text(), QString("Annuleren"));
    QTest::mouseClick(dialoogKnop(D, "cmdWerksoort(2)"), Qt::LeftButton);
    QVERIFY(!forms().isLoaded(D));
    QVERIFY(forms().find(F)->isEnabled());
    QCOMPARE(actief(), F);
    // The lowest code comes first and is compared with all three columns.
    QCOMPARE(gekozen("lstWerksoorten"), (QStringList{"101", "102", "204"}));
}

void TstZoekenKenmerken::vaardighedenDialoog() {
    for (const char* v : {"017", "011", "012", "013", "014", "015", "016"})
        kies("cboVaardigheden", v);
    kies("cboVaardigheden", "018");
    const QString D = form::DialoogVaardigheden;
    QVERIFY(forms().isLoaded(D));
    QCOMPARE(forms().find(D)->windowTitle(), QString("Vervangen vaardigheden"));
    QCOMPARE(kind<QLabel>(D, "lblTekst")->text(),
             QString("Geef aan welke vaardigheid vervangen moet worden"));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(dialoogKnop(D, QStringLiteral("cmdVaardigheid(%1)").arg(i))->text(),
                 QStringLiteral("01%1 . . . .").arg(i + 1));
    QTest::mouseClick(dialoogKnop(D, "cmdCancel"), Qt::LeftButton);
    QVERIFY(!forms().isLoaded(D));
    QVERIFY(forms().find(F)->isEnabled());
    QCOMPARE(gekozen("lstVaardigheden"),
             (QStringList{"011", "012", "013", "014", "015", "016", "017"}));
    // Escape leaves the same way; a code button replaces.
    kies("cboVaardigheden", "018");
    QTest::keyClick(forms().find(D), Qt::Key_Escape);
    QVERIFY(!forms().isLoaded(D));
    kies("cboVaardigheden", "018");
    QTest::mouseClick(dialoogKnop(D, "cmdVaardigheid(0)"), Qt::LeftButton);
    QCOMPARE(gekozen("lstVaardigheden"),
             (QStringList{"012", "013", "014", "015", "016", "017", "018"}));
}

void TstZoekenKenmerken::niveauDialoog() {
    kies("cboNiveau", "3");
    zoek();
    kies("cboNiveau", "3"); // the same level again still asks
    const QString D = form::DialogNiveau;
    QVERIFY(forms().isLoaded(D));
    QVERIFY(forms().find(D)->windowTitle().isEmpty());
    QCOMPARE(kind<QLabel>(D, "lblText")->text(),
             QString("Er is al een niveau opgegeven. Wilt u deze vervangen"));
    QCOMPARE(dialoogKnop(D, "cmdYes")->text(), QString("Ja"));
    QCOMPARE(dialoogKnop(D, "cmdNo")->text(), QString("Nee"));
    QTest::mouseClick(dialoogKnop(D, "cmdNo"), Qt::LeftButton);
    QVERIFY(forms().find(F)->isEnabled());
    QCOMPARE(gekozen("lstNiveau"), QStringList{"3 "});
    QVERIFY(!grid()->isHidden());

    kies("cboNiveau", "1");
    QTest::mouseClick(dialoogKnop(D, "cmdYes"), Qt::LeftButton);
    QVERIFY(!forms().isLoaded(D));
    QCOMPARE(gekozen("lstNiveau"), QStringList{"1 "});
    // The result goes; the menu items stay as they were.
    QVERIFY(grid()->isHidden());
    QVERIFY(kind<QLabel>(F, "lblRecordCount")->isHidden());
    QCOMPARE(aan(F, ResultaatItems), ResultaatItems);
}

void TstZoekenKenmerken::richtingDialoog() {
    kies("cboHoofdrichting", "  07");
    QCOMPARE(gekozen("lstRichting"), QStringList{"07"});
    zoek();
    kies("cboHoofdrichting", "071");
    const QString D = form::DialogRichting;
    QCOMPARE(kind<QLabel>(D, "lblText")->text(),
             QString("Er is al een (Hoofd)richting opgegeven. Wilt u deze vervangen"));
    QTest::mouseClick(dialoogKnop(D, "cmdYes"), Qt::LeftButton);
    QVERIFY(!forms().isLoaded(D));
    QVERIFY(forms().find(F)->isEnabled());
    QCOMPARE(gekozen("lstRichting"), QStringList{"071"});
    QVERIFY(!grid()->isHidden()); // the result stays
}

void TstZoekenKenmerken::dialoogVerliestActivering() {
    kies("cboNiveau", "2");
    kies("cboNiveau", "3");
    QVERIFY(forms().isLoaded(form::DialogNiveau));
    forms().show(form::Startscherm);
    QVERIFY(!forms().isLoaded(form::DialogNiveau));
    QVERIFY(forms().find(F)->isEnabled());
    QCOMPARE(gekozen("lstNiveau"), QStringList{"2 "});
}

void TstZoekenKenmerken::verwijderen() {
    kies("cboVaardigheden", "013");
    kies("cboVaardigheden", "012");
    zoek();
    QCOMPARE(gridCodes(grid()), (QStringList{"11010", "33030"}));
    // Removing one of two searches again with the other at once.
    dubbelklik("lstVaardigheden", 1);
    QCOMPARE(gekozen("lstVaardigheden"), QStringList{"012"});
    QCOMPARE(gridCodes(grid()), (QStringList{"11010", "22020", "33030"}));
    QVERIFY(cbo("cboVaardigheden")->currentText().startsWith("012"));
    // Removing the last one hides the result.
    lst("lstVaardigheden")->setCurrentRow(0);
    QTest::keyClick(lst("lstVaardigheden"), Qt::Key_Delete);
    QCOMPARE(gekozen("lstVaardigheden"), QStringList{});
    QVERIFY(grid()->isHidden());
    QCOMPARE(cbo("cboVaardigheden")->currentIndex(), -1);
    QCOMPARE(aan(F, {"mnuNamen", "mnuKenmerken"}), QStringList());
}

void TstZoekenKenmerken::niveauVerwijderen() {
    kies("cboNiveau", "3");
    zoek();
    dubbelklik("lstNiveau", 0);
    QCOMPARE(gekozen("lstNiveau"), QStringList{});
    QVERIFY(grid()->isHidden());
    QCOMPARE(cbo("cboNiveau")->currentIndex(), -1);
    // No result any more: the list items pass on nothing new.
    appState().gsRvl92Code = QStringLiteral("11010");
    item(F, "mnuLaatsteRecord")->trigger();
    item(F, "mnuBeroepen")->trigger();
    QCOMPARE(actief(), form::Beroepen);
    QCOMPARE(appState().gsRvl92Code, QString("11010"));
}

void TstZoekenKenmerken::wissen() {
    kies("cboNiveau", "3");
    kies("cboWerksoorten", "204");
    kies("cboVaardigheden", "011");
    zoek();
    QTest::mouseClick(kind<QPushButton>(F, "cmdWissen"), Qt::LeftButton);
    for (const char* l : {"lstNiveau", "lstRichting", "lstWerksoorten", "lstVaardigheden"})
        QCOMPARE(lst(l)->count(), 0);
    QCOMPARE(cbo("cboNiveau")->currentIndex(), -1);
    QVERIFY(grid()->isHidden());
    QCOMPARE(aan(F, {"mnuExporteren", "mnuNamen", "mnuKenmerken"}), QStringList());
    appState().gsRvl92Code = QStringLiteral("11010");
    item(F, "mnuFunctienamen")->trigger();
    QCOMPARE(appState().gsRvl92Code, QString("11010"));
}

void TstZoekenKenmerken::handOff() {
    kies("cboWerksoorten", "305");
    zoek();
    item(F, "mnuLaatsteRecord")->trigger();
    QCOMPARE(teller(), QString(" Record  5 van 5 "));
    item(F, "mnuKenmerken")->trigger();
    QCOMPARE(actief(), form::Kenmerken);
    QCOMPARE(appState().gsRvl92Code, QString("55050"));
    forms().show(F);
    forms().unload(F);
    QCOMPARE(appState().gsRvl92Code, QString("55050"));
    QVERIFY(!appState().history().contains(screen::ZoekenKenmerken));
}

QTEST_MAIN(TstZoekenKenmerken)
#include "tst_zoekenkenmerken.moc"
