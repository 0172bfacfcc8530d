#pragma once

// The classification of the bad-input test, written to
// <dir>/Programmabestanden/RVL92.MDB: for every character with a meaning in a
// Like pattern one job title that holds it ("Vak%man"), and before them one
// title that such a character would match as a wildcard ("Vak1man"), so that a
// literal match and a wildcard match give different rows.

#include "support/fixturedb.h"

#include <QFile>

namespace badinputfixture {

inline const QStringList Tekens{"'", "\"", "%",  "_", "#", "*", "?",
                                "[", "]",  "\\", ";", "é", "ψ", "😀"};

// Job titles in table order, with their codes; std::nullopt is a NULL title.
inline std::vector<testdb::Row> functienamen() {
    std::vector<testdb::Row> rijen{{"12020", "Bakker", "Bakker van brood", "1"},
                                   {"11010", "Vak1man", "Vakman", "2"}};
    int id = 3;
    for (const QString& t : Tekens)
        rijen.push_back({"11010", "Vak" + t + "man", "Vakman", QString::number(id++)});
    rijen.push_back({"44040", "Écoleur", "Schilder", QString::number(id++)});
    rijen.push_back({"77070", "Ψυχολόγος", "Psycholoog", QString::number(id++)});
    rijen.push_back({"55050", "", "Onbekend", QString::number(id++)});
    rijen.push_back({"55050", std::nullopt, "Onbekend", QString::number(id++)});
    rijen.push_back({"1234", "Oude code", "Vervallen", QString::number(id++)});
    return rijen;
}

// One occupation: every characteristic filled from its code.
inline testdb::Row beroep(const QString& code, const QString& naam) {
    testdb::Row r{code};
    const QStringList c = testdb::rvlColumns();
    for (qsizetype i = 1; i + 1 < c.size(); i += 2) {
        r.push_back(QStringLiteral("%1").arg(i));
        r.push_back(c[i + 1] + " van " + naam);
    }
    r.push_back(naam);
    return r;
}

inline bool schrijf(const QString& programDir) {
    const bool ok = testdb::writeProgramDatabase(programDir, [](sqlite3* db) {
        // Columns without a type, as the original file's import gives them.
        bool ok = testdb::exec(db, QStringLiteral("CREATE TABLE RVL (%1)")
                                       .arg(testdb::rvlColumns().join(QStringLiteral(", ")))) &&
                  testdb::exec(db, QStringLiteral("CREATE TABLE functienamen "
                                                  "(RVL92, Functienaam, beroep, id)"));
        ok = ok && testdb::insert(db, QStringLiteral("functienamen"), functienamen());
        ok = ok && testdb::insert(db, QStringLiteral("RVL"),
                                  {beroep("11010", "Vakman"), beroep("12020", "Bakker van brood"),
                                   beroep("22020", "Banketbakker"), beroep("33030", "Ploegleider"),
                                   beroep("44040", "Schilder"), beroep("55050", "Onbekend"),
                                   beroep("66060", "Kok"), beroep("77070", "Psycholoog")});
        ok = ok && testdb::exec(db, QStringLiteral(R"(
CREATE TABLE BekwaamhedenNiveau (NiveauTotaal);
INSERT INTO BekwaamhedenNiveau VALUES ('1 Elementair niveau'),('2 Lager niveau');
CREATE TABLE richtingen (richting);
INSERT INTO richtingen VALUES ('01 Algemeen'),('011 Algemene vorming'),('07 Techniek'),
 ('071 Metaal');
CREATE TABLE Werksoorten (Werksoorten);
INSERT INTO Werksoorten VALUES ('305 Bouwen'),('101 Plannen');
CREATE TABLE Vaardigheden (Vaardigheden);
INSERT INTO Vaardigheden VALUES ('011 Mondeling'),('012 Schriftelijk');
)"));
        return ok;
    });
    if (!ok)
        return false;
    // The help text of the job-title search, for the help viewer's rows.
    QFile help(programDir + QStringLiteral("/Programmabestanden/HelpZoekenFunctienamen.rtf"));
    return help.open(QIODevice::WriteOnly) &&
           help.write("{\\rtf1\\ansi Typ een deel van de functienaam.\\par}") > 0;
}

} // namespace badinputfixture
