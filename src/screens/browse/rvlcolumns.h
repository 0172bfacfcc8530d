#pragma once

#include "app/listrules.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace rvl92 {

// The 34 columns of table RVL in the order the characteristics screen and its
// export read them.
QStringList rvlColumns();
// What is wrong with the columns of a row of RVL.* (names without regard to
// case; more columns after the last are harmless), or "" when nothing is.
QString rvlColumnProblem(const QStringList& columns);

} // namespace rvl92
