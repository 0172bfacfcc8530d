#include "data/jetformat.h"
#include "data/jetimport.h"

#include <QDate>

#include <charconv>
#include <cmath>
#include <cstring>

namespace rvl92 {

bool looksLikeJetFile(const QByteArray& head) {
    static constexpr char jet[] = "Standard Jet DB";
    static constexpr char ace[] = "Standard ACE DB";
    constexpr int offset = 4;
    constexpr int length = sizeof(jet) - 1;
    if (head.size() < offset + length)
        return false;
    const char* signature = head.constData() + offset;
    return std::memcmp(signature, jet, length) == 0 || std::memcmp(signature, ace, length) == 0;
}

namespace jet {

namespace {

int readUInt16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}

std::uint32_t readUInt32(const unsigned char* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

// Where the row count sits in a data page; the row table follows it.
int rowCountOffset(int pageSize) {
    return pageSize == 2048 ? 0x08 : 0x0c;
}

constexpr int offsetMask = 0x1fff;
constexpr int deletedFlag = 0x8000;
constexpr int pointerFlag = 0x4000;

} // namespace

const char* sqliteDeclaredType(int jetType) {
    switch (jetType) {
    case type::Boolean:
    case type::Byte:
    case type::Integer:
    case type::Long:
    case type::Complex:
        return "INTEGER";
    case type::Single:
    case type::Double:
        return "REAL";
    case type::Binary:
    case type::OleObject:
        return "BLOB";
    default:
        // Text, memo, date/time, currency, decimal, replication ID: all
        // delivered as text and kept exactly as delivered.
        return "TEXT";
    }
}

int pageSize(const QByteArray& head) {
    constexpr int versionOffset = 0x14;
    if (head.size() <= versionOffset)
        return 0;
    const int version = static_cast<unsigned char>(head.at(versionOffset));
    if (version == 0)
        return 2048; // Jet 3
    if (version <= 6)
        return 4096; // Jet 4 and the ACE versions after it
    return 0;
}

std::optional<QString> dateTimeText(double days) {
    // 0001-01-01 .. 9999-12-31 would be wider than Jet allows; Jet itself
    // stops at the year 100.
    constexpr double firstDay = -657434.0; // 100-01-01
    constexpr double lastDay = 2958465.0;  // 9999-12-31
    if (!std::isfinite(days) || days < firstDay || days >= lastDay + 1.0)
        return std::nullopt;

    double whole = std::trunc(days);
    qint64 seconds = std::llround(std::fabs(days - whole) * 86400.0);
    if (seconds >= 86400) {
        // Rounded up to midnight: the next calendar day, for negative day
        // numbers too since their fraction also counts forwards.
        seconds -= 86400;
        whole += 1.0;
    }
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole));
    if (!date.isValid() || date.year() < 100 || date.year() > 9999)
        return std::nullopt;
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

double singleToDouble(float value) {
    if (!std::isfinite(value))
        return value;
    char text[32];
    const auto written = std::to_chars(text, text + sizeof(text), value);
    double result = value;
    std::from_chars(text, written.ptr, result);
    return result;
}

int rowCount(const unsigned char* page, int pageSize) {
    const int rco = rowCountOffset(pageSize);
    const int count = readUInt16(page + rco);
    // Every row needs a two-byte slot in the row table.
    if (rco + 2 + 2 * count > pageSize)
        return 0;
    return count;
}

std::optional<RowSlot> rowSlot(const unsigned char* page, int pageSize, int row) {
    if (row < 0 || row >= rowCount(page, pageSize))
        return std::nullopt;
    const int rco = rowCountOffset(pageSize);
    const int start = readUInt16(page + rco + 2 + 2 * row);
    // Rows fill the page from its end: a row ends where the previous one starts.
    const int end = row == 0 ? pageSize : (readUInt16(page + rco + 2 * row) & offsetMask);
    RowSlot slot;
    slot.offset = start & offsetMask;
    const bool deleted = start & deletedFlag;
    const bool pointer = start & pointerFlag;
    // Both flags: a deleted row. Only the pointer flag: an overflow pointer.
    // Only the other flag: the real row that an overflow pointer leads to,
    // read through that pointer so that it keeps its place in the table.
    slot.deleted = deleted && pointer;
    slot.overflowPointer = pointer && !deleted;
    slot.overflowTarget = deleted && !pointer;
    if (slot.deleted)
        return slot; // where a deleted row lay no longer matters
    const int tableEnd = rco + 2 + 2 * rowCount(page, pageSize);
    if (end > pageSize || slot.offset > end || slot.offset < tableEnd)
        return std::nullopt;
    slot.length = end - slot.offset;
    return slot;
}

RowAddress rowAddress(std::uint32_t stored) {
    return RowAddress{stored >> 8, int(stored & 0xff)};
}

LongValueRef longValueRef(const unsigned char* field, int fieldSize) {
    constexpr int refSize = 12;
    LongValueRef ref;
    if (fieldSize < refSize)
        return ref;
    const std::uint32_t head = readUInt32(field);
    ref.length = head & 0x3fffffff;
    ref.first = rowAddress(readUInt32(field + 4));
    switch (head >> 30) {
    case 2:
        ref.kind = LongValueRef::Kind::Inline;
        // The value follows the reference inside the row.
        if (ref.length != std::uint32_t(fieldSize - refSize))
            ref.kind = LongValueRef::Kind::Invalid;
        break;
    case 1:
        ref.kind = LongValueRef::Kind::SinglePage;
        break;
    case 0:
        ref.kind = LongValueRef::Kind::PageChain;
        break;
    default:
        break;
    }
    return ref;
}

} // namespace jet
} // namespace rvl92
