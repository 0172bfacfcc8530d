// "Zoeken op kenmerken" and its four choice dialogs, driven as a user would:
// picking from the drop-down lists, searching, removing and replacing codes.
#include "searchdriver.h"
#include "support/datarow.h"

#include <QComboBox>
#include <QListWidget>

using namespace rvl92;
using namespace searchtest;

namespace {
const QString F = form::ZoekenKenmerken;
} // namespace

class TestZoekenKenmerken : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(opzetten(m_dir)); }
    void init() { begin(F); }
    void cleanup() { drive::unloadAll(); }

    void zoeken_data() {
        QTest::addColumn<QStringList>("keuzes"); // "combo:begin of the entry"
        QTest::addColumn<QStringList>("werksoorten");
        QTest::addColumn<QStringList>("gevonden");
        row("level", QStringList{"cboNiveau:3"}, QStringList{}, QStringList{"33030", "44040"});
        row("main direction", QStringList{"cboHoofdrichting:  07"}, QStringList{},
            QStringList{"22020", "33030"});
        // Chosen in any order, kept ascending; the second is only looked for in
        // columns 2 and 3, so 55050 (305 in column 1) is not found.
        row("two work types", QStringList{"cboWerksoorten:305", "cboWerksoorten:101"},
            QStringList{"101", "305"}, QStringList{"11010", "33030"});
        row("direction and skill", QStringList{"cboHoofdrichting:011", "cboVaardigheden:013"},
            QStringList{}, QStringList{"11010", "55050"});
    }

    void zoeken() {
        QFETCH(QStringList, keuzes);
        QCOMPARE(cbo("cboWerksoorten")->itemText(0), QString("101 Plannen")); // sorted
        QCOMPARE(aan(F, Resultaat + QStringList{"mnuZoekenKenmerken"}), {});
        for (const QString& k : keuzes)
            kies(qPrintable(k.section(':', 0, 0)), k.section(':', 1));
        QVERIFY(grid(F)->isHidden()); // choosing never searches
        QTEST(gekozen("lstWerksoorten"), "werksoorten");
        zoek();
        QTEST(column(grid(F)), "gevonden");
        QCOMPARE(captions(grid(F)), (QStringList{"RVL92", "WS1", "WS2", "WS3", "Beroep"}));
        QCOMPARE(counter(F),
                 QStringLiteral(" Record  1 van %1 ").arg(grid(F)->model()->rowCount()));
        QCOMPARE(aan(F, Resultaat), Resultaat);
        menu(F, "mnuLaatsteRecord");
        menu(F, "mnuKenmerken");
        QCOMPARE(actief(), form::Kenmerken);
        QCOMPARE(appState().gsRvl92Code, column(grid(F)).last());
    }

    void meldingen() {
        const QString geenKenmerken(
            "Er zijn geen kenmerken waarnaar  gezocht moet worden opgegeven");
        zoek();
        QCOMPARE(closeNotice(), geenKenmerken);
        kies("cboNiveau", "2");
        kies("cboHoofdrichting", "011");
        zoek();
        QCOMPARE(closeNotice(),
                 QString("Er zijn geen beroepen met de opgegeven kenmerken gevonden"));
        QVERIFY(grid(F)->isHidden());
        QCOMPARE(aan(F, Resultaat), {});

        // An empty separator chosen as direction adds no condition; a result
        // shown earlier stays.
        click(F, "cmdWissen");
        kies("cboHoofdrichting", "  07");
        zoek();
        kies("cboHoofdrichting", "");
        click(form::DialogRichting, "cmdYes");
        QCOMPARE(gekozen("lstRichting"), QStringList{""});
        zoek();
        QCOMPARE(closeNotice(), geenKenmerken);
        QCOMPARE(column(grid(F)), (QStringList{"22020", "33030"}));
        QVERIFY(!grid(F)->isHidden());
    }

    void werksoortVervangen() {
        for (const char* w : {"305", "204", "102", "204"}) // the second 204: nothing
            kies("cboWerksoorten", w);
        QVERIFY(!forms().isLoaded(form::DialoogWerksoorten));
        kies("cboWerksoorten", "101");
        const QString D = form::DialoogWerksoorten;
        QVERIFY(!forms().find(F)->isEnabled());
        QCOMPARE(child<QLabel>(D, "lblTekst")->text(),
                 QString("Geef aan welke werksoort vervangen moet worden"));
        QStringList knoppen;
        for (int i = 0; i < 3; ++i)
            knoppen << child<QPushButton>(D, QStringLiteral("cmdWerksoort(%1)").arg(i))->text();
        QCOMPARE(knoppen, (QStringList{"102 . . . .", "204 . . . .", "305 . . . ."}));
        click(D, "cmdWerksoort(2)");
        QVERIFY(!forms().isLoaded(D));
        QVERIFY(forms().find(F)->isEnabled());
        QCOMPARE(actief(), F);
        // The lowest code comes first, to be compared with all three columns.
        QCOMPARE(gekozen("lstWerksoorten"), (QStringList{"101", "102", "204"}));
    }

    void vaardigheidVervangen() {
        for (const char* v : {"017", "011", "012", "013", "014", "015", "016", "018"})
            kies("cboVaardigheden", v);
        const QString D = form::DialoogVaardigheden;
        QCOMPARE(forms().find(D)->windowTitle(), QString("Vervangen vaardigheden"));
        QCOMPARE(child<QPushButton>(D, "cmdVaardigheid(6)")->text(), QString("017 . . . ."));
        QTest::keyClick(forms().find(D), Qt::Key_Escape); // as "Annuleren"
        QVERIFY(!forms().isLoaded(D) && forms().find(F)->isEnabled());
        // Another window taking the activation leaves the lists as they were.
        kies("cboVaardigheden", "018");
        forms().show(form::Startscherm);
        QVERIFY(!forms().isLoaded(D));
        QVERIFY(forms().find(F)->isEnabled());
        QCOMPARE(gekozen("lstVaardigheden").size(), 7);
        forms().show(F);
        kies("cboVaardigheden", "018");
        click(D, "cmdVaardigheid(0)");
        QCOMPARE(gekozen("lstVaardigheden"),
                 (QStringList{"012", "013", "014", "015", "016", "017", "018"}));
    }

    void niveauEnRichting() {
        kies("cboNiveau", "3");
        kies("cboHoofdrichting", "  07");
        zoek();
        kies("cboNiveau", "3"); // the same level again still asks
        const QString N = form::DialogNiveau;
        QCOMPARE(child<QLabel>(N, "lblText")->text(),
                 QString("Er is al een niveau opgegeven. Wilt u deze vervangen"));
        click(N, "cmdNo");
        QCOMPARE(gekozen("lstNiveau"), QStringList{"3 "});
        QVERIFY(!grid(F)->isHidden());

        kies("cboHoofdrichting", "072");
        QCOMPARE(child<QLabel>(form::DialogRichting, "lblText")->text(),
                 QString("Er is al een (Hoofd)richting opgegeven. Wilt u deze vervangen"));
        click(form::DialogRichting, "cmdYes");
        QCOMPARE(gekozen("lstRichting"), QStringList{"072"});
        QVERIFY(!grid(F)->isHidden()); // a new direction keeps the result

        kies("cboNiveau", "1");
        click(N, "cmdYes");
        QVERIFY(!forms().isLoaded(N));
        QCOMPARE(gekozen("lstNiveau"), QStringList{"1 "});
        QVERIFY(grid(F)->isHidden()); // a new level hides it, the menu stays
        QCOMPARE(aan(F, Resultaat), Resultaat);
    }

    void verwijderenEnWissen() {
        kies("cboVaardigheden", "013");
        kies("cboVaardigheden", "012");
        zoek();
        QCOMPARE(column(grid(F)), (QStringList{"11010", "33030"}));
        dubbelklik("lstVaardigheden", 1); // one of two: searched again at once
        QCOMPARE(gekozen("lstVaardigheden"), QStringList{"012"});
        QCOMPARE(column(grid(F)), (QStringList{"11010", "22020", "33030"}));
        QVERIFY(cbo("cboVaardigheden")->currentText().startsWith("012"));
        lst("lstVaardigheden")->setCurrentRow(0);
        QTest::keyClick(lst("lstVaardigheden"), Qt::Key_Delete); // the last one: result hidden
        QCOMPARE(gekozen("lstVaardigheden"), QStringList{});
        QVERIFY(grid(F)->isHidden());
        QCOMPARE(aan(F, {"mnuNamen", "mnuKenmerken"}), {});

        kies("cboNiveau", "3");
        zoek();
        dubbelklik("lstNiveau", 0);
        QVERIFY(grid(F)->isHidden());
        QCOMPARE(cbo("cboNiveau")->currentIndex(), -1);
        // No result any more: the list items pass on nothing new.
        appState().gsRvl92Code = QStringLiteral("11010");
        menu(F, "mnuBeroepen");
        QCOMPARE(appState().gsRvl92Code, QString("11010"));

        forms().show(F);
        kies("cboWerksoorten", "204");
        zoek();
        click(F, "cmdWissen");
        QCOMPARE(gekozen("lstWerksoorten"), QStringList{});
        QVERIFY(grid(F)->isHidden());
        QCOMPARE(aan(F, Resultaat), (QStringList{"mnuEersteRecord", "mnuLaatsteRecord"}));
        menu(F, "mnuFunctienamen");
        QCOMPARE(appState().gsRvl92Code, QString("11010"));
    }

private:
    QComboBox* cbo(const char* n) { return child<QComboBox>(F, QString::fromLatin1(n)); }
    QListWidget* lst(const char* n) { return child<QListWidget>(F, QString::fromLatin1(n)); }
    QStringList gekozen(const char* n) {
        QStringList out;
        for (int i = 0; i < lst(n)->count(); ++i)
            out << lst(n)->item(i)->text();
        return out;
    }
    // Picks the entry that begins with `begin` ("" picks the first empty one).
    void kies(const char* combo, const QString& begin) {
        QComboBox* c = cbo(combo);
        for (int i = 0; i < c->count(); ++i) {
            if (begin.isEmpty() ? c->itemText(i).isEmpty() : c->itemText(i).startsWith(begin))
                return drive::pick(F, QString::fromLatin1(combo), i);
        }
        QFAIL(qPrintable("no entry " + begin));
    }
    void zoek() { click(F, "cmdZoeken"); }
    void dubbelklik(const char* lijst, int rij) {
        QListWidget* l = lst(lijst);
        const QPoint p = l->visualItemRect(l->item(rij)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p); // a double-click starts so
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
    }
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestZoekenKenmerken)
#include "tst_zoekenkenmerken.moc"
