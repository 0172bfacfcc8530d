#pragma once

#include "data/dberror.h"

#include <QString>

#include <memory>

struct sqlite3;

namespace rvl92 {

// One read-only connection to the classification database (a screen's `Cnn`).
//
// The format is told by content: an SQLite file is opened in place, read-only and
// immutable; a Jet file is read once per process into an in-memory database that
// every connection to that file then shares. The file itself is never written.
class Database {
public:
    enum class Format { Missing, Empty, SQLite, Jet, Unknown };

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // <programDir>/Programmabestanden/RVL92.MDB
    static QString databasePath(const QString& programDir);
    static Format detectFormat(const QString& file);

    bool open(const QString& file, DbError* error);
    bool openProgramDatabase(const QString& programDir, DbError* error) {
        return open(databasePath(programDir), error);
    }
    void close();
    bool isOpen() const { return m_handle != nullptr; }
    // ADO-style state: 1 open, 0 closed.
    int state() const { return isOpen() ? 1 : 0; }
    QString fileName() const { return m_file; }

    sqlite3* handle() const;

    // Whether a range of text on `column` of `table` is read from an index and
    // holds every value that begins with the range's bytes: the column has
    // text affinity, compares bytewise (BINARY collation), holds nothing but
    // text and NULL, and leads a full index with that collation; the table has
    // row ids. False whenever anything is unsure.
    bool hasTextIndex(const QString& table, const QString& column) const;

    // Forgets the shared imports of Jet files (tests only; open connections keep theirs).
    static void clearSharedImports();

    // The SQLite connection behind one or more Database objects.
    struct Handle;

private:
    std::shared_ptr<Handle> m_handle;
    QString m_file;
};

} // namespace rvl92
