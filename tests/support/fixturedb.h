#pragma once

// The one way tests build their databases: written with the sqlite3 API so
// that the tests do not depend on the demo generator's content. Each suite
// keeps only its rows; the file, the tables and the inserts are made here.

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sqlite3.h>

#include <functional>
#include <optional>
#include <vector>

namespace testdb {

using Row = std::vector<std::optional<QString>>;

// The 34 columns of table RVL, in the order the program reads them.
inline QStringList rvlColumns() {
    QStringList c{"RVL92",
                  "BeroepsniveauCode",
                  "BeroepsNiveau",
                  "BeroepsklasseCode",
                  "BeroepsKlasse",
                  "BeroepsGroepCode",
                  "BeroepsGroep",
                  "NiveauBekwaamhedenCode",
                  "Niveaubekwaamheden",
                  "HoofdrichtingCode",
                  "Hoofdrichting",
                  "RichtingCode",
                  "Richting"};
    for (int k = 1; k <= 3; ++k)
        c << QStringLiteral("WerksoortCode%1").arg(k) << QStringLiteral("Werksoort%1").arg(k);
    for (int k = 1; k <= 7; ++k)
        c << QStringLiteral("VaardighedenCode%1").arg(k) << QStringLiteral("Vaardigheid%1").arg(k);
    c << QStringLiteral("beroep");
    return c;
}

inline bool exec(sqlite3* db, const QString& sql) {
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    sqlite3_free(err);
    return rc == SQLITE_OK;
}

inline bool insert(sqlite3* db, const QString& table, const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        QStringList marks;
        for (size_t i = 0; i < r.size(); ++i)
            marks << QStringLiteral("?");
        const QByteArray sql =
            QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(',')).toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
            return false;
        for (size_t i = 0; i < r.size(); ++i) {
            if (r[i])
                sqlite3_bind_text(st, int(i + 1), r[i]->toUtf8().constData(), -1, SQLITE_TRANSIENT);
            else
                sqlite3_bind_null(st, int(i + 1));
        }
        const int rc = sqlite3_step(st);
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE)
            return false;
    }
    return true;
}

// Writes <programDir>/Programmabestanden/RVL92.MDB afresh, filled by `fill`,
// so that a screen opens it as the program's database.
inline bool writeProgramDatabase(const QString& programDir,
                                 const std::function<bool(sqlite3*)>& fill) {
    QDir(programDir).mkpath(QStringLiteral("Programmabestanden"));
    const QString file = QDir(programDir).filePath(QStringLiteral("Programmabestanden/RVL92.MDB"));
    QFile::remove(file);
    sqlite3* db = nullptr;
    if (sqlite3_open(file.toUtf8().constData(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    const bool ok = fill(db);
    sqlite3_close(db);
    return ok;
}

// Table RVL with its 34 columns, and functienamen.
inline bool createTables(sqlite3* db) {
    return exec(db, "CREATE TABLE RVL (" + rvlColumns().join(" TEXT, ") + " TEXT)") &&
           exec(db, "CREATE TABLE functienamen (RVL92 TEXT, Functienaam TEXT, beroep TEXT, "
                    "id INTEGER)");
}

// functienamen with a few titles (table order as given) and RVL with two
// occupations; NULL and "" both present.
inline bool writeSmall(const QString& file) {
    sqlite3* db = nullptr;
    if (sqlite3_open(file.toUtf8().constData(), &db) != SQLITE_OK)
        return false;
    bool ok = exec(db, "CREATE TABLE functienamen (RVL92 TEXT, Functienaam TEXT, beroep TEXT, "
                       "id INTEGER)") &&
              exec(db, "CREATE TABLE RVL (RVL92 TEXT PRIMARY KEY, beroep TEXT, "
                       "WerksoortCode1 TEXT)");
    ok = ok && insert(db, "functienamen",
                      {
                          {"11010", "Bakker", "Bakker van brood", "7"},
                          {"22020", "bakker (banket)", "Banketbakker", "3"},
                          {"11010", "Broodbakker", "Bakker van brood", "9"},
                          {"33030", "Chef d'équipe", "Ploegleider", "1"},
                          {"44040", "Écoleur", "Schilder", "2"},
                          {"11010", "ecru-verver", "Bakker van brood", "4"},
                          {"55050", "100% inspecteur #1", "Keurder", "5"},
                          {"66060", std::nullopt, "Onbekend", "6"},
                          {"66060", "", "Onbekend", "8"},
                      });
    ok = ok && insert(db, "RVL",
                      {{"11010", "Bakker van brood", "101"},
                       {"22020", "Banketbakker", std::nullopt},
                       {"33030", "Ploegleider", ""}});
    sqlite3_close(db);
    return ok;
}

} // namespace testdb
