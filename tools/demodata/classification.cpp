#include "classification.h"

#include "allocate.h"
#include "random.h"
#include "text.h"

#include <QSet>

#include <algorithm>
#include <numeric>

namespace demodata {

namespace {

struct Candidate {
    QStringList roleForms;
    QString specialisation;
    bool special = false;
    QString name() const { return capitalised(roleForms.front() + ' ' + specialisation); }
};

QList<Group> enumerateGroups(const WordLists& lists) {
    QList<int> classOrder(lists.classes.size());
    std::iota(classOrder.begin(), classOrder.end(), 0);
    std::sort(classOrder.begin(), classOrder.end(),
              [&lists](int a, int b) { return lists.classes[a].digit < lists.classes[b].digit; });
    QList<Group> groups;
    for (int level = 0; level < lists.levels.size(); ++level) {
        const Level& lv = lists.levels[level];
        for (int c : std::as_const(classOrder)) {
            int number = 0;
            for (int f = 0; f < lists.fields.size(); ++f) {
                const Field& field = lists.fields[f];
                if (field.occupationClass != c || field.roles[lv.code].isEmpty()) {
                    continue;
                }
                Group group;
                group.code =
                    QStringLiteral("%1%2%3").arg(lv.code).arg(lists.classes[c].digit).arg(++number);
                group.name = capitalised(lv.adjective + ' ' + field.groupName);
                group.className = capitalised(lv.adjective + ' ' + lists.classes[c].name);
                group.level = level;
                group.occupationClass = c;
                group.field = f;
                groups.append(group);
            }
        }
    }
    return groups;
}

QList<Candidate> candidatesOf(const WordLists& lists, const Group& group) {
    QList<Candidate> result;
    const Field& field = lists.fields[group.field];
    for (const Role& role : field.roles[lists.levels[group.level].code]) {
        for (const QString& specialisation : field.specialisations) {
            if (role.specialisations.isEmpty() || role.specialisations.contains(specialisation)) {
                result.append({role.forms, specialisation, false});
            }
        }
    }
    return result;
}

// Picks distinct entries, usually from the usual ones, and returns them ascending.
QList<int> pickCodes(Random& random, int count, const QList<int>& usual, int all) {
    QList<int> picked;
    count = std::min(count, all);
    while (picked.size() < count) {
        const int code = (!usual.isEmpty() && random.chance(75))
                             ? usual[int(random.below(std::uint32_t(usual.size())))]
                             : int(random.below(std::uint32_t(all)));
        if (!picked.contains(code)) {
            picked.append(code);
        }
    }
    std::sort(picked.begin(), picked.end());
    return picked;
}

void drawCharacteristics(const WordLists& lists, const Group& group, std::uint64_t seed,
                         Occupation* occupation) {
    Random random = Random::stream(seed, "kenmerken", occupation->code.toULongLong());
    const Field& field = lists.fields[group.field];
    const OccupationClass& occupationClass = lists.classes[group.occupationClass];

    // The skill level follows the occupational level, now and then one step off.
    const int levels = int(lists.levels.size());
    const int skillLevels = int(lists.skillLevels.size());
    int skill = levels > 1 ? group.level * (skillLevels - 1) / (levels - 1) : 0;
    const int roll = int(random.below(100));
    skill += roll < 12 ? -1 : (roll < 24 ? 1 : 0);
    occupation->skillLevel = std::clamp(skill, 0, skillLevels - 1);

    // Usually the field's own direction, otherwise a sister under the same main direction.
    occupation->direction = field.direction;
    if (random.chance(20)) {
        const int main = lists.mainDirectionOf(field.direction);
        QList<int> sisters;
        for (int i = main + 1; i < lists.directions.size() && lists.directions[i].code.size() == 3;
             ++i) {
            sisters.append(i);
        }
        occupation->direction = sisters[int(random.below(std::uint32_t(sisters.size())))];
    }

    const int workRoll = int(random.below(100));
    const int workTypes = workRoll < 2 ? 0 : (workRoll < 32 ? 1 : (workRoll < 72 ? 2 : 3));
    occupation->workTypes =
        pickCodes(random, workTypes, occupationClass.usualWorkTypes, int(lists.workTypes.size()));
    const int skillRoll = int(random.below(100));
    const int skills = skillRoll < 4 ? 0 : (skillRoll < 14 ? 1 : random.between(2, 7));
    occupation->skills =
        pickCodes(random, skills, occupationClass.usualSkills, int(lists.skills.size()));
}

} // namespace

std::optional<Classification> buildClassification(const WordLists& lists, int count,
                                                  std::uint64_t seed, QString* error) {
    Classification result;
    result.groups = enumerateGroups(lists);
    const int groupCount = int(result.groups.size());

    QList<QList<Candidate>> specials(groupCount);
    int specialCount = 0;
    for (const SpecialOccupation& special : lists.specialOccupations) {
        for (int g = 0; g < groupCount; ++g) {
            const Group& group = result.groups[g];
            if (group.field == special.field && lists.levels[group.level].code == special.level) {
                specials[g].append({QStringList{special.role}, special.specialisation, true});
                ++specialCount;
            }
        }
    }
    if (count < specialCount) {
        *error = QStringLiteral("Er zijn minstens %1 beroepen nodig voor de beroepen uit "
                                "bijzondere_beroepen.txt.")
                     .arg(specialCount);
        return std::nullopt;
    }

    // Each level gets its weight's share of the occupations, spread evenly
    // over its groups; a group never holds more than 99 (two code digits).
    QList<int> groupsPerLevel(lists.levels.size(), 0);
    for (const Group& group : std::as_const(result.groups)) {
        ++groupsPerLevel[group.level];
    }
    std::vector<std::int64_t> weights;
    std::vector<std::int64_t> caps;
    QList<QList<Candidate>> candidates;
    for (int g = 0; g < groupCount; ++g) {
        const Group& group = result.groups[g];
        candidates.append(candidatesOf(lists, group));
        weights.push_back(std::int64_t(lists.levels[group.level].weight) * 1000000 /
                          groupsPerLevel[group.level]);
        caps.push_back(std::min<std::int64_t>(99 - specials[g].size(), candidates[g].size()));
    }
    const std::vector<std::int64_t> quota = allocate(count - specialCount, weights, caps);
    std::int64_t possible = specialCount;
    std::int64_t allocated = specialCount;
    for (int g = 0; g < groupCount; ++g) {
        possible += caps[g];
        allocated += quota[g];
    }
    if (allocated < count) {
        *error = QStringLiteral("Met deze woordenlijsten zijn hoogstens %1 beroepen te maken.")
                     .arg(possible);
        return std::nullopt;
    }

    QSet<QString> names;
    for (const QList<Candidate>& list : std::as_const(specials)) {
        for (const Candidate& candidate : list) {
            names.insert(candidate.name());
        }
    }
    // A name taken by an earlier group leaves a group short; the next groups
    // make up for it.
    std::int64_t carry = 0;
    for (int g = 0; g < groupCount; ++g) {
        const Group& group = result.groups[g];
        Random random = Random::stream(seed, "beroepen", group.code.toULongLong());
        const std::int64_t target =
            std::min<std::int64_t>(99, quota[g] + carry + specials[g].size());
        std::vector<Candidate> pool(candidates[g].begin(), candidates[g].end());
        random.shuffle(pool);
        std::vector<Candidate> chosen(specials[g].begin(), specials[g].end());
        for (const Candidate& candidate : pool) {
            if (std::int64_t(chosen.size()) >= target) {
                break;
            }
            if (!names.contains(candidate.name())) {
                names.insert(candidate.name());
                chosen.push_back(candidate);
            }
        }
        carry = quota[g] + carry + specials[g].size() - std::int64_t(chosen.size());
        random.shuffle(chosen);

        // Numbers within the group ascend with an occasional gap, as in a
        // classification that has been revised over the years.
        int slack = 99 - int(chosen.size());
        int number = 0;
        for (const Candidate& candidate : chosen) {
            number += 1;
            if (slack > 0 && random.chance(15)) {
                ++number;
                --slack;
            }
            Occupation occupation;
            occupation.code =
                group.code + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
            occupation.name = candidate.name();
            occupation.group = g;
            occupation.level = group.level;
            occupation.roleForms = candidate.roleForms;
            occupation.specialisation = candidate.specialisation;
            occupation.special = candidate.special;
            drawCharacteristics(lists, group, seed, &occupation);
            result.occupations.append(occupation);
        }
    }
    if (result.occupations.size() < count) {
        // Names shared between groups left some groups short.
        *error =
            QStringLiteral("Met deze woordenlijsten zijn niet %1 verschillende beroepsnamen te "
                           "maken.")
                .arg(count);
        return std::nullopt;
    }
    return result;
}

} // namespace demodata
