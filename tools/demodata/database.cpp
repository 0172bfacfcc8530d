#include "database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <cstdio>
#include <memory>

namespace demodata {

namespace {

// The program reads RVL.* by position: the column order is part of the format.
const char* const kSchema = R"(
CREATE TABLE RVL (
    RVL92 TEXT NOT NULL PRIMARY KEY,
    BeroepsniveauCode TEXT, BeroepsNiveau TEXT,
    BeroepsklasseCode TEXT, BeroepsKlasse TEXT,
    BeroepsGroepCode TEXT, BeroepsGroep TEXT,
    NiveauBekwaamhedenCode TEXT, Niveaubekwaamheden TEXT,
    HoofdrichtingCode TEXT, Hoofdrichting TEXT,
    RichtingCode TEXT, Richting TEXT,
    WerksoortCode1 TEXT, Werksoort1 TEXT,
    WerksoortCode2 TEXT, Werksoort2 TEXT,
    WerksoortCode3 TEXT, Werksoort3 TEXT,
    VaardighedenCode1 TEXT, Vaardigheid1 TEXT,
    VaardighedenCode2 TEXT, Vaardigheid2 TEXT,
    VaardighedenCode3 TEXT, Vaardigheid3 TEXT,
    VaardighedenCode4 TEXT, Vaardigheid4 TEXT,
    VaardighedenCode5 TEXT, Vaardigheid5 TEXT,
    VaardighedenCode6 TEXT, Vaardigheid6 TEXT,
    VaardighedenCode7 TEXT, Vaardigheid7 TEXT,
    beroep TEXT NOT NULL
);
-- The job-title screen selects this table without ORDER BY and shows the rows
-- in table order, which is why they are inserted alphabetically. Any index
-- that covers RVL92, Functienaam, beroep and id would make SQLite scan the
-- index instead and change that order; the index on RVL92 alone is safe.
CREATE TABLE functienamen (
    RVL92 TEXT NOT NULL REFERENCES RVL (RVL92),
    Functienaam TEXT NOT NULL,
    beroep TEXT NOT NULL,
    id INTEGER NOT NULL
);
CREATE TABLE BekwaamhedenNiveau (NiveauTotaal TEXT NOT NULL);
CREATE TABLE richtingen (richting TEXT NOT NULL);
CREATE TABLE Werksoorten (Werksoorten TEXT NOT NULL);
CREATE TABLE Vaardigheden (Vaardigheden TEXT NOT NULL);
)";

constexpr int kWorkTypeColumns = 3;
constexpr int kSkillColumns = 7;

class Writer {
public:
    explicit Writer(const QString& path) : m_path(path) {}
    ~Writer() {
        for (sqlite3_stmt* statement : m_statements) {
            sqlite3_finalize(statement);
        }
        if (m_db) {
            sqlite3_close(m_db);
        }
    }

    bool open() {
        const QByteArray path = QFile::encodeName(m_path);
        return check(sqlite3_open_v2(path.constData(), &m_db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr));
    }

    bool exec(const char* sql) { return check(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr)); }

    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        if (!check(sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr))) {
            return nullptr;
        }
        m_statements.push_back(statement);
        return statement;
    }

    static void bind(sqlite3_stmt* statement, int column, const QByteArray& text) {
        sqlite3_bind_text(statement, column, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    static void bind(sqlite3_stmt* statement, int column, const QString& text) {
        bind(statement, column, text.toUtf8());
    }

    bool step(sqlite3_stmt* statement) {
        const int rc = sqlite3_step(statement);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        return check(rc == SQLITE_DONE ? SQLITE_OK : rc);
    }

    bool close() {
        for (sqlite3_stmt* statement : m_statements) {
            sqlite3_finalize(statement);
        }
        m_statements.clear();
        const int rc = sqlite3_close(m_db);
        if (rc == SQLITE_OK) {
            m_db = nullptr;
        }
        return check(rc);
    }

    QString message() const { return m_message; }

private:
    bool check(int rc) {
        if (rc == SQLITE_OK) {
            return true;
        }
        if (m_message.isEmpty()) {
            m_message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                             : QString::fromUtf8(sqlite3_errstr(rc));
        }
        return false;
    }

    QString m_path;
    sqlite3* m_db = nullptr;
    std::vector<sqlite3_stmt*> m_statements;
    QString m_message;
};

bool insertLookups(Writer& db, const WordLists& lists) {
    const struct {
        const char* sql;
        const QList<LookupRow>* rows;
    } tables[] = {
        {"INSERT INTO BekwaamhedenNiveau VALUES (?1)", &lists.skillLevels},
        {"INSERT INTO richtingen VALUES (?1)", &lists.directions},
        {"INSERT INTO Werksoorten VALUES (?1)", &lists.workTypes},
        {"INSERT INTO Vaardigheden VALUES (?1)", &lists.skills},
    };
    for (const auto& table : tables) {
        sqlite3_stmt* insert = db.prepare(table.sql);
        if (!insert) {
            return false;
        }
        for (const LookupRow& row : *table.rows) {
            Writer::bind(insert, 1, row.text());
            if (!db.step(insert)) {
                return false;
            }
        }
    }
    return true;
}

bool insertOccupations(Writer& db, const WordLists& lists, const Classification& classification) {
    sqlite3_stmt* insert = db.prepare("INSERT INTO RVL VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
                                      "?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, "
                                      "?22, ?23, ?24, ?25, ?26, ?27, ?28, ?29, ?30, ?31, ?32, ?33, "
                                      "?34)");
    if (!insert) {
        return false;
    }
    for (const Occupation& occupation : classification.occupations) {
        const Group& group = classification.groups[occupation.group];
        const Level& level = lists.levels[occupation.level];
        const LookupRow& skillLevel = lists.skillLevels[occupation.skillLevel];
        const LookupRow& main = lists.directions[lists.mainDirectionOf(occupation.direction)];
        const LookupRow& direction = lists.directions[occupation.direction];
        const QString pairs[][2] = {
            {QString::number(level.code), level.name},
            {group.code.left(2), group.className},
            {group.code, group.name},
            {skillLevel.code, skillLevel.name},
            {main.code, main.name},
            {direction.code, direction.name},
        };
        int column = 1;
        Writer::bind(insert, column++, occupation.code);
        for (const auto& pair : pairs) {
            Writer::bind(insert, column++, pair[0]);
            Writer::bind(insert, column++, pair[1]);
        }
        // Absent work types and skills stay NULL, after the present ones.
        for (int k = 0; k < kWorkTypeColumns; ++k, column += 2) {
            if (k < occupation.workTypes.size()) {
                const LookupRow& row = lists.workTypes[occupation.workTypes[k]];
                Writer::bind(insert, column, row.code);
                Writer::bind(insert, column + 1, row.name);
            }
        }
        for (int k = 0; k < kSkillColumns; ++k, column += 2) {
            if (k < occupation.skills.size()) {
                const LookupRow& row = lists.skills[occupation.skills[k]];
                Writer::bind(insert, column, row.code);
                Writer::bind(insert, column + 1, row.name);
            }
        }
        Writer::bind(insert, column, occupation.name);
        if (!db.step(insert)) {
            return false;
        }
    }
    return true;
}

bool insertJobTitles(Writer& db, const Classification& classification, const JobTitles& titles) {
    sqlite3_stmt* insert = db.prepare("INSERT INTO functienamen VALUES (?1, ?2, ?3, ?4)");
    if (!insert) {
        return false;
    }
    std::vector<QByteArray> codes;
    std::vector<QByteArray> names;
    for (const Occupation& occupation : classification.occupations) {
        codes.push_back(occupation.code.toUtf8());
        names.push_back(occupation.name.toUtf8());
    }
    for (const JobTitle& title : titles.titles) {
        Writer::bind(insert, 1, codes[std::size_t(title.occupation)]);
        Writer::bind(insert, 2, title.text);
        Writer::bind(insert, 3, names[std::size_t(title.occupation)]);
        sqlite3_bind_int64(insert, 4, title.id);
        if (!db.step(insert)) {
            return false;
        }
    }
    return true;
}

bool fill(Writer& db, const WordLists& lists, const Classification& classification,
          const JobTitles& titles) {
    // One transaction with prepared statements keeps a million rows fast; the
    // commit syncs the file once before it is renamed into place.
    return db.open() && db.exec("PRAGMA page_size = 4096") &&
           db.exec("PRAGMA journal_mode = DELETE") && db.exec("BEGIN") && db.exec(kSchema) &&
           insertOccupations(db, lists, classification) &&
           insertJobTitles(db, classification, titles) && insertLookups(db, lists) &&
           db.exec("CREATE INDEX functienamen_RVL92 ON functienamen (RVL92)") &&
           db.exec("COMMIT") && db.close();
}

} // namespace

bool writeDatabase(const QString& target, const WordLists& lists,
                   const Classification& classification, const JobTitles& titles, QString* error) {
    const QFileInfo info(target);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    if (info.isDir()) {
        *error = QStringLiteral("%1 is een map, geen bestand.").arg(shown);
        return false;
    }
    QTemporaryFile file(
        info.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    if (!file.open()) {
        *error = QStringLiteral("Kan in de map %1 geen bestand aanmaken.")
                     .arg(QDir::toNativeSeparators(info.absolutePath()));
        return false;
    }
    const QString temporary = file.fileName();
    file.close();

    QString message;
    bool ok;
    {
        Writer db(temporary);
        ok = fill(db, lists, classification, titles);
        message = db.message();
    }
    QFile::remove(temporary + QStringLiteral("-journal"));
    if (!ok) {
        *error = QStringLiteral("Kan de database %1 niet schrijven: %2").arg(shown, message);
        return false; // the QTemporaryFile removes the unfinished file
    }
    // The temporary file is private to its owner; the database is for every user.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    // rename() replaces an existing database in one step, where QFile::rename
    // would refuse to overwrite it.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(info.absoluteFilePath()).constData()) != 0) {
        *error = QStringLiteral("Kan de database niet opslaan als %1.").arg(shown);
        return false;
    }
    file.setAutoRemove(false);
    return true;
}

} // namespace demodata
