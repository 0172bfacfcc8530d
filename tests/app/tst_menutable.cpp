#include "app/menutable.h"
#include "support/datarow.h"

#include <QSet>
#include <QTest>

using namespace rvl92;

namespace {

const QStringList kForms{"frmFunctienamen",    "frmBeroepen",       "frmNamen",
                         "frmKenmerken",       "frmZoekenFuncties", "frmZoekenRvl92",
                         "frmZoekenKenmerken", "frmZoekprogramma",  "frmCoderen"};

const MenuItemDef* item(const std::vector<MenuDef>& menus, MenuRole role) {
    for (const MenuDef& m : menus)
        for (const MenuItemDef& i : m.items)
            if (i.role == role)
                return &i;
    return nullptr;
}

} // namespace

class TestMenuTable : public QObject {
    Q_OBJECT
private slots:
    // What holds for every screen: the same four menus, every role once, the
    // same shortcuts, no name twice, and a screen never offers itself.
    void sharedShape_data() {
        QTest::addColumn<QString>("form");
        for (const QString& f : kForms)
            row(qPrintable(f), f);
    }
    void sharedShape() {
        QFETCH(QString, form);
        const auto menus = screenMenu(form);
        QCOMPARE(menus.size(), size_t(4));
        QCOMPARE(menus[0].caption, QString("&Bestand"));
        QCOMPARE(menus[3].name, QString("mnuHelp"));
        QSet<QString> names;
        int separators = 0, items = 0;
        for (const MenuDef& m : menus)
            for (const MenuItemDef& i : m.items) {
                if (i.role == MenuRole::Separator) {
                    ++separators;
                    continue;
                }
                ++items;
                QVERIFY2(i.name.startsWith("mnu"), qPrintable(i.name));
                QVERIFY2(!names.contains(i.name), qPrintable(i.name));
                names.insert(i.name);
            }
        QCOMPARE(items, 19);
        QCOMPARE(separators, 5);
        // Coding comes last in Zoeken, set apart, with no shortcut of its own.
        const std::vector<MenuItemDef>& zoeken = menus[1].items;
        QCOMPARE(zoeken.size(), size_t(9));
        QCOMPARE(zoeken[7].role, MenuRole::Separator);
        QCOMPARE(zoeken[8].name, QString("mnuCoderen"));
        QCOMPARE(zoeken[8].caption, QString("&Coderen van functienamen"));
        QCOMPARE(zoeken[8].shortcut, QString());
        QCOMPARE(zoeken[8].enabled, !form.contains("Coderen"));
        const QList<std::pair<MenuRole, const char*>> shortcuts{
            {MenuRole::VorigScherm, "Ctrl+X"},  {MenuRole::NaarStartscherm, "Ctrl+H"},
            {MenuRole::VorigeCode, "Ctrl+O"},   {MenuRole::VolgendeCode, "Ctrl+V"},
            {MenuRole::EersteRecord, "Ctrl+E"}, {MenuRole::LaatsteRecord, "Ctrl+L"}};
        for (const auto& [role, key] : shortcuts)
            QCOMPARE(item(menus, role)->shortcut, QString(key));
        QVERIFY(item(menus, MenuRole::Recordselector)->checked);
    }

    // The names, captions and design-time states that differ between screens,
    // kept as the screens carry them.
    void screenDifferences_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption"); // "" not checked
        QTest::addColumn<bool>("enabled");
        const auto row = [](const char* tag, const char* form, MenuRole role, const char* name,
                            const char* caption, bool enabled) {
            QTest::newRow(tag) << QString(form) << int(role) << QString(name) << QString(caption)
                               << enabled;
        };
        row("selector typo", "frmFunctienamen", MenuRole::Recordselector, "mnuRecordselector",
            "Recordseletor", true);
        row("selector hub", "frmZoekprogramma", MenuRole::Recordselector, "mnuRecordselector",
            "Recordselector", true);
        row("own screen off", "frmFunctienamen", MenuRole::Functienamen, "mnuFunctienamen", "",
            false);
        row("occupations next off", "frmBeroepen", MenuRole::VolgendeCode, "mnuVolgendeRvl92", "",
            false);
        row("names previous", "frmNamen", MenuRole::VorigeCode, "mnuRvl92", "", false);
        row("characteristics typo", "frmKenmerken", MenuRole::VolgendeCode, "mnuVolgedeRvl92", "",
            false);
        row("characteristics previous screen", "frmKenmerken", MenuRole::VorigScherm,
            "mnuVorigeScherm", "Vorige scherm", true);
        row("characteristics last off", "frmKenmerken", MenuRole::LaatsteRecord, "mnuLast", "",
            false);
        row("code search, any case", "FRMZOEKENRVL92", MenuRole::ZoekenRvl92, "mnuZoekenRvl92", "",
            false);
        row("characteristic search capitals", "frmZoekenKenmerken", MenuRole::ZoekenRvl92,
            "mnuZoekenRVL92", "", true);
        row("characteristic search caption", "frmZoekenKenmerken", MenuRole::ZoekenFunctienaam,
            "mnuZoekenFunctienaam", "Functies", true);
        row("access key l", "frmZoekenKenmerken", MenuRole::Beroepen, "mnuBeroepen",
            "&Lijst beroepen", true);
        row("access key b", "frmFunctienamen", MenuRole::Beroepen, "mnuBeroepen", "Lijst &beroepen",
            true);
    }
    void screenDifferences() {
        QFETCH(QString, form);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        const std::vector<MenuDef> menus = screenMenu(form); // outlives the pointer into it
        const MenuItemDef* i = item(menus, MenuRole(role));
        QVERIFY(i);
        QCOMPARE(i->name, name);
        if (!caption.isEmpty())
            QCOMPARE(i->caption, caption);
        QCOMPARE(i->enabled, enabled);
    }
};

QTEST_GUILESS_MAIN(TestMenuTable)
#include "tst_menutable.moc"
