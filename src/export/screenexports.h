#pragma once

#include "export/exportframe.h"

#include <vector>

class QWidget;

namespace rvl92 {
class Database;
class Recordset;
} // namespace rvl92

namespace rvl92::coding {
struct Candidate;
}

namespace rvl92::exports {

// The "Exporteren" of each screen: the export frame with the screen's default
// file name and layout. `screen` parents the dialogs; `rs` is the screen's
// result. A screen without an open result exports nothing (NoResult).

// The shown occupation's characteristics; the screen keeps showing it.
ExportResult exportKenmerken(QWidget* screen, const Recordset& rs);

// The list results of the search screens. Their grid keeps its columns; once
// the file has been written (or writing failed) the result stands on its
// first row.
ExportResult exportZoekenFuncties(QWidget* screen, Recordset& rs);
ExportResult exportZoekenRvl92(QWidget* screen, Recordset& rs);
ExportResult exportZoekenKenmerken(QWidget* screen, Recordset& rs);

// The job titles of the occupation the screen shows (the code of its list,
// which holds that occupation's titles; gsRvl92Code when the list is empty),
// read by a query of their own over the screen's connection; the screen's list
// and its current row are left alone. The dialog title counts the list's rows.
ExportResult exportNamen(QWidget* screen, const Recordset& rs, const Database& cnn);

// The proposals the coding screen shows for its text; nothing to export when
// there are none.
ExportResult exportCoderen(QWidget* screen, const std::vector<coding::Candidate>& candidates);

} // namespace rvl92::exports
