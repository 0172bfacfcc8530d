#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;

namespace rvl92::coding {

// How the bytes of a text file were read.
enum class TextEncoding { Utf8, Utf8Bom, Windows1252, Utf16LE, Utf16BE };

// "UTF-8", "UTF-8 met BOM", "windows-1252", "UTF-16 (little-endian)", ...
QString encodingText(TextEncoding encoding);

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Reads a text file's bytes: a byte-order mark decides; otherwise valid UTF-8
// is UTF-8 and anything else windows-1252, the usual single-byte text of
// spreadsheets. Bytes that no text file holds (NUL) are an error with a
// Dutch message, as is an empty file.
std::optional<DecodedText> decodeText(const QByteArray& bytes, QString* error);

// The separator a file uses: ";", "," or tab, whichever splits its first lines
// into the same number of fields most often (outside quotes). A null QChar
// when none does: one field per line.
QChar detectSeparator(const QString& text);

// "puntkomma", "komma", "tab" or "geen" (one column).
QString separatorText(QChar separator);

// The records of a CSV text. Quoted fields may hold the separator, doubled
// quotes and line breaks; lines end with CR LF, LF or CR. An empty line is a
// record without fields. A quote left open runs to the end of the text.
std::vector<QStringList> parseCsv(const QString& text, QChar separator);

// The bytes a file written with this encoding has, for one record.
enum class OutputEncoding { Windows1252, Utf8, Utf8Bom };

// Writes records the way the exports of the program do (CR LF after every
// line), quoting a field only when it holds the separator, a quote or a line
// break. The first failing write stops all further writing and is
// remembered; the caller asks ok() once at the end.
class CsvWriter {
public:
    CsvWriter(QIODevice* device, QChar separator, OutputEncoding encoding);

    bool writeRecord(const QStringList& fields);
    bool ok() const { return m_ok; }
    // Characters that windows-1252 lacks and were written as "?".
    qsizetype replacedCharacters() const { return m_replaced; }

    static QString quoted(const QString& field, QChar separator);

private:
    QIODevice* m_device;
    QChar m_separator;
    OutputEncoding m_encoding;
    bool m_ok = true;
    bool m_started = false;
    qsizetype m_replaced = 0;
};

} // namespace rvl92::coding
