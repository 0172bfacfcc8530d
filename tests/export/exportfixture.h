#pragma once

// A small classification database for the export tests: table RVL with its 34
// columns in table order and table functienamen, with NULLs, empty strings,
// accents, ";" and blanks in values.

#include "support/fixturedb.h"

#include <QFile>

namespace exportfixture {

using testdb::Row;

// The occupation 11010: one work type and three skills, the rest NULL.
inline Row bakker() {
    Row r(34);
    r[0] = "11010";
    const char* pairs[][2] = {
        {"1", "Elementair"},    {"12", "Voeding"},      {"121", "Bakkers"},
        {"02", "Basis"},        {"3", "Ambachtelijk"},  {"31", "Voedsel"},
        {"101", "Bereiden"},    {nullptr, nullptr},     {nullptr, nullptr},
        {"201", "Deeg kneden"}, {"202", "Oven stoken"}, {"203", "Crème maken"},
        {nullptr, nullptr},     {nullptr, nullptr},     {nullptr, nullptr},
        {nullptr, nullptr}};
    for (int k = 0; k < 16; ++k) {
        if (pairs[k][0]) {
            r[size_t(2 * k + 1)] = pairs[k][0];
            r[size_t(2 * k + 2)] = QString::fromUtf8(pairs[k][1]);
        }
    }
    r[33] = QString::fromUtf8("Bakker van brood; banket");
    return r;
}

// The occupation 22020: absent characteristics stored as "" instead of NULL,
// a level code without name, and no occupation name.
inline Row leeg() {
    Row r(34, QString());
    r[0] = "22020";
    r[1] = "2";
    r[2] = std::nullopt;
    r[33] = std::nullopt;
    return r;
}

// Writes <dir>/Programmabestanden/RVL92.MDB.
inline bool write(const QString& programDir) {
    return testdb::writeProgramDatabase(programDir, [](sqlite3* db) {
        bool ok = testdb::createTables(db);
        Row drie(34);
        drie[0] = "33030";
        drie[5] = "331";
        drie[33] = QString::fromUtf8("Ploegleider");
        ok = ok && testdb::insert(db, "RVL", {bakker(), leeg(), drie});
        ok = ok &&
             testdb::insert(db, "functienamen",
                            {
                                {"11010", "Broodbakker", "Bakker van brood; banket", "1"},
                                {"33030", QString::fromUtf8("Chef d'équipe"), "Ploegleider", "2"},
                                {"11010", "Bakker; deeg", "Bakker van brood; banket", "3"},
                                {"11010", QString::fromUtf8("Pâtissier  € ë"),
                                 "Bakker van brood; banket", "4"},
                                {std::nullopt, "Zonder code", "Onbekend", "5"},
                                {"44040", std::nullopt, "Schilder", "6"},
                            });
        // The lookup lists of the search on characteristics.
        ok = ok &&
             testdb::exec(db, "CREATE TABLE BekwaamhedenNiveau (NiveauTotaal TEXT);"
                              "INSERT INTO BekwaamhedenNiveau VALUES ('02 Basis');"
                              "CREATE TABLE richtingen (richting TEXT);"
                              "INSERT INTO richtingen VALUES ('3 Ambachtelijk'),('31 Voedsel');"
                              "CREATE TABLE Werksoorten (Werksoorten TEXT);"
                              "INSERT INTO Werksoorten VALUES ('101 Bereiden');"
                              "CREATE TABLE Vaardigheden (Vaardigheden TEXT);"
                              "INSERT INTO Vaardigheden VALUES ('201 Deeg kneden');");
        return ok;
    });
}

// The lines as written: each ended by CR LF.
inline QByteArray crlf(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& l : lines)
        out += l + "\r\n";
    return out;
}

inline QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace exportfixture
