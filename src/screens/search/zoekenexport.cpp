// "Exporteren" of the three search screens. Writing a result to a file belongs
// to the export frame, which these handlers will call; until it is there the
// item keeps the enabled state that each screen's own rules give it and does
// nothing when chosen.
#include "screens/search/frmzoekenfuncties.h"
#include "screens/search/frmzoekenkenmerken.h"
#include "screens/search/frmzoekenrvl92.h"

namespace rvl92 {

void frmZoekenFuncties::mnuExporteren_Click() {}

void frmZoekenRvl92::mnuExporteren_Click() {}

void frmZoekenKenmerken::mnuExporteren_Click() {}

} // namespace rvl92
