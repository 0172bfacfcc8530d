#pragma once

#include "data/dberror.h"

#include <QByteArray>
#include <QString>

struct sqlite3;

namespace rvl92 {

// True when the first bytes of a file carry the signature of a Jet or ACE
// database ("Standard Jet DB" / "Standard ACE DB" at offset 4). Twenty bytes
// of the file are enough.
bool looksLikeJetFile(const QByteArray& head);

// Reads every user table of the Jet database at `path` (relative paths are
// taken from the current directory) with all its columns and rows into the
// open, writable SQLite connection `db` (schema main, normally an in-memory
// database). Table and column names are kept as stored.
//
// Values arrive as follows: text and memo as UTF-8 TEXT; Yes/No, Byte,
// Integer and Long Integer as INTEGER (Yes = 1, No = 0); Single and Double as
// REAL; Currency and Decimal as TEXT holding the exact decimal number
// ("12.3400"); Date/Time as TEXT "yyyy-MM-dd hh:mm:ss"; replication IDs as
// TEXT "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; OLE objects and binary
// columns as BLOB. NULL stays NULL, a zero-length text stays "".
//
// Returns false and fills *error (number from rvl92::dberr, or an SQLite
// result code, with a Dutch description) on failure; `db` then holds none of
// the tables. Blocks for the duration of the read.
bool importJetFile(const QString& path, sqlite3* db, DbError* error);

} // namespace rvl92
