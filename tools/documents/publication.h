#pragma once

#include <QString>

namespace docs {

class DemoDb;

// The publication text: the template with its {{...}} parts filled from the
// database (counts, levels, classes, skill levels, directions, work types,
// skills and an example occupation). Empty with an error when a part is
// unknown or the database cannot be read.
QString publicationMarkdown(const QString& templateText, const DemoDb& db, QString* error);

// The classification scheme: every occupation under its level, class and group.
QString schemeMarkdown(const DemoDb& db, QString* error);

} // namespace docs
