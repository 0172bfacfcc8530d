#include "app/menutable.h"

#include "app/appstate.h"

#include <set>

namespace rvl92 {

namespace {

bool is(const QString& form, const char* name) {
    return sameName(form, QString::fromLatin1(name));
}

// Items each screen has disabled when it is first shown; screens change some
// of them later.
std::set<MenuRole> disabledAtDesign(const QString& f) {
    using R = MenuRole;
    if (is(f, "frmFunctienamen"))
        return {R::Functienamen};
    if (is(f, "frmBeroepen"))
        return {R::Beroepen, R::VorigeCode, R::VolgendeCode};
    if (is(f, "frmNamen"))
        return {R::Namen, R::VorigeCode, R::VolgendeCode};
    if (is(f, "frmKenmerken"))
        return {R::VorigeCode, R::VolgendeCode, R::EersteRecord, R::LaatsteRecord};
    const std::set<MenuRole> searchCommon{R::Exporteren,   R::Namen,        R::Kenmerken,
                                          R::VorigeCode,   R::VolgendeCode, R::EersteRecord,
                                          R::LaatsteRecord};
    auto with = [&](MenuRole r) {
        auto s = searchCommon;
        s.insert(r);
        return s;
    };
    if (is(f, "frmZoekenFuncties"))
        return with(R::ZoekenFunctienaam);
    if (is(f, "frmZoekenRvl92"))
        return with(R::ZoekenRvl92);
    if (is(f, "frmZoekenKenmerken"))
        return with(R::ZoekenKenmerken);
    if (is(f, "frmCoderen"))
        return with(R::Coderen);
    if (is(f, "frmZoekprogramma"))
        return {R::Exporteren,   R::Namen,        R::Kenmerken,     R::VorigScherm, R::VorigeCode,
                R::VolgendeCode, R::EersteRecord, R::LaatsteRecord, R::Vraagteken};
    return {};
}

} // namespace

std::vector<MenuDef> screenMenu(const QString& f) {
    using R = MenuRole;
    const bool hub = is(f, "frmZoekprogramma");
    const bool characteristicsSearch = is(f, "frmZoekenKenmerken");
    const bool characteristics = is(f, "frmKenmerken");

    QString previous = QStringLiteral("mnuVorigeRvl92");
    QString next = QStringLiteral("mnuVolgendeRvl92");
    if (is(f, "frmFunctienamen") || hub) {
        previous = QStringLiteral("mnuVorigeRvl");
        next = QStringLiteral("mnuVolgendeRvl");
    } else if (is(f, "frmNamen")) {
        previous = QStringLiteral("mnuRvl92");
    } else if (characteristics) {
        next = QStringLiteral("mnuVolgedeRvl92");
    }
    const bool shortFirstLast = is(f, "frmFunctienamen") || is(f, "frmBeroepen") || characteristics;

    auto item = [](R role, const char* name, const QString& caption, const char* shortcut = "") {
        return MenuItemDef{role, QString::fromLatin1(name), caption, QString::fromLatin1(shortcut)};
    };
    auto sep = [] { return MenuItemDef{R::Separator, QString(), QStringLiteral("-"), QString()}; };

    std::vector<MenuDef> menus;
    menus.push_back({QStringLiteral("mnuBestand"),
                     QStringLiteral("&Bestand"),
                     {item(R::Exporteren, "mnuExporteren", QStringLiteral("Exporteren")), sep(),
                      item(R::Sluiten, hub ? "mnuAfsluiten" : "mnuSluiten",
                           QStringLiteral("Afsluiten"), "Ctrl+Q")}});
    menus.push_back(
        {QStringLiteral("mnuZoeken"),
         QStringLiteral("&Zoeken"),
         {item(R::ZoekenFunctienaam, "mnuZoekenFunctienaam",
               characteristicsSearch ? QStringLiteral("Functies") : QStringLiteral("Functienaam")),
          item(R::ZoekenRvl92, characteristicsSearch ? "mnuZoekenRVL92" : "mnuZoekenRvl92",
               QStringLiteral("RVL92-code")),
          item(R::ZoekenKenmerken, "mnuZoekenKenmerken", QStringLiteral("Kenmerken")),
          item(R::Functienamen, "mnuFunctienamen", QStringLiteral("Lijst &functienamen")),
          item(R::Beroepen, "mnuBeroepen",
               characteristicsSearch ? QStringLiteral("&Lijst beroepen")
                                     : QStringLiteral("Lijst &beroepen")),
          item(R::Namen, "mnuNamen", QStringLiteral("Functie&namen bij beroep")),
          item(R::Kenmerken, "mnuKenmerken", QStringLiteral("&Kenmerken bij beroep")), sep(),
          item(R::Coderen, "mnuCoderen", QStringLiteral("&Coderen van functienamen"))}});

    MenuDef nav{QStringLiteral("mnuNavigatie"),
                hub ? QStringLiteral("&Navigatie") : QStringLiteral("N&avigatie"),
                {}};
    nav.items.push_back(
        characteristics
            ? item(R::VorigScherm, "mnuVorigeScherm", QStringLiteral("Vorige scherm"), "Ctrl+X")
            : item(R::VorigScherm, "mnuVorigScherm", QStringLiteral("Vorig scherm"), "Ctrl+X"));
    nav.items.push_back(item(R::NaarStartscherm, hub ? "mnuStartscherm" : "mnuNaarStartscherm",
                             QStringLiteral("Naar startscherm"), "Ctrl+H"));
    nav.items.push_back(sep());
    nav.items.push_back(MenuItemDef{R::VorigeCode, previous,
                                    QStringLiteral("Vorige Functienaam/RVL92-code"),
                                    QStringLiteral("Ctrl+O")});
    nav.items.push_back(MenuItemDef{R::VolgendeCode, next,
                                    QStringLiteral("Volgende Functienaam/RVL92-code"),
                                    QStringLiteral("Ctrl+V")});
    nav.items.push_back(sep());
    nav.items.push_back(item(R::EersteRecord, shortFirstLast ? "mnuFirst" : "mnuEersteRecord",
                             QStringLiteral("Eerste record"), "Ctrl+E"));
    nav.items.push_back(item(R::LaatsteRecord, shortFirstLast ? "mnuLast" : "mnuLaatsteRecord",
                             QStringLiteral("Laatste record"), "Ctrl+L"));
    nav.items.push_back(sep());
    MenuItemDef rs = item(R::Recordselector, "mnuRecordselector",
                          is(f, "frmFunctienamen") ? QStringLiteral("Recordseletor")
                                                   : QStringLiteral("Recordselector"));
    rs.checkable = true;
    rs.checked = true;
    nav.items.push_back(rs);
    menus.push_back(nav);

    menus.push_back({QStringLiteral("mnuHelp"),
                     QStringLiteral("&Help"),
                     {item(R::Handleiding, "mnuHandleiding", QStringLiteral("Hand&leiding")),
                      item(R::Vraagteken, "mnuVraagteken", QStringLiteral("&?"))}});

    const std::set<MenuRole> off = disabledAtDesign(f);
    for (MenuDef& m : menus)
        for (MenuItemDef& i : m.items)
            if (off.count(i.role))
                i.enabled = false;
    return menus;
}

} // namespace rvl92
