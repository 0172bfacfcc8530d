#include "jobtitles.h"

#include "allocate.h"
#include "random.h"
#include "text.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <unordered_set>

namespace demodata {

namespace {

std::uint64_t hashOf(const QByteArray& text) {
    std::uint64_t h = 0xcbf29ce484222325ULL; // FNV-1a
    for (char c : text) {
        h = (h ^ std::uint8_t(c)) * 0x100000001b3ULL;
    }
    return h;
}

// Every title one occupation can have, numbered as a mixed-radix number of
// (qualifier, role form, first addition, second addition); index 0, with no
// qualifier, the first form and no additions, is the occupation's own name.
class TitleSpace {
public:
    TitleSpace(const WordLists& lists, const Occupation& occupation)
        : m_forms(occupation.roleForms), m_specialisation(occupation.specialisation) {
        const int level = lists.levels[occupation.level].code;
        m_qualifiers.append(QString());
        for (const Affix& affix : lists.qualifiers) {
            if (hasLevel(affix.levels, level)) {
                m_qualifiers.append(affix.text);
                m_qualifierWords.insert(affix.text.chopped(affix.text.endsWith('-') ? 1 : 0));
            }
        }
        for (int slot = 0; slot < 2; ++slot) {
            m_additions[slot].append(QString());
            for (const Affix& affix : lists.additions[slot]) {
                if (hasLevel(affix.levels, level)) {
                    m_additions[slot].append(affix.text);
                }
            }
        }
    }

    std::int64_t size() const {
        return std::int64_t(m_qualifiers.size()) * m_forms.size() * m_additions[0].size() *
               m_additions[1].size();
    }

    // The title with this number, or an empty string for a combination that
    // does not read well (a qualifier on a role that already has one).
    QString title(std::int64_t index) const {
        const QString& qualifier = m_qualifiers[index % m_qualifiers.size()];
        index /= m_qualifiers.size();
        const QString& form = m_forms[index % m_forms.size()];
        index /= m_forms.size();
        const QString& first = m_additions[0][index % m_additions[0].size()];
        index /= m_additions[0].size();
        const QString& second = m_additions[1][index % m_additions[1].size()];

        QString text;
        if (qualifier.isEmpty()) {
            text = form;
        } else if (m_qualifierWords.contains(form.section(' ', 0, 0).section('-', 0, 0))) {
            return QString(); // "eerste monteur", "assistent-monteur"
        } else if (qualifier.endsWith('-')) {
            if (form.contains(' ')) {
                return QString();
            }
            text = qualifier + form;
        } else {
            text = qualifier + ' ' + form;
        }
        for (const QString* part : {&m_specialisation, &first, &second}) {
            if (!part->isEmpty()) {
                text += ' ' + *part;
            }
        }
        return capitalised(text);
    }

    // A random number, weighted so that plain titles are the most common.
    std::int64_t draw(Random& random) const {
        auto pick = [&random](qsizetype size, int plainPercent) -> std::int64_t {
            if (size <= 1 || random.chance(plainPercent)) {
                return 0;
            }
            return 1 + random.below(std::uint32_t(size - 1));
        };
        const std::int64_t qualifier = pick(m_qualifiers.size(), 45);
        const std::int64_t form =
            random.chance(55) ? 0 : random.below(std::uint32_t(m_forms.size()));
        const std::int64_t first = pick(m_additions[0].size(), 92);
        const std::int64_t second = pick(m_additions[1].size(), 85);
        return qualifier + m_qualifiers.size() *
                               (form + m_forms.size() * (first + m_additions[0].size() * second));
    }

private:
    QStringList m_forms;
    QString m_specialisation;
    QStringList m_qualifiers;
    QSet<QString> m_qualifierWords;
    std::array<QStringList, 2> m_additions;
};

// Hands out the titles of one occupation, each at most once and never one that
// another occupation already has. Random draws first; once they keep hitting
// titles already given, it walks the remaining numbers in order.
class TitleSource {
public:
    TitleSource(const WordLists& lists, const Occupation& occupation, std::uint64_t seed)
        : m_space(lists, occupation), m_used(std::size_t(m_space.size()), false),
          m_random(Random::stream(seed, "functienamen", occupation.code.toULongLong())) {}

    std::optional<QString> next(std::unordered_set<std::uint64_t>* taken) {
        const std::int64_t size = m_space.size();
        while (true) {
            std::int64_t index = 0;
            if (m_first) {
                m_first = false;
            } else if (m_misses < 48) {
                index = m_space.draw(m_random);
            } else if (m_scanned < size) {
                if (m_scanStart < 0) {
                    m_scanStart = m_random.below(std::uint32_t(size));
                }
                index = (m_scanStart + m_scanned++) % size;
            } else {
                return std::nullopt;
            }
            if (m_used[std::size_t(index)]) {
                ++m_misses;
                continue;
            }
            m_used[std::size_t(index)] = true;
            const QString text = m_space.title(index);
            if (text.isEmpty() || !taken->insert(hashOf(text.toUtf8())).second) {
                ++m_misses;
                continue;
            }
            if (m_scanStart < 0) {
                m_misses = 0;
            }
            return text;
        }
    }

private:
    TitleSpace m_space;
    std::vector<bool> m_used;
    Random m_random;
    bool m_first = true;
    int m_misses = 0;
    std::int64_t m_scanStart = -1;
    std::int64_t m_scanned = 0;
};

// Occupations that get no job title: a few, never the first or the last (the
// lists must show titles at both ends) and never one of the long names.
std::vector<bool> chooseUntitled(const Classification& classification, std::uint64_t seed) {
    const int n = int(classification.occupations.size());
    std::vector<bool> untitled(std::size_t(n), false);
    const int wanted = n >= 20 ? std::max(3, n / 200) : (n >= 5 ? 1 : 0);
    std::vector<int> eligible;
    for (int i = 1; i < n - 1; ++i) {
        if (!classification.occupations[i].special) {
            eligible.push_back(i);
        }
    }
    Random random = Random::stream(seed, "zonder-functienamen");
    random.shuffle(eligible);
    for (int k = 0; k < wanted && k < int(eligible.size()); ++k) {
        untitled[std::size_t(eligible[std::size_t(k)])] = true;
    }
    return untitled;
}

// Each special title goes to an occupation of its field, preferably on one of
// its levels, else to any occupation with titles.
std::vector<std::vector<QString>> placeSpecialTitles(const WordLists& lists,
                                                     const Classification& classification,
                                                     const std::vector<int>& titled,
                                                     std::int64_t count, std::uint64_t seed) {
    std::vector<std::vector<QString>> result(classification.occupations.size());
    Random random = Random::stream(seed, "bijzondere-functienamen");
    for (qsizetype k = 0; k < lists.specialTitles.size() && k < count; ++k) {
        const SpecialTitle& special = lists.specialTitles[k];
        std::vector<int> onLevel;
        std::vector<int> inField;
        for (int i : titled) {
            const Occupation& occupation = classification.occupations[i];
            if (classification.groups[occupation.group].field == special.field) {
                inField.push_back(i);
                if (hasLevel(special.levels, lists.levels[occupation.level].code)) {
                    onLevel.push_back(i);
                }
            }
        }
        const std::vector<int>& from =
            !onLevel.empty() ? onLevel : (!inField.empty() ? inField : titled);
        result[std::size_t(from[random.below(std::uint32_t(from.size()))])].push_back(special.text);
    }
    return result;
}

} // namespace

std::optional<JobTitles> generateJobTitles(const WordLists& lists,
                                           const Classification& classification, std::int64_t count,
                                           std::uint64_t seed, QString* error) {
    const int n = int(classification.occupations.size());
    const std::vector<bool> untitled = chooseUntitled(classification, seed);
    std::vector<int> titled;
    for (int i = 0; i < n; ++i) {
        if (!untitled[std::size_t(i)]) {
            titled.push_back(i);
        }
    }
    const std::vector<std::vector<QString>> specials =
        placeSpecialTitles(lists, classification, titled, count, seed);
    std::int64_t specialCount = 0;
    for (const auto& list : specials) {
        specialCount += std::int64_t(list.size());
    }

    // Most occupations get a handful of titles, some only one, some fifteen;
    // larger counts scale all of them alike.
    const std::int64_t ordinary = count - specialCount;
    std::vector<std::int64_t> quota(std::size_t(n), 0);
    Random random = Random::stream(seed, "aantallen");
    std::vector<std::int64_t> weights;
    for (std::size_t k = 0; k < titled.size(); ++k) {
        weights.push_back(random.between(1, 15));
    }
    if (ordinary >= std::int64_t(titled.size())) {
        const std::vector<std::int64_t> extra = allocate(
            ordinary - std::int64_t(titled.size()), weights,
            std::vector<std::int64_t>(titled.size(), std::numeric_limits<std::int64_t>::max()));
        for (std::size_t k = 0; k < titled.size(); ++k) {
            quota[std::size_t(titled[k])] = 1 + extra[k];
        }
    } else {
        // Too few for all: the two ends first, then a random choice.
        std::vector<int> order;
        if (titled.size() > 2) {
            order.assign(titled.begin() + 1, titled.end() - 1);
            random.shuffle(order);
        }
        order.insert(order.begin(), titled.front());
        if (titled.size() > 1) {
            order.insert(order.begin() + 1, titled.back());
        }
        for (std::int64_t k = 0; k < ordinary; ++k) {
            quota[std::size_t(order[std::size_t(k)])] = 1;
        }
    }

    JobTitles result;
    std::vector<JobTitle>& titles = result.titles;
    titles.reserve(std::size_t(count));
    std::unordered_set<std::uint64_t> taken;
    taken.reserve(std::size_t(count) * 2);
    for (const auto& list : specials) {
        for (const QString& text : list) {
            if (!taken.insert(hashOf(text.toUtf8())).second) {
                *error = QStringLiteral("De bijzondere functienaam \"%1\" komt twee keer voor.")
                             .arg(text);
                return std::nullopt;
            }
        }
    }
    auto add = [&titles](const QString& text, int occupation) {
        titles.push_back(
            {sortKey(text), text.toUtf8(), occupation, std::int64_t(titles.size()) + 1});
    };
    std::vector<std::unique_ptr<TitleSource>> sources;
    sources.resize(std::size_t(n));
    std::int64_t shortfall = 0;
    for (int i = 0; i < n; ++i) {
        for (const QString& text : specials[std::size_t(i)]) {
            add(text, i);
        }
        if (quota[std::size_t(i)] > 0) {
            sources[std::size_t(i)] =
                std::make_unique<TitleSource>(lists, classification.occupations[i], seed);
        }
        for (std::int64_t k = 0; k < quota[std::size_t(i)]; ++k) {
            const std::optional<QString> text = sources[std::size_t(i)]->next(&taken);
            if (!text) {
                shortfall += quota[std::size_t(i)] - k;
                break;
            }
            add(*text, i);
        }
    }
    // Occupations that ran out of combinations leave the rest to the others.
    for (bool progress = true; shortfall > 0 && progress;) {
        progress = false;
        for (int i : titled) {
            if (shortfall == 0) {
                break;
            }
            if (!sources[std::size_t(i)]) {
                sources[std::size_t(i)] =
                    std::make_unique<TitleSource>(lists, classification.occupations[i], seed);
            }
            if (const std::optional<QString> text = sources[std::size_t(i)]->next(&taken)) {
                add(*text, i);
                --shortfall;
                progress = true;
            }
        }
    }
    if (shortfall > 0) {
        *error = QStringLiteral("Met deze woordenlijsten zijn hoogstens %1 verschillende "
                                "functienamen te maken.")
                     .arg(titles.size());
        return std::nullopt;
    }

    std::vector<bool> hasTitle(std::size_t(n), false);
    for (const JobTitle& title : titles) {
        hasTitle[std::size_t(title.occupation)] = true;
    }
    result.occupationsWithout = int(std::count(hasTitle.begin(), hasTitle.end(), false));

    std::sort(titles.begin(), titles.end(), [](const JobTitle& a, const JobTitle& b) {
        if (a.key != b.key) {
            return a.key < b.key;
        }
        if (a.text != b.text) {
            return a.text < b.text;
        }
        return a.id < b.id;
    });
    return result;
}

} // namespace demodata
