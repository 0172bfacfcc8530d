#pragma once

// A small classification database for the browse-screen tests: every row is
// chosen for a case the screens must handle.

#include "support/fixturedb.h"

namespace browsefixture {

// Occupation names of exactly 90, 91, 100 and 101 characters, job titles of
// 100 and 101.
inline QString naam(int n) {
    return QString("Beroep met een lange naam ").leftJustified(n, 'x');
}
inline QString titel(int n) {
    return QString("Langetitel ").leftJustified(n, 'y');
}

inline QString beroepVan(const QString& code) {
    const QHash<QString, int> lang{{"11102", 90}, {"11103", 91}, {"21001", 101}, {"21002", 100}};
    return lang.contains(code) ? naam(lang[code]) : "Beroep " + code;
}

// One row of RVL, characteristics made from the code; the first `werksoorten`
// work types and `vaardigheden` skills present, the others NULL.
inline testdb::Row rvl(const QString& code, int werksoorten, int vaardigheden) {
    testdb::Row r{code};
    auto paar = [&r](bool er, const QString& c, const QString& n) {
        r.push_back(er ? std::optional<QString>(c) : std::nullopt);
        r.push_back(er ? std::optional<QString>(n) : std::nullopt);
    };
    const QString l = code.left(1), k = code.left(2), g = code.left(3);
    paar(true, l, "Niveau " + l);
    paar(true, k, "Klasse " + k);
    paar(true, g, "Groep " + g);
    paar(true, "0" + l, "Bekwaamheid 0" + l);
    paar(true, "1" + l, "Hoofdrichting 1" + l);
    paar(true, "1" + l + "2", "Richting 1" + l + "2");
    for (int i = 1; i <= 3; ++i)
        paar(i <= werksoorten, QString("20%1").arg(i),
             QString("Werksoort %1 van %2").arg(i).arg(code));
    for (int i = 1; i <= 7; ++i)
        paar(i <= vaardigheden, QString("30%1").arg(i),
             QString("Vaardigheid %1 van %2").arg(i).arg(code));
    r.push_back(beroepVan(code));
    return r;
}

// The job titles in table order. 31001 has its first, a middle and the last
// row; 13001 has none; no code begins with 99.
inline const QList<std::pair<QString, QString>> Titels{
    {"31001", "Aannemer"},      {"11101", "Bakker"},       {"11101", "bakker (brood)"},
    {"12001", "Bakkersknecht"}, {"12002", "Balletdanser"}, {"31001", "Chef d'équipe"},
    {"11102", "Écoleur"},       {"11103", "Etaleur"},      {"21002", titel(100)},
    {"21001", titel(101)},      {"11101", "Pak1 tester"},  {"11101", "Pakhuisknecht"},
    {"11101", "Pak%ket"},       {"11101", "Pak*ket"},      {"11101", "Pak_ket"},
    {"11101", "Pak#ket"},       {"11101", "Pak[h]uis"},    {"11101", "Pak'ket"},
    {"90001", "Zeeman"},        {"31001", "Zwemleraar"}};

inline const QStringList Codes{"11101", "11102", "11103", "12001", "12002", "13001",
                               "21001", "21002", "31001", "31002", "90001"};

// Writes <dir>/Programmabestanden/RVL92.MDB; without `metTitels` the
// job-title table is missing.
inline bool schrijf(const QString& dir, bool metTitels = true) {
    return testdb::writeProgramDatabase(dir, [&](sqlite3* db) {
        bool ok = testdb::exec(db, "CREATE TABLE RVL (" + testdb::rvlColumns().join(" TEXT, ") +
                                       " TEXT)");
        std::vector<testdb::Row> rijen;
        for (const QString& c : Codes) // 11101: two work types and five skills
            rijen.push_back(rvl(c, c == "11101" ? 2 : 3, c == "11101" ? 5 : 7));
        ok = ok && testdb::insert(db, "RVL", rijen);
        if (metTitels) {
            ok = ok && testdb::exec(db, "CREATE TABLE functienamen (RVL92 TEXT, Functienaam TEXT, "
                                        "beroep TEXT, id INTEGER)");
            std::vector<testdb::Row> t;
            for (const auto& [code, titel] : Titels)
                t.push_back({code, titel, beroepVan(code), QString::number(t.size() + 1)});
            ok = ok && testdb::insert(db, "functienamen", t);
        }
        return ok;
    });
}

} // namespace browsefixture
