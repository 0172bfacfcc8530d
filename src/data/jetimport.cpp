#include "data/jetimport.h"
#include "data/jetformat.h"
#include "data/jetreader.h"
#include "data/jettablewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sqlite3.h>

#include <memory>

namespace rvl92 {

namespace {

// Jet itself cannot grow a file beyond 2 GB.
constexpr qint64 maxFileSize = qint64(2) * 1024 * 1024 * 1024;

QString displayPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool fail(DbError* error, int number, const QString& description) {
    if (error) {
        error->number = number;
        error->description = description;
    }
    return false;
}

QString damagedFile(const QString& path) {
    return QStringLiteral("Het databasebestand %1 is beschadigd of onvolledig en kan niet "
                          "worden gelezen.")
        .arg(displayPath(path));
}

QString damagedTable(const QString& path, const QString& table) {
    return QStringLiteral("De tabel %1 in het databasebestand %2 is beschadigd en kan niet worden "
                          "gelezen.")
        .arg(table, displayPath(path));
}

// The whole file in memory: read once, checked before libmdb sees it, and
// handed to libmdb as a buffer. libmdb then never looks the file up itself
// (its search along MDBPATH loops forever on an empty path component) and a
// file that changes on disk meanwhile cannot confuse it.
bool readJetImage(const QString& path, QByteArray* image, int* pageSize, DbError* error) {
    const QFileInfo info(path);
    if (!info.exists())
        return fail(
            error, dberr::FileNotFound,
            QStringLiteral("Het databasebestand %1 is niet gevonden.").arg(displayPath(path)));
    QFile file(path);
    const auto unreadable = [&](const QString& reason) {
        return fail(error, dberr::CannotOpen,
                    QStringLiteral("Het databasebestand %1 kan niet worden gelezen: %2")
                        .arg(displayPath(path), reason));
    };
    if (info.isDir())
        return unreadable(QStringLiteral("het is een map."));
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(file.errorString());
    const QString notADatabase =
        QStringLiteral("Het bestand %1 is geen database van RVL92.").arg(displayPath(path));
    if (file.size() > maxFileSize)
        return fail(error, dberr::NotADatabase, notADatabase);
    *image = file.readAll();
    if (file.error() != QFileDevice::NoError || image->size() != file.size())
        return unreadable(file.errorString());
    if (!looksLikeJetFile(*image))
        return fail(error, dberr::NotADatabase, notADatabase);
    *pageSize = jet::pageSize(*image);
    if (*pageSize == 0)
        return fail(error, dberr::JetUnreadable,
                    QStringLiteral("Het databasebestand %1 heeft een versie die dit programma niet "
                                   "kan lezen.")
                        .arg(displayPath(path)));
    // A Jet file consists of whole pages; anything else was cut off.
    if (image->size() < 3 * *pageSize || image->size() % *pageSize != 0)
        return fail(error, dberr::JetUnreadable, damagedFile(path));
    return true;
}

struct MdbCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};

} // namespace

bool importJetFile(const QString& path, sqlite3* db, DbError* error) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QByteArray image;
    int pageSize = 0;
    if (!readJetImage(absolute, &image, &pageSize, error))
        return false;
    const qint64 pageCount = image.size() / pageSize;

    // libmdb converts text to the character set named here; the program
    // wants UTF-8, which libmdb uses when the variable is absent.
    qunsetenv("MDBICONV");

    std::unique_ptr<MdbHandle, MdbCloser> mdb(
        mdb_open_buffer(image.data(), size_t(image.size()), MDB_NOFLAGS));
    if (!mdb || mdb->fmt->pg_size != pageSize)
        return fail(error, dberr::JetUnreadable, damagedFile(absolute));
    // The catalog is read here rather than with libmdb's reader, which
    // parses the objects' property blobs and can loop forever on a damaged
    // one.
    const auto catalog = jet::readCatalog(mdb.get(), pageCount);
    if (!catalog || catalog->objectCount == 0)
        return fail(error, dberr::JetUnreadable, damagedFile(absolute));
    if (catalog->userTables.empty())
        return fail(error, dberr::JetNoTables,
                    QStringLiteral("Het databasebestand %1 bevat geen tabellen.")
                        .arg(displayPath(absolute)));

    // Everything below is undone if any table fails: the caller gets all
    // tables or none.
    SqliteSavepoint savepoint(db);
    JetTableWriter writer(db);
    auto sqliteFailure = [&](int code, const QString& message) {
        return fail(error, code ? code : dberr::QueryFailed,
                    QStringLiteral("Het databasebestand %1 kan niet in het geheugen worden "
                                   "geladen: %2")
                        .arg(displayPath(absolute), message));
    };
    if (!savepoint.begin())
        return sqliteFailure(sqlite3_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));

    for (const auto& entry : catalog->userTables) {
        const QString tableName = QString::fromUtf8(entry->object_name);
        const bool validPage = entry->table_pg > 0 && qint64(entry->table_pg) < pageCount;
        const jet::TableDef table = validPage ? jet::readTableDef(entry.get()) : nullptr;
        if (!table)
            return fail(error, dberr::JetUnreadable, damagedTable(absolute, tableName));

        // Jet gives every column a name of its own (compared without regard
        // to case); a nameless or repeated one comes from a damaged table
        // definition, not from the user's data.
        QList<JetColumn> columns;
        QSet<QString> names;
        for (guint i = 0; i < table->num_cols; ++i) {
            const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            const QString name = QString::fromUtf8(column->name);
            const QString folded = name.toCaseFolded();
            if (name.isEmpty() || names.contains(folded))
                return fail(error, dberr::JetUnreadable, damagedTable(absolute, tableName));
            names.insert(folded);
            columns.append({name, column->col_type});
        }
        if (!writer.createTable(tableName, columns))
            return sqliteFailure(writer.errorCode(), writer.errorMessage());

        jet::TableReader reader(mdb.get(), table.get(), pageCount);
        const auto result =
            reader.read([&](const QList<JetValue>& row) { return writer.insertRow(row); });
        if (result == jet::ReadResult::Stopped)
            return sqliteFailure(writer.errorCode(), writer.errorMessage());
        if (result == jet::ReadResult::Damaged)
            return fail(error, dberr::JetUnreadable, damagedTable(absolute, tableName));
    }
    if (!savepoint.commit())
        return sqliteFailure(sqlite3_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
    return true;
}

} // namespace rvl92
