#pragma once

#include <QList>
#include <QString>
#include <QVariant>

struct sqlite3;

// Read-only access to a generated database for the checks. A NULL comes back
// as an invalid QVariant, so it stays distinct from an empty text.
class SqliteReader {
public:
    explicit SqliteReader(const QString& path);
    ~SqliteReader();
    SqliteReader(const SqliteReader&) = delete;
    SqliteReader& operator=(const SqliteReader&) = delete;

    bool isOpen() const { return m_db != nullptr; }
    QString error() const { return m_error; }

    // All rows of a query, in the order SQLite returns them; an empty list and
    // error() set when the query fails.
    QList<QVariantList> rows(const QString& sql);
    // The first column of the first row.
    QVariant value(const QString& sql);

private:
    sqlite3* m_db = nullptr;
    QString m_error;
};
