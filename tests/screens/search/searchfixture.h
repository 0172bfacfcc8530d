#pragma once

// A small classification for the search screens' tests, written to
// <dir>/Programmabestanden/RVL92.MDB so that a screen opens it as the program's
// database. It holds only the columns the search screens read.

#include "support/fixturedb.h"

namespace searchfixture {

inline const QString LangBeroep = "Inspecteur " + QString(80, 'x');     // 91 characters
inline const QString LangeTitel = "Inspecteur van " + QString(86, 'x'); // 101 characters

inline bool schrijf(const QString& programDir) {
    // Work types and skills ascending from column 1, except 55050: 305 only
    // in column 1, 101 after it.
    const QString sql = QStringLiteral(R"(
CREATE TABLE RVL (RVL92, NiveauBekwaamhedenCode, HoofdrichtingCode, RichtingCode,
  WerksoortCode1, Werksoort1, WerksoortCode2, Werksoort2, WerksoortCode3, Werksoort3,
  VaardighedenCode1, VaardighedenCode2, VaardighedenCode3, VaardighedenCode4,
  VaardighedenCode5, VaardighedenCode6, VaardighedenCode7, beroep);
INSERT INTO RVL VALUES
 ('11010','1','01','011','101','w','305','w',NULL,NULL,'012','013',NULL,NULL,NULL,NULL,NULL,'Bakker van brood'),
 ('22020','2','07','071','305','w',NULL,NULL,NULL,NULL,'012',NULL,NULL,NULL,NULL,NULL,NULL,'Banketbakker'),
 ('33030','3','07','072','101','w','204','w','305','w','011','012','013','014','015','016','017','Ploegleider'),
 ('44040','3','02','021','204','w','305','w',NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,'%1'),
 ('55050','1','01','011','305','w','101','w',NULL,NULL,'013',NULL,NULL,NULL,NULL,NULL,NULL,'Schilder');
CREATE TABLE functienamen (RVL92 TEXT, Functienaam, beroep, id);
CREATE INDEX functienamen_RVL92 ON functienamen (RVL92);
INSERT INTO functienamen VALUES ('11010','Bakker','Bakker van brood',1),
 ('11010','Broodbakker','Bakker van brood',2), ('22020','Banketbakker','Banketbakker',3),
 ('33030','Chef d''équipe','Ploegleider',4), ('44040','100% inspecteur #1','%1',5),
 ('44040','%2','%1',6), ('55050','Écoleur','Schilder',7), ('1234','Oude code','Onbekend',8);
CREATE TABLE BekwaamhedenNiveau (NiveauTotaal);
INSERT INTO BekwaamhedenNiveau VALUES ('1 Elementair niveau'),('2 Lager niveau'),('3 Middelbaar niveau');
CREATE TABLE richtingen (richting);
INSERT INTO richtingen VALUES ('01 Algemeen'),('011 Algemene vorming'),('02 Onderwijs'),
 ('021 Onderwijs'),('07 Techniek'),('071 Metaal'),('072 Bouw');
CREATE TABLE Werksoorten (Werksoorten);
INSERT INTO Werksoorten VALUES ('305 Bouwen'),('101 Plannen'),('204 Verzorgen'),('102 Analyseren');
CREATE TABLE Vaardigheden (Vaardigheden);
INSERT INTO Vaardigheden VALUES ('018 Rekenen'),('011 Mondeling'),('012 Schriftelijk'),
 ('013 Luisteren'),('014 Presenteren'),('015 Talen'),('016 Overtuigen'),('017 Lezen');
)");
    return testdb::writeProgramDatabase(
        programDir, [&](sqlite3* db) { return testdb::exec(db, sql.arg(LangBeroep, LangeTitel)); });
}

} // namespace searchfixture
