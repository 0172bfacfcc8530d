#pragma once

#include "classification.h"
#include "wordlists.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace demodata {

struct JobTitle {
    QByteArray key;     // sortKey() of the text
    QByteArray text;    // UTF-8
    int occupation = 0; // index into Classification::occupations
    std::int64_t id = 0;
};

struct JobTitles {
    std::vector<JobTitle> titles; // in table order: by key, then text
    int occupationsWithout = 0;   // occupations that got no job title
};

// Makes count distinct job titles for the occupations and sorts them. A few
// occupations get none; the first and the last occupation always get some.
std::optional<JobTitles> generateJobTitles(const WordLists& lists,
                                           const Classification& classification, std::int64_t count,
                                           std::uint64_t seed, QString* error);

} // namespace demodata
