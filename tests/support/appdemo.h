#pragma once

// What the windowing tests need to know of the installed demonstration data.

#include "data/database.h"
#include "data/recordset.h"

// The lowest code of an occupation that has job titles, in the database of
// `programDir`; empty when it cannot be read.
inline QString demoCodeWithTitles(const QString& programDir) {
    rvl92::Database db;
    rvl92::Recordset rs;
    rvl92::DbError error;
    if (!db.openProgramDatabase(programDir, &error) ||
        !rs.open("SELECT min(RVL92) FROM functienamen", db, &error) || rs.recordCount() == 0)
        return QString();
    return rs.text(0);
}
