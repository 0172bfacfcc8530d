#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace rvl92 {

// One column of a Jet table: its name as stored and its Jet type code
// (jet::type).
struct JetColumn {
    QString name;
    int type = 0;
};

// One value read from a Jet row, in the SQLite storage class it is kept in.
struct JetValue {
    enum class Kind { Null, Integer, Real, Text, Blob };
    Kind kind = Kind::Null;
    qint64 integer = 0;
    double real = 0.0;
    QByteArray bytes; // UTF-8 for Text

    static JetValue null() { return {}; }
    static JetValue fromInteger(qint64 v) { return {Kind::Integer, v, 0.0, {}}; }
    static JetValue fromReal(double v) { return {Kind::Real, 0, v, {}}; }
    static JetValue fromUtf8(QByteArray v) { return {Kind::Text, 0, 0.0, std::move(v)}; }
    static JetValue fromText(const QString& v) { return fromUtf8(v.toUtf8()); }
    static JetValue fromBlob(QByteArray v) { return {Kind::Blob, 0, 0.0, std::move(v)}; }
};

// `name` as an SQL identifier: in double quotes, inner quotes doubled.
QString quoteSqlIdentifier(const QString& name);

// Creates one table of Jet rows in an SQLite connection and fills it. Every
// table read from a Jet file goes through here, so a table made with it from
// the same columns and rows is exactly what an import would produce.
class JetTableWriter {
public:
    explicit JetTableWriter(sqlite3* db) : db_(db) {}
    ~JetTableWriter();
    JetTableWriter(const JetTableWriter&) = delete;
    JetTableWriter& operator=(const JetTableWriter&) = delete;

    bool createTable(const QString& table, const QList<JetColumn>& columns);
    // `row` holds one value per column, in column order.
    bool insertRow(const QList<JetValue>& row);

    // SQLite's result code and message of the last failure.
    int errorCode() const { return errorCode_; }
    QString errorMessage() const { return errorMessage_; }

private:
    bool fail();

    sqlite3* db_;
    sqlite3_stmt* insert_ = nullptr;
    qsizetype columnCount_ = 0;
    int errorCode_ = 0;
    QString errorMessage_;
};

// Everything done between begin() and commit() on `db` is undone unless
// commit() succeeds; works inside and outside an open transaction.
class SqliteSavepoint {
public:
    explicit SqliteSavepoint(sqlite3* db) : db_(db) {}
    ~SqliteSavepoint();
    SqliteSavepoint(const SqliteSavepoint&) = delete;
    SqliteSavepoint& operator=(const SqliteSavepoint&) = delete;

    bool begin();
    bool commit();

private:
    sqlite3* db_;
    bool open_ = false;
};

} // namespace rvl92
