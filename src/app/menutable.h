#pragma once

#include <QString>

#include <vector>

namespace rvl92 {

// What a menu item does, independent of the name it carries on a screen.
enum class MenuRole {
    Exporteren,
    Sluiten,
    ZoekenFunctienaam,
    ZoekenRvl92,
    ZoekenKenmerken,
    Functienamen,
    Beroepen,
    Namen,
    Kenmerken,
    VorigScherm,
    NaarStartscherm,
    VorigeCode,
    VolgendeCode,
    EersteRecord,
    LaatsteRecord,
    Recordselector,
    Handleiding,
    Vraagteken,
    Coderen,
    Separator
};

struct MenuItemDef {
    MenuRole role;
    QString name;     // objectName of the action ("" for separators)
    QString caption;  // with "&" before the access key
    QString shortcut; // "Ctrl+Q" or ""
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
};

struct MenuDef {
    QString name;    // mnuBestand, mnuZoeken, mnuNavigatie, mnuHelp
    QString caption; // "&Bestand", ...
    std::vector<MenuItemDef> items;
};

// The menu bar that the data screens and the hub share, with the names,
// captions and design-time disabled items of the screen `formName`.
std::vector<MenuDef> screenMenu(const QString& formName);

} // namespace rvl92
