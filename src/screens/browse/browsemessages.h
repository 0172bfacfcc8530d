#pragma once

#include "documentation/notices.h"

#include <QString>

namespace rvl92 {

// Messages of the browse screens.

// "Springen" without a value: the job-title list and the occupation list word
// it differently.
QString noJumpValueJobTitlesText();
QString noJumpValueOccupationsText();

// An occupation without job titles: the list of its titles has nothing to show.
QString noJobTitlesForOccupationText(const QString& code);

// "Exporteren" on the two overviews: the complete lists are installed as files.
Notice jobTitleListNotice(const QString& programDir);
Notice occupationListNotice(const QString& programDir);

} // namespace rvl92
