#pragma once

#include <QString>
#include <QStringList>

namespace rvl92 {

// The notices that tell where documentation files are installed. The folder is
// shown with the platform's own separators.
struct Notice {
    QString caption;
    QString text;
    bool leftAligned = false; // the code-list notice; the others are centred
};

namespace notice {
QStringList codeLists(); // the twelve code lists, in order
Notice classificationScheme(const QString& programDir);
Notice codeLists(const QString& programDir);
Notice lk84ToOccupation(const QString& programDir);
Notice lk84ToOccupationGroup(const QString& programDir);
Notice isco(const QString& programDir);
Notice socialStratification(const QString& programDir);
} // namespace notice

// programDir followed by a path written with "/" (may end in "/"), for showing.
QString shownPath(const QString& programDir, const QString& relative = QString());

} // namespace rvl92
