#pragma once

#include <QString>

namespace docs {

class DemoDb;

// "Codelijsten RVL/": the twelve code lists as fixed-width text files and
// "Recordbeschrijvingen.txt", which describes their records.
bool writeCodeLists(const DemoDb& db, const QString& dir, QString* error);

// "Gebruikersbestanden/": the complete job-title and occupation lists, in the
// text and CSV layouts of the program's exports.
bool writeUserFiles(const DemoDb& db, const QString& dir, QString* error);

} // namespace docs
