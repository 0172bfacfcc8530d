#pragma once

#include <QByteArray>
#include <QString>

namespace demodata {

// Sort key of a job title: the text without accents and case, as UTF-8, to be
// compared byte by byte. It depends on no locale, so every machine orders the
// titles the same way; equal keys are ordered by the exact text.
QByteArray sortKey(const QString& text);

// The text with its first character in upper case ("monteur" -> "Monteur",
// "één" -> "Één"); a leading digit or mark stays as it is.
QString capitalised(const QString& text);

} // namespace demodata
