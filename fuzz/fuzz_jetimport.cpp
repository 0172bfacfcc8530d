// The Jet import on damaged files: mutated bytes of real Jet databases. It
// must return (with the tables or with a Dutch error), never crash or hang,
// and leave the target connection with all tables or none.

#include "data/dberror.h"
#include "data/jetimport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>

namespace {

int tableCount(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "select count(*) from sqlite_master where type = 'table'", -1, &st,
                       nullptr);
    sqlite3_step(st);
    const int n = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return n;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("invoer.mdb"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    rvl92::DbError error;
    const bool ok = rvl92::importJetFile(path, db, &error);
    if (ok ? tableCount(db) == 0 : (tableCount(db) != 0 || error.description.isEmpty()))
        abort();
    sqlite3_close(db);
    return 0;
}
