#include "demodb.h"

#include <QFile>

#include <sqlite3.h>

namespace docs {

DemoDb::~DemoDb() {
    if (m_db)
        sqlite3_close(m_db);
}

bool DemoDb::open(const QString& path, QString* error) {
    if (!QFile::exists(path)) {
        *error = QStringLiteral("database %1 ontbreekt").arg(path);
        return false;
    }
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    return true;
}

QList<QStringList> DemoDb::rows(const QString& sql, QString* error) const {
    QList<QStringList> out;
    sqlite3_stmt* st = nullptr;
    if (!m_db ||
        sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        *error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("niet geopend");
        return {};
    }
    const int columns = sqlite3_column_count(st);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
            row << (text ? QString::fromUtf8(text) : QString());
        }
        out << row;
    }
    if (rc != SQLITE_DONE) {
        *error = QString::fromUtf8(sqlite3_errmsg(m_db));
        out.clear();
    }
    sqlite3_finalize(st);
    return out;
}

} // namespace docs
