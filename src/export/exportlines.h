#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

namespace rvl92::exports {

// The two file layouts an export can write.
enum class ExportType { Text, Csv };

// The layout for a chosen path: "txt" and "csv" extensions are recognised
// without regard to case; any other name gets the layout of the filter that
// was chosen in the save dialog, so the user never ends up with an empty file.
ExportType exportTypeFor(const QString& path, ExportType chosenFilter);
// Only the recognised extensions; nullopt for any other name.
std::optional<ExportType> exportTypeFromSuffix(const QString& path);

// Single-byte text as other programs on the user's machine expect it
// (windows-1252). A character that code page cannot hold becomes "?" rather
// than the converter's control character 0x1A, which some readers take for
// the end of the file.
QByteArray toWindows1252(const QString& text);

// Writes an export file line by line: every line, the last one included, is
// ended by CR LF. The first failing write stops all further writing and is
// remembered, so a layout can simply write on and the caller asks ok() once.
class ExportLines {
public:
    explicit ExportLines(QIODevice* device) : m_device(device) {}

    bool write(const QString& line);
    bool ok() const { return m_ok; }
    int linesWritten() const { return m_lines; }

private:
    QIODevice* m_device;
    bool m_ok = true;
    int m_lines = 0;
};

} // namespace rvl92::exports
