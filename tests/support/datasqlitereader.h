#pragma once

// Read-only access to a generated database for the checks. A NULL comes back
// as an invalid QVariant, so it stays distinct from an empty text.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

class SqliteReader {
public:
    explicit SqliteReader(const QString& path) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY,
                            nullptr) != SQLITE_OK) {
            m_error =
                m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("open failed");
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~SqliteReader() { sqlite3_close(m_db); }
    SqliteReader(const SqliteReader&) = delete;
    SqliteReader& operator=(const SqliteReader&) = delete;

    QString error() const { return m_error; }

    // All rows of a query, in the order SQLite returns them; an empty list and
    // error() set when the query fails.
    QList<QVariantList> rows(const QString& sql) {
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

    // The first column of every row, as text.
    QStringList column(const QString& sql) {
        QStringList out;
        for (const QVariantList& row : rows(sql))
            out << row.value(0).toString();
        return out;
    }

    // The first column of the first row.
    QVariant value(const QString& sql) {
        const QList<QVariantList> all = rows(sql);
        return all.isEmpty() || all.front().isEmpty() ? QVariant() : all.front().front();
    }
    int count(const QString& sql) { return value(sql).toInt(); }

private:
    sqlite3* m_db = nullptr;
    QString m_error;
};

// The demonstration database the build puts into the tree.
inline QString demoDatabase() {
    return QStringLiteral(RVL92_TREE_DIR "/Programmabestanden/RVL92.MDB");
}
