#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace demodata {

constexpr int kMaxLevel = 9;

// Set of occupational levels (bit n = level n), written "235" in the lists.
using LevelMask = unsigned;

inline bool hasLevel(LevelMask mask, int level) {
    return (mask >> level) & 1U;
}

// One row of a lookup table: the code and the name, stored as "code name".
struct LookupRow {
    QString code;
    QString name;
    QString text() const { return code + QLatin1Char(' ') + name; }
};

struct Level {
    int code = 0; // the first digit of an RVL92 code
    QString name;
    QString adjective; // "middelbare", for class and group names
    int weight = 0;    // share of the occupations
};

struct OccupationClass {
    int digit = 0; // the second digit of an RVL92 code
    QString key;
    QString name;              // without the level: "technische beroepen"
    QList<int> usualWorkTypes; // indexes into WordLists::workTypes
    QList<int> usualSkills;    // indexes into WordLists::skills
};

// A role ("monteur") with the other forms job titles may use for it.
struct Role {
    QStringList forms;           // forms[0] names the occupation
    QStringList specialisations; // the ones the role goes with; empty: all of the field
};

// A field of work: one occupational group on each level where it has roles.
struct Field {
    QString key;
    int occupationClass = 0;                      // index into WordLists::classes
    QString groupName;                            // without the level: "beroepen in de bouw"
    int direction = 0;                            // index into WordLists::directions
    std::array<QList<Role>, kMaxLevel + 1> roles; // by level code
    QStringList specialisations;
};

// A word before the role ("senior") or an addition after the title ("(buitendienst)").
struct Affix {
    LevelMask levels = 0;
    QString text;
};

struct SpecialOccupation {
    int field = 0;
    int level = 0;
    QString role;
    QString specialisation;
};

struct SpecialTitle {
    int field = 0;
    LevelMask levels = 0;
    QString text;
};

// Everything the generator draws from, read from the plain-text lists in one
// directory and checked for consistency (codes, order, references).
struct WordLists {
    QList<Level> levels; // ascending codes
    QList<LookupRow> skillLevels;
    QList<LookupRow> directions; // main directions (2 digits) each followed by its directions
    QList<LookupRow> workTypes;
    QList<LookupRow> skills;
    QList<OccupationClass> classes;
    QList<Field> fields;
    QList<Affix> qualifiers;
    std::array<QList<Affix>, 2> additions;
    QList<SpecialOccupation> specialOccupations;
    QList<SpecialTitle> specialTitles;

    int levelIndex(int code) const;
    // Index of the main direction row of a direction row.
    int mainDirectionOf(int direction) const;
};

// Reads and checks the lists in dir; on failure returns nothing and sets error
// to a Dutch message naming the file and line.
std::optional<WordLists> loadWordLists(const QString& dir, QString* error);

} // namespace demodata
