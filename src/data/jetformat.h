#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// Facts about the Jet file format that the import needs and that can be
// checked without a Jet reader: the file header, the row table of a data
// page, long-value references and the encoding of some column types.

namespace rvl92::jet {

// Column type codes as a Jet table definition stores them.
namespace type {
constexpr int Boolean = 0x01;
constexpr int Byte = 0x02;
constexpr int Integer = 0x03;
constexpr int Long = 0x04;
constexpr int Currency = 0x05;
constexpr int Single = 0x06;
constexpr int Double = 0x07;
constexpr int DateTime = 0x08;
constexpr int Binary = 0x09;
constexpr int Text = 0x0a;
constexpr int OleObject = 0x0b;
constexpr int Memo = 0x0c;
constexpr int ReplicationId = 0x0f;
constexpr int Decimal = 0x10;
constexpr int Complex = 0x12;
} // namespace type

// The declared SQLite type of a column that holds a Jet column of `jetType`.
// The declared type decides the column's affinity, so codes stored as text
// ("01234") stay text and are never turned into numbers.
const char* sqliteDeclaredType(int jetType);

// Page size of the Jet file whose header starts `head`; 0 when the header
// names a version this program does not know.
int pageSize(const QByteArray& head);

// Jet keeps a date/time as days since 1899-12-30 with the time of day as the
// fraction; before that day the whole part counts backwards while the
// fraction still counts forwards (-1.25 is 1899-12-29 06:00). Returns
// "yyyy-MM-dd hh:mm:ss", rounded to the second, or nothing when the number
// is no date between the years 100 and 9999.
std::optional<QString> dateTimeText(double days);

// A Single as the double its shortest decimal form denotes, so that 0.1 reads
// back as 0.1 rather than 0.100000001490116.
double singleToDouble(float value);

// One slot of a data page's row table.
struct RowSlot {
    int offset = 0; // first byte of the row within the page
    int length = 0;
    bool deleted = false;
    bool overflowPointer = false; // the row holds only the address of the real row
    bool overflowTarget = false;  // the real row of an overflow pointer elsewhere
};

// Slot `row` of the data page `page` (`pageSize` bytes); nothing when the row
// table is damaged or has no such row.
std::optional<RowSlot> rowSlot(const unsigned char* page, int pageSize, int row);

// Number of rows in the row table of a data page (0 when it cannot be).
int rowCount(const unsigned char* page, int pageSize);

// Address of a row elsewhere in the file, as overflow pointers and long
// values store it: the row number in the low byte, the page above it.
struct RowAddress {
    std::uint32_t page = 0;
    int row = 0;
};
RowAddress rowAddress(std::uint32_t stored);

// The 12-byte reference a memo or OLE field holds in its row.
struct LongValueRef {
    enum class Kind { Inline, SinglePage, PageChain, Invalid };
    Kind kind = Kind::Invalid;
    std::uint32_t length = 0; // total bytes of the value
    RowAddress first;         // where the value (or its first piece) lives
};
LongValueRef longValueRef(const unsigned char* field, int fieldSize);

} // namespace rvl92::jet
