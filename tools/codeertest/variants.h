#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

namespace codeertest {

// A small deterministic random source (the same seed gives the same set on
// every machine).
class Random {
public:
    explicit Random(uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint64_t next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state;
    }
    int below(int n) { return n <= 0 ? 0 : int(next() % uint64_t(n)); }

private:
    uint64_t m_state;
};

// The kinds of change made to a job title, as people write titles.
inline const QStringList& kinds() {
    static const QStringList k{"tikfout",      "twee tikfouten", "accenten weg",
                               "woord weg",    "woord erbij",    "andere volgorde",
                               "samengevoegd", "gesplitst",      "afkorting"};
    return k;
}

// One typing error in a word: a letter dropped, doubled, swapped with the
// next or replaced by a neighbour on the keyboard.
QString typo(const QString& word, Random& random);

// The title changed in the given way, or nullopt when that change does not
// apply to it (no accents, one word only, nothing to abbreviate, ...).
// `isWord` tells whether a text is a word of some title (for splitting
// compounds at a real word).
std::optional<QString> variant(const QString& title, const QString& kind, Random& random,
                               const std::function<bool(const QString&)>& isWord);

} // namespace codeertest
