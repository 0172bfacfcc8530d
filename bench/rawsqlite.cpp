#include "rawsqlite.h"

#include <QUrl>

#include <sqlite3.h>

namespace bench {

RawConnection::~RawConnection() {
    if (m_db)
        sqlite3_close_v2(m_db);
}

bool RawConnection::open(const QString& file, QString* error) {
    // Opened as the program opens its database: read-only and immutable.
    const QByteArray uri = "file:" + QUrl::toPercentEncoding(file, "/") + "?immutable=1";
    if (sqlite3_open_v2(uri.constData(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) !=
        SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
    }
    return true;
}

bool RawConnection::run(const char* sql, RawResult& out, QString* error) const {
    out.text.clear();
    out.offsets.clear();
    out.rows = 0;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
    }
    const int cols = sqlite3_column_count(stmt);
    out.columns = cols;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int c = 0; c < cols; ++c) {
            const auto* v = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            const uint32_t at = uint32_t(out.text.size());
            out.offsets.push_back(v ? at : at | RawResult::NullBit);
            if (v)
                out.text.append(v, size_t(sqlite3_column_bytes(stmt, c)));
        }
        ++out.rows;
    }
    out.offsets.push_back(uint32_t(out.text.size()));
    out.text.shrinkToFit();
    out.offsets.shrinkToFit();
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) {
        *error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
    }
    return true;
}

} // namespace bench
