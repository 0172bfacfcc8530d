#pragma once

#include <QString>
#include <QStringList>

namespace docs {

// Writes lines as single-byte windows-1252 text, each ended by CR LF, the way
// the program's own export files are written. Replaces an existing file only
// once the new one is complete.
bool writeTextLines(const QString& path, const QStringList& lines, QString* error);

// Writes bytes to a file, replacing it once complete.
bool writeBytes(const QString& path, const QByteArray& bytes, QString* error);

} // namespace docs
