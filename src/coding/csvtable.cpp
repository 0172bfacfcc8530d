#include "coding/csvtable.h"

#include "export/exportlines.h"

#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <map>

namespace rvl92::coding {

QString encodingText(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8Bom:
        return QStringLiteral("UTF-8 met BOM");
    case TextEncoding::Windows1252:
        return QStringLiteral("windows-1252");
    case TextEncoding::Utf16LE:
        return QStringLiteral("UTF-16 (little-endian)");
    case TextEncoding::Utf16BE:
        return QStringLiteral("UTF-16 (big-endian)");
    }
    return {};
}

std::optional<DecodedText> decodeText(const QByteArray& bytes, QString* error) {
    if (bytes.isEmpty()) {
        *error = QStringLiteral("Het bestand is leeg: er is niets te coderen.");
        return std::nullopt;
    }
    DecodedText out;
    QByteArrayView body(bytes);
    std::optional<QStringConverter::Encoding> utf16;
    if (body.startsWith("\xEF\xBB\xBF")) {
        out.encoding = TextEncoding::Utf8Bom;
        body = body.sliced(3);
    } else if (body.startsWith("\xFF\xFE")) {
        out.encoding = TextEncoding::Utf16LE;
        utf16 = QStringConverter::Utf16LE;
        body = body.sliced(2);
    } else if (body.startsWith("\xFE\xFF")) {
        out.encoding = TextEncoding::Utf16BE;
        utf16 = QStringConverter::Utf16BE;
        body = body.sliced(2);
    }
    if (utf16) {
        QStringDecoder decode(*utf16, QStringConverter::Flag::Stateless);
        out.text = decode(body);
        // An odd byte count or a lone surrogate is not UTF-16 either, and
        // could not be written back as the text that was read.
        if (decode.hasError() || body.size() % 2 != 0 || !out.text.isValidUtf16() ||
            out.text.contains(QChar(0))) {
            *error = QStringLiteral("Het bestand is geen leesbare tekst: het begint als UTF-16, "
                                    "maar de rest is dat niet.");
            return std::nullopt;
        }
        return out;
    }
    if (body.contains('\0')) {
        *error = QStringLiteral("Het bestand is geen tekst- of CSV-bestand: het bevat binaire "
                                "gegevens.");
        return std::nullopt;
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    out.text = utf8(body);
    if (utf8.hasError()) {
        if (out.encoding == TextEncoding::Utf8Bom) {
            *error = QStringLiteral("Het bestand begint als UTF-8, maar bevat tekens die geen "
                                    "UTF-8 zijn.");
            return std::nullopt;
        }
        QStringDecoder cp1252("windows-1252", QStringConverter::Flag::Stateless);
        out.text = cp1252(body);
        out.encoding = TextEncoding::Windows1252;
    }
    return out;
}

QChar detectSeparator(const QString& text) {
    static constexpr std::array<char16_t, 3> candidates{u';', u'\t', u','};
    // Field counts per line for each candidate, over the first lines.
    std::array<std::vector<int>, 3> counts;
    std::array<int, 3> current{};
    bool quoted = false;
    int lines = 0;
    bool lineHasText = false;
    for (qsizetype i = 0; i <= text.size() && lines < 50; ++i) {
        const bool atEnd = i == text.size();
        const QChar c = atEnd ? QChar(u'\n') : text.at(i);
        if (c == u'"') {
            quoted = !quoted;
        } else if (atEnd || (!quoted && (c == u'\n' || c == u'\r'))) {
            if (lineHasText) {
                for (size_t k = 0; k < candidates.size(); ++k)
                    counts[k].push_back(current[k]);
                ++lines;
            }
            current = {};
            lineHasText = false;
            continue;
        } else if (!quoted) {
            for (size_t k = 0; k < candidates.size(); ++k)
                current[k] += c == QChar(candidates[k]) ? 1 : 0;
        }
        lineHasText = true;
    }
    // The candidate whose most frequent non-zero count covers most lines;
    // ";" before tab before "," on a draw ("," also appears inside titles).
    int bestLines = 0;
    QChar best;
    for (size_t k = 0; k < candidates.size(); ++k) {
        std::map<int, int> frequency;
        for (int n : counts[k])
            if (n > 0)
                ++frequency[n];
        int most = 0;
        for (const auto& [n, f] : frequency)
            most = std::max(most, f);
        if (most > bestLines && most * 2 >= int(counts[k].size())) {
            bestLines = most;
            best = QChar(candidates[k]);
        }
    }
    return best;
}

QString separatorText(QChar separator) {
    switch (separator.unicode()) {
    case u';':
        return QStringLiteral("puntkomma");
    case u',':
        return QStringLiteral("komma");
    case u'\t':
        return QStringLiteral("tab");
    case 0:
        return QStringLiteral("geen (één kolom)");
    }
    return QString(separator);
}

std::vector<QStringList> parseCsv(const QString& text, QChar separator) {
    std::vector<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool fieldStarted = false; // something (even "") belongs to the current record
    const auto endRecord = [&] {
        if (fieldStarted || !field.isEmpty())
            fields << field;
        records.push_back(fields);
        fields.clear();
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
        } else if (!separator.isNull() && c == separator) {
            fields << field;
            field.clear();
            fieldStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            endRecord();
        } else {
            field += c;
        }
    }
    if (fieldStarted || !field.isEmpty() || !fields.isEmpty())
        endRecord();
    return records;
}

CsvWriter::CsvWriter(QIODevice* device, QChar separator, OutputEncoding encoding)
    : m_device(device), m_separator(separator), m_encoding(encoding) {}

QString CsvWriter::quoted(const QString& field, QChar separator) {
    // A field that begins with U+FEFF would, first in a UTF-8 file, be taken
    // for a byte-order mark by the next reader and lost; quoted it survives.
    if (!field.contains(separator) && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r') && !field.startsWith(QChar(0xFEFF)))
        return field;
    QString q = field;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

bool CsvWriter::writeRecord(const QStringList& fields) {
    if (!m_ok)
        return false;
    QStringList parts;
    parts.reserve(fields.size());
    for (const QString& f : fields)
        parts << quoted(f, m_separator);
    const QString line = parts.join(m_separator) + QStringLiteral("\r\n");
    QByteArray bytes;
    if (m_encoding == OutputEncoding::Windows1252) {
        bytes = exports::toWindows1252(line);
        m_replaced += bytes.count('?') - line.count(u'?');
    } else {
        if (!m_started && m_encoding == OutputEncoding::Utf8Bom)
            bytes = "\xEF\xBB\xBF";
        bytes += line.toUtf8();
    }
    m_started = true;
    m_ok = m_device->write(bytes) == bytes.size();
    return m_ok;
}

} // namespace rvl92::coding
