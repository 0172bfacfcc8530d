#pragma once

#include "wordlists.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace demodata {

struct Group {
    QString code; // three digits: level, class, group
    QString name;
    QString className;
    int level = 0; // index into WordLists::levels
    int occupationClass = 0;
    int field = 0;
};

struct Occupation {
    QString code; // five digits: the group code and a number within the group
    QString name;
    int group = 0; // index into Classification::groups
    int level = 0; // index into WordLists::levels
    QStringList roleForms;
    QString specialisation;
    bool special = false; // from bijzondere_beroepen.txt
    int skillLevel = 0;   // index into WordLists::skillLevels
    int direction = 0;    // index into WordLists::directions (a three-digit row)
    QList<int> workTypes; // indexes into WordLists::workTypes, ascending
    QList<int> skills;    // indexes into WordLists::skills, ascending
};

// The occupations and their groups, both in code order.
struct Classification {
    QList<Group> groups;
    QList<Occupation> occupations;
};

// Draws count occupations over the groups that the word lists define. Fails
// with a Dutch message when the lists cannot yield that many.
std::optional<Classification> buildClassification(const WordLists& lists, int count,
                                                  std::uint64_t seed, QString* error);

} // namespace demodata
