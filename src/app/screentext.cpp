#include "app/screentext.h"

namespace rvl92 {

QString recordCounterText(int position, int count) {
    return QStringLiteral(" Record  %1 van %2 ").arg(position).arg(count);
}

QString errorText(const QString& prefix, int number, const QString& description) {
    return prefix + QString::number(number) + QLatin1Char(' ') + description;
}

} // namespace rvl92
