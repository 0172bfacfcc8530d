#pragma once

#include <QString>

namespace rvl92 {

// The record counter of the list screens: " Record  n van m ".
QString recordCounterText(int position, int count);

// How a failed open or query is reported: prefix + number + " " + description
// (prefix "Load! " or "Activate! ").
QString errorText(const QString& prefix, int number, const QString& description);

} // namespace rvl92
