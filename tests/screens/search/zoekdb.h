#pragma once

// A small classification for the search screens' tests, written to
// <dir>/Programmabestanden/RVL92.MDB so that a screen opens it as the program's
// database.

#include "testdb.h"

#include <QDir>

namespace zoekdb {

inline QString langeNaam(int n, const QString& begin) {
    QString s = begin;
    while (s.size() < n)
        s += QLatin1Char('x');
    return s.left(n);
}

// An occupation: code, skill level, main direction, direction, work types 1-3,
// skills 1-7 (absent: NULL), name.
inline testdb::Row beroep(const char* code, const char* niveau, const char* hoofd,
                          const char* richting, std::vector<const char*> ws,
                          std::vector<const char*> vd, const QString& naam) {
    testdb::Row r;
    auto tekst = [](const char* s) {
        return s ? std::optional<QString>(QString::fromUtf8(s)) : std::nullopt;
    };
    r.push_back(tekst(code));
    for (int i = 0; i < 6; ++i)
        r.push_back(QStringLiteral("x"));
    r.push_back(tekst(niveau));
    r.push_back(QStringLiteral("n"));
    r.push_back(tekst(hoofd));
    r.push_back(QStringLiteral("h"));
    r.push_back(tekst(richting));
    r.push_back(QStringLiteral("r"));
    ws.resize(3, nullptr);
    vd.resize(7, nullptr);
    for (const char* w : ws) {
        r.push_back(tekst(w));
        r.push_back(w ? std::optional<QString>(QStringLiteral("werksoort ") + w) : std::nullopt);
    }
    for (const char* v : vd) {
        r.push_back(tekst(v));
        r.push_back(v ? std::optional<QString>(QStringLiteral("vaardigheid ") + v) : std::nullopt);
    }
    r.push_back(naam);
    return r;
}

inline const QString LangBeroep = langeNaam(91, QStringLiteral("Inspecteur "));
inline const QString LangeTitel = langeNaam(101, QStringLiteral("Inspecteur van "));

inline bool schrijf(const QString& programDir) {
    QDir(programDir).mkpath(QStringLiteral("Programmabestanden"));
    const QString file = programDir + QStringLiteral("/Programmabestanden/RVL92.MDB");
    QFile::remove(file);
    sqlite3* db = nullptr;
    if (sqlite3_open(file.toUtf8().constData(), &db) != SQLITE_OK)
        return false;
    QString rvl = QStringLiteral(
        "CREATE TABLE RVL (RVL92 TEXT, BeroepsniveauCode TEXT, BeroepsNiveau TEXT, "
        "BeroepsklasseCode TEXT, BeroepsKlasse TEXT, BeroepsGroepCode TEXT, BeroepsGroep TEXT, "
        "NiveauBekwaamhedenCode TEXT, Niveaubekwaamheden TEXT, HoofdrichtingCode TEXT, "
        "Hoofdrichting TEXT, RichtingCode TEXT, Richting TEXT");
    for (int i = 1; i <= 3; ++i)
        rvl += QStringLiteral(", WerksoortCode%1 TEXT, Werksoort%1 TEXT").arg(i);
    for (int i = 1; i <= 7; ++i)
        rvl += QStringLiteral(", VaardighedenCode%1 TEXT, Vaardigheid%1 TEXT").arg(i);
    rvl += QStringLiteral(", beroep TEXT)");
    bool ok = testdb::exec(db, rvl) &&
              testdb::exec(db, "CREATE TABLE functienamen (RVL92 TEXT, Functienaam TEXT, "
                               "beroep TEXT, id INTEGER)") &&
              testdb::exec(db, "CREATE TABLE BekwaamhedenNiveau (NiveauTotaal TEXT)") &&
              testdb::exec(db, "CREATE TABLE richtingen (richting TEXT)") &&
              testdb::exec(db, "CREATE TABLE Werksoorten (Werksoorten TEXT)") &&
              testdb::exec(db, "CREATE TABLE Vaardigheden (Vaardigheden TEXT)");
    ok = ok &&
         testdb::insert(
             db, "RVL",
             {beroep("11010", "1", "01", "011", {"101", "305"}, {"012", "013"}, "Bakker van brood"),
              beroep("22020", "2", "07", "071", {"305"}, {"012"}, "Banketbakker"),
              beroep("33030", "3", "07", "072", {"101", "204", "305"},
                     {"011", "012", "013", "014", "015", "016", "017"}, "Ploegleider"),
              beroep("44040", "3", "02", "021", {"204", "305"}, {}, LangBeroep),
              // Not in ascending order: 305 only in the first column.
              beroep("55050", "1", "01", "011", {"305", "101"}, {"013"}, "Schilder")});
    ok = ok && testdb::insert(db, "functienamen",
                              {{"11010", "Bakker", "Bakker van brood", "1"},
                               {"11010", "Broodbakker", "Bakker van brood", "2"},
                               {"22020", "Banketbakker", "Banketbakker", "3"},
                               {"33030", "Chef d'équipe", "Ploegleider", "4"},
                               {"44040", "100% inspecteur #1", LangBeroep, "5"},
                               {"44040", LangeTitel, LangBeroep, "6"},
                               {"55050", "Écoleur", "Schilder", "7"},
                               {"1234", "Oude code", "Onbekend", "8"}});
    ok = ok &&
         testdb::insert(db, "BekwaamhedenNiveau",
                        {{"1 Elementair niveau"}, {"2 Lager niveau"}, {"3 Middelbaar niveau"}});
    ok = ok && testdb::insert(db, "richtingen",
                              {{"01 Algemeen"},
                               {"011 Algemene vorming"},
                               {"02 Onderwijs"},
                               {"021 Onderwijs"},
                               {"07 Techniek"},
                               {"071 Metaal"},
                               {"072 Bouw"}});
    ok = ok &&
         testdb::insert(db, "Werksoorten",
                        {{"305 Bouwen"}, {"101 Plannen"}, {"204 Verzorgen"}, {"102 Analyseren"}});
    std::vector<testdb::Row> vaardigheden;
    for (const char* v : {"018 Rekenen", "011 Mondeling", "012 Schriftelijk", "013 Luisteren",
                          "014 Presenteren", "015 Talen", "016 Overtuigen", "017 Lezen"})
        vaardigheden.push_back({QString::fromUtf8(v)});
    ok = ok && testdb::insert(db, "Vaardigheden", vaardigheden);
    sqlite3_close(db);
    return ok;
}

} // namespace zoekdb
