#include "data/jettablewriter.h"
#include "data/jetformat.h"

#include <QStringList>

#include <sqlite3.h>

namespace rvl92 {

QString quoteSqlIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

JetTableWriter::~JetTableWriter() {
    sqlite3_finalize(insert_);
}

bool JetTableWriter::fail() {
    errorCode_ = sqlite3_errcode(db_);
    errorMessage_ = QString::fromUtf8(sqlite3_errmsg(db_));
    return false;
}

bool JetTableWriter::createTable(const QString& table, const QList<JetColumn>& columns) {
    sqlite3_finalize(insert_);
    insert_ = nullptr;
    columnCount_ = columns.size();

    QStringList definitions;
    QStringList placeholders;
    for (const JetColumn& column : columns) {
        definitions << quoteSqlIdentifier(column.name) + QLatin1Char(' ') +
                           QLatin1String(jet::sqliteDeclaredType(column.type));
        placeholders << QStringLiteral("?");
    }
    const QString create =
        QStringLiteral("CREATE TABLE %1 (%2)")
            .arg(quoteSqlIdentifier(table), definitions.join(QLatin1String(", ")));
    if (sqlite3_exec(db_, create.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail();

    const QString insert = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                               .arg(quoteSqlIdentifier(table), placeholders.join(QLatin1Char(',')));
    if (sqlite3_prepare_v2(db_, insert.toUtf8().constData(), -1, &insert_, nullptr) != SQLITE_OK)
        return fail();
    return true;
}

bool JetTableWriter::insertRow(const QList<JetValue>& row) {
    if (!insert_ || row.size() != columnCount_) {
        errorCode_ = SQLITE_MISUSE;
        errorMessage_ = QStringLiteral("row does not match the table");
        return false;
    }
    sqlite3_reset(insert_);
    for (int i = 0; i < row.size(); ++i) {
        const JetValue& value = row.at(i);
        int rc = SQLITE_OK;
        switch (value.kind) {
        case JetValue::Kind::Null:
            rc = sqlite3_bind_null(insert_, i + 1);
            break;
        case JetValue::Kind::Integer:
            rc = sqlite3_bind_int64(insert_, i + 1, value.integer);
            break;
        case JetValue::Kind::Real:
            rc = sqlite3_bind_double(insert_, i + 1, value.real);
            break;
        case JetValue::Kind::Text:
            // The values outlive the step below, so SQLite need not copy them.
            rc =
                sqlite3_bind_text64(insert_, i + 1, value.bytes.constData(),
                                    sqlite3_uint64(value.bytes.size()), SQLITE_STATIC, SQLITE_UTF8);
            break;
        case JetValue::Kind::Blob:
            // A zero-length blob, not NULL, even when the array has no data.
            rc = value.bytes.isEmpty()
                     ? sqlite3_bind_zeroblob(insert_, i + 1, 0)
                     : sqlite3_bind_blob64(insert_, i + 1, value.bytes.constData(),
                                           sqlite3_uint64(value.bytes.size()), SQLITE_STATIC);
            break;
        }
        if (rc != SQLITE_OK)
            return fail();
    }
    const int rc = sqlite3_step(insert_);
    sqlite3_clear_bindings(insert_);
    if (rc != SQLITE_DONE)
        return fail();
    return true;
}

namespace {
constexpr char savepointName[] = "rvl92_jet_import";
}

SqliteSavepoint::~SqliteSavepoint() {
    if (!open_)
        return;
    const QByteArray name(savepointName);
    sqlite3_exec(db_, ("ROLLBACK TO " + name).constData(), nullptr, nullptr, nullptr);
    sqlite3_exec(db_, ("RELEASE " + name).constData(), nullptr, nullptr, nullptr);
}

bool SqliteSavepoint::begin() {
    const QByteArray sql = QByteArray("SAVEPOINT ") + savepointName;
    open_ = sqlite3_exec(db_, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    return open_;
}

bool SqliteSavepoint::commit() {
    const QByteArray sql = QByteArray("RELEASE ") + savepointName;
    if (sqlite3_exec(db_, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    open_ = false;
    return true;
}

} // namespace rvl92
