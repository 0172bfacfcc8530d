#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

namespace docs {

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* error) {
    QStringEncoder encode("windows-1252");
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    if (encode.hasError()) {
        *error = QStringLiteral("%1: tekst buiten windows-1252").arg(path);
        return false;
    }
    return writeBytes(path, bytes, error);
}

} // namespace docs
