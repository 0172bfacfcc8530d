#pragma once

#include <QString>
#include <QStringList>

namespace rvl92::search {

// The most work types and skills one occupation holds, and so the most that
// can be chosen.
constexpr int MaxWorkTypes = 3;
constexpr int MaxSkills = 7;

// The condition of the search on characteristics, built from the chosen codes
// as they stand in the four lists of the screen (work types and skills in
// ascending order). The k-th chosen work type or skill (from 0) is compared
// with code columns k+1 up to the last only. Empty when nothing is chosen.
QString VullenZoekstring(const QStringList& level, const QStringList& direction,
                         const QStringList& workTypes, const QStringList& skills);

// The search query for a condition built by VullenZoekstring.
QString characteristicsQuery(const QString& condition);

// The queries that fill the four drop-down lists.
QString levelQuery();
QString directionQuery();
QString skillsQuery();
QString workTypesQuery();

} // namespace rvl92::search
