#include "app/menutable.h"

#include <QTest>

using namespace rvl92;

namespace {

const MenuItemDef* item(const std::vector<MenuDef>& menus, MenuRole role) {
    for (const MenuDef& m : menus)
        for (const MenuItemDef& i : m.items)
            if (i.role == role)
                return &i;
    return nullptr;
}

QString names(const QString& form) {
    QStringList out;
    for (const MenuDef& m : screenMenu(form))
        for (const MenuItemDef& i : m.items)
            if (i.role != MenuRole::Separator)
                out << i.name;
    return out.join(' ');
}

QString disabled(const QString& form) {
    QStringList out;
    for (const MenuDef& m : screenMenu(form))
        for (const MenuItemDef& i : m.items)
            if (i.role != MenuRole::Separator && !i.enabled)
                out << i.name;
    return out.join(' ');
}

} // namespace

class TstMenuTable : public QObject {
    Q_OBJECT
private slots:
    void itemNames_data();
    void itemNames();
    void disabledAtDesign_data();
    void disabledAtDesign();
    void captionsAndShortcuts();
};

void TstMenuTable::itemNames_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("expected");
    QTest::newRow("job-title overview")
        << "frmFunctienamen"
        << "mnuExporteren mnuSluiten mnuZoekenFunctienaam mnuZoekenRvl92 mnuZoekenKenmerken "
           "mnuFunctienamen mnuBeroepen mnuNamen mnuKenmerken mnuVorigScherm mnuNaarStartscherm "
           "mnuVorigeRvl mnuVolgendeRvl mnuFirst mnuLast mnuRecordselector mnuHandleiding "
           "mnuVraagteken";
    QTest::newRow("hub")
        << "frmZoekprogramma"
        << "mnuExporteren mnuAfsluiten mnuZoekenFunctienaam mnuZoekenRvl92 mnuZoekenKenmerken "
           "mnuFunctienamen mnuBeroepen mnuNamen mnuKenmerken mnuVorigScherm mnuStartscherm "
           "mnuVorigeRvl mnuVolgendeRvl mnuEersteRecord mnuLaatsteRecord mnuRecordselector "
           "mnuHandleiding mnuVraagteken";
    QTest::newRow("job titles of an occupation")
        << "frmNamen"
        << "mnuExporteren mnuSluiten mnuZoekenFunctienaam mnuZoekenRvl92 mnuZoekenKenmerken "
           "mnuFunctienamen mnuBeroepen mnuNamen mnuKenmerken mnuVorigScherm mnuNaarStartscherm "
           "mnuRvl92 mnuVolgendeRvl92 mnuEersteRecord mnuLaatsteRecord mnuRecordselector "
           "mnuHandleiding mnuVraagteken";
    QTest::newRow("characteristics")
        << "frmKenmerken"
        << "mnuExporteren mnuSluiten mnuZoekenFunctienaam mnuZoekenRvl92 mnuZoekenKenmerken "
           "mnuFunctienamen mnuBeroepen mnuNamen mnuKenmerken mnuVorigeScherm mnuNaarStartscherm "
           "mnuVorigeRvl92 mnuVolgedeRvl92 mnuFirst mnuLast mnuRecordselector mnuHandleiding "
           "mnuVraagteken";
    QTest::newRow("characteristic search")
        << "frmZoekenKenmerken"
        << "mnuExporteren mnuSluiten mnuZoekenFunctienaam mnuZoekenRVL92 mnuZoekenKenmerken "
           "mnuFunctienamen mnuBeroepen mnuNamen mnuKenmerken mnuVorigScherm mnuNaarStartscherm "
           "mnuVorigeRvl92 mnuVolgendeRvl92 mnuEersteRecord mnuLaatsteRecord mnuRecordselector "
           "mnuHandleiding mnuVraagteken";
}

void TstMenuTable::itemNames() {
    QFETCH(QString, form);
    QFETCH(QString, expected);
    QCOMPARE(names(form), expected);
}

void TstMenuTable::disabledAtDesign_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("expected");
    QTest::newRow("frmFunctienamen") << "frmFunctienamen"
                                     << "mnuFunctienamen";
    QTest::newRow("frmBeroepen") << "frmBeroepen"
                                 << "mnuBeroepen mnuVorigeRvl92 mnuVolgendeRvl92";
    QTest::newRow("frmNamen") << "frmNamen"
                              << "mnuNamen mnuRvl92 mnuVolgendeRvl92";
    QTest::newRow("frmKenmerken") << "frmKenmerken"
                                  << "mnuVorigeRvl92 mnuVolgedeRvl92 mnuFirst mnuLast";
    QTest::newRow("frmZoekenFuncties")
        << "frmZoekenFuncties"
        << "mnuExporteren mnuZoekenFunctienaam mnuNamen mnuKenmerken mnuVorigeRvl92 "
           "mnuVolgendeRvl92 mnuEersteRecord mnuLaatsteRecord";
    QTest::newRow("frmZoekenRvl92 (any case)")
        << "FRMZOEKENRVL92"
        << "mnuExporteren mnuZoekenRvl92 mnuNamen mnuKenmerken mnuVorigeRvl92 "
           "mnuVolgendeRvl92 mnuEersteRecord mnuLaatsteRecord";
    QTest::newRow("frmZoekenKenmerken")
        << "frmZoekenKenmerken"
        << "mnuExporteren mnuZoekenKenmerken mnuNamen mnuKenmerken mnuVorigeRvl92 "
           "mnuVolgendeRvl92 mnuEersteRecord mnuLaatsteRecord";
    QTest::newRow("frmZoekprogramma")
        << "frmZoekprogramma"
        << "mnuExporteren mnuNamen mnuKenmerken mnuVorigScherm mnuVorigeRvl mnuVolgendeRvl "
           "mnuEersteRecord mnuLaatsteRecord mnuVraagteken";
}

void TstMenuTable::disabledAtDesign() {
    QFETCH(QString, form);
    QFETCH(QString, expected);
    QCOMPARE(disabled(form), expected);
}

void TstMenuTable::captionsAndShortcuts() {
    const auto f = screenMenu("frmFunctienamen");
    QCOMPARE(f.size(), size_t(4));
    QCOMPARE(f[0].caption, QString("&Bestand"));
    QCOMPARE(f[2].caption, QString("N&avigatie"));
    QCOMPARE(item(f, MenuRole::Recordselector)->caption, QString("Recordseletor"));
    QVERIFY(item(f, MenuRole::Recordselector)->checked);
    QCOMPARE(item(f, MenuRole::Sluiten)->shortcut, QString("Ctrl+Q"));
    QCOMPARE(item(f, MenuRole::VorigScherm)->shortcut, QString("Ctrl+X"));
    QCOMPARE(item(f, MenuRole::NaarStartscherm)->shortcut, QString("Ctrl+H"));
    QCOMPARE(item(f, MenuRole::VorigeCode)->shortcut, QString("Ctrl+O"));
    QCOMPARE(item(f, MenuRole::VolgendeCode)->shortcut, QString("Ctrl+V"));
    QCOMPARE(item(f, MenuRole::EersteRecord)->shortcut, QString("Ctrl+E"));
    QCOMPARE(item(f, MenuRole::LaatsteRecord)->shortcut, QString("Ctrl+L"));
    // Separators: after Exporteren, after Naar startscherm, after the code
    // items and after Laatste record.
    QCOMPARE(f[0].items[1].role, MenuRole::Separator);
    QCOMPARE(f[2].items[2].role, MenuRole::Separator);
    QCOMPARE(f[2].items[5].role, MenuRole::Separator);
    QCOMPARE(f[2].items[8].role, MenuRole::Separator);
    QCOMPARE(f[2].items[8].caption, QString("-"));

    const auto hub = screenMenu("frmZoekprogramma");
    QCOMPARE(hub[2].caption, QString("&Navigatie"));
    QCOMPARE(item(hub, MenuRole::Recordselector)->caption, QString("Recordselector"));
    const auto k = screenMenu("frmKenmerken");
    QCOMPARE(item(k, MenuRole::VorigScherm)->caption, QString("Vorige scherm"));
    const auto zk = screenMenu("frmZoekenKenmerken");
    QCOMPARE(item(zk, MenuRole::ZoekenFunctienaam)->caption, QString("Functies"));
    QCOMPARE(item(zk, MenuRole::Beroepen)->caption, QString("&Lijst beroepen"));
    QCOMPARE(item(f, MenuRole::Beroepen)->caption, QString("Lijst &beroepen"));
}

QTEST_GUILESS_MAIN(TstMenuTable)
#include "tst_menutable.moc"
