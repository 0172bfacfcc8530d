// "Exporteren" of the three search screens: the export frame writes the
// shown result; the item keeps the enabled state that each screen's own rules
// give it.
#include "export/screenexports.h"
#include "screens/search/frmzoekenfuncties.h"
#include "screens/search/frmzoekenkenmerken.h"
#include "screens/search/frmzoekenrvl92.h"

namespace rvl92 {

void frmZoekenFuncties::mnuExporteren_Click() {
    exports::exporteerZoekenFuncties(this, *Rs);
}

void frmZoekenRvl92::mnuExporteren_Click() {
    exports::exporteerZoekenRvl92(this, *Rs);
}

void frmZoekenKenmerken::mnuExporteren_Click() {
    exports::exporteerZoekenKenmerken(this, *Rs);
}

} // namespace rvl92
