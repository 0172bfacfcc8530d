#include "sqlitereader.h"

#include <QFile>

#include <sqlite3.h>

SqliteReader::SqliteReader(const QString& path) {
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK) {
        m_error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("open failed");
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

SqliteReader::~SqliteReader() {
    sqlite3_close(m_db);
}

QList<QVariantList> SqliteReader::rows(const QString& sql) {
    QList<QVariantList> result;
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (!m_db || sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &statement,
                                    nullptr) != SQLITE_OK) {
        m_error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("not open");
        return result;
    }
    const int columns = sqlite3_column_count(statement);
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_NULL:
                row.append(QVariant());
                break;
            case SQLITE_INTEGER:
                row.append(QVariant(qint64(sqlite3_column_int64(statement, c))));
                break;
            default:
                row.append(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, c)),
                    sqlite3_column_bytes(statement, c)));
            }
        }
        result.append(row);
    }
    if (rc != SQLITE_DONE) {
        m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
        result.clear();
    }
    sqlite3_finalize(statement);
    return result;
}

QVariant SqliteReader::value(const QString& sql) {
    const QList<QVariantList> all = rows(sql);
    return all.isEmpty() || all.front().isEmpty() ? QVariant() : all.front().front();
}
