#pragma once

#include "export/exportlines.h"

#include <QString>

#include <vector>

namespace rvl92 {
class Recordset;
}

namespace rvl92::coding {
struct Candidate;
}

namespace rvl92::exports {

// The line layouts of the exports. Each reads the rows by index, so the
// recordset's current row (and with it a bound grid or bound boxes) is left
// as it was; a NULL value is written as nothing. Writing stops at the first
// failed line (see ExportLines::ok()).

// The characteristics of an occupation (a row of table RVL, read by position).
// Text: a labelled line per characteristic whose code is present, of the first
// row only. CSV: per row the level code and the eighteen names, no RVL92 code.
void writeKenmerken(const Recordset& rs, ExportType type, ExportLines& out);

// Job titles found by the searches on job title and on code (columns RVL92,
// functienaam, beroep): the code and the title; the occupation is not written.
void writeFunctienamen(const Recordset& rs, ExportType type, ExportLines& out);

// Occupations found by the search on characteristics (RVL92, then code and
// name of the three work types, then beroep): the code, the three work-type
// codes and the occupation. In the text layout an absent work-type code is
// written as three blanks so that the columns stay aligned.
void writeZoekenKenmerken(const Recordset& rs, ExportType type, ExportLines& out);

// The job titles of one occupation with its code and occupational group code,
// from the recordset of namenExportSql().
void writeNamen(const Recordset& rs, ExportType type, ExportLines& out);
// The query of that export: every job title of the occupation `code`.
QString namenExportSql(const QString& code);

// The proposals of the coding screen, best first. Text: the code, the score
// in three places, the job title and, in brackets, the occupation. CSV: code,
// occupation, job title and score; a field holding ";" or a quote is quoted.
void writeCoderen(const std::vector<coding::Candidate>& candidates, ExportType type,
                  ExportLines& out);

// The labels of the characteristics text layout, each 15 characters.
extern const char* const characteristicLabels[18];

} // namespace rvl92::exports
