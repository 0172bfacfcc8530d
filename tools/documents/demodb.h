#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace docs {

// The demonstration database, read-only, for the documents generated from it.
class DemoDb {
public:
    DemoDb() = default;
    ~DemoDb();
    DemoDb(const DemoDb&) = delete;
    DemoDb& operator=(const DemoDb&) = delete;

    bool open(const QString& path, QString* error);
    // The rows of a query, every value as text (NULL as ""). Sets the error
    // and returns nothing when the query fails.
    QList<QStringList> rows(const QString& sql, QString* error) const;

private:
    sqlite3* m_db = nullptr;
};

} // namespace docs
