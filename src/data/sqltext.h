#pragma once

#include <QString>
#include <QStringView>

namespace rvl92 {

// Text for inside a quoted SQL literal: every quote doubled, so that it is
// read as a quote and never ends the literal. The one rule by which any
// typed or stored text goes into a query.
inline QString sqlLiteralText(QStringView text) {
    return text.toString().replace(QLatin1Char('\''), QLatin1String("''"));
}

} // namespace rvl92
