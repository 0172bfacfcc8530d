#include "export/exportlines.h"

#include <QFileInfo>
#include <QIODevice>
#include <QStringEncoder>

namespace rvl92::exports {

std::optional<ExportType> exportTypeFromSuffix(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0)
        return ExportType::Text;
    if (suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return ExportType::Csv;
    return std::nullopt;
}

ExportType exportTypeFor(const QString& path, ExportType chosenFilter) {
    return exportTypeFromSuffix(path).value_or(chosenFilter);
}

QByteArray toWindows1252(const QString& text) {
    QStringEncoder whole("windows-1252", QStringConverter::Flag::Stateless);
    QByteArray out = whole.encode(text);
    if (!whole.hasError())
        return out;
    // Rare: encode code point by code point so that only the characters the
    // code page lacks are replaced.
    out.clear();
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n =
            (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ? 2
                : 1;
        QStringEncoder one("windows-1252", QStringConverter::Flag::Stateless);
        const QByteArray bytes = one.encode(QStringView(text).mid(i, n));
        if (one.hasError() || bytes.size() != 1)
            out += '?';
        else
            out += bytes;
        i += n;
    }
    return out;
}

bool ExportLines::write(const QString& line) {
    if (!m_ok)
        return false;
    QByteArray bytes = toWindows1252(line);
    bytes += "\r\n";
    if (!m_device || m_device->write(bytes) != bytes.size()) {
        m_ok = false;
        return false;
    }
    ++m_lines;
    return true;
}

} // namespace rvl92::exports
