#pragma once

#include "classification.h"
#include "jobtitles.h"
#include "wordlists.h"

#include <QString>

namespace demodata {

// Writes the database to a temporary file beside target and renames it over
// target only when everything succeeded, so a failed run never leaves a half
// database. Returns false with a Dutch message on failure.
bool writeDatabase(const QString& target, const WordLists& lists,
                   const Classification& classification, const JobTitles& titles, QString* error);

} // namespace demodata
