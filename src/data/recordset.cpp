#include "data/recordset.h"

#include "data/database.h"
#include "data/jetlike.h"
#include "data/prefixindex.h"

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <limits>
#include <memory>
#include <new>
#include <thread>

namespace rvl92 {

namespace {

constexpr uint32_t NullBit = 0x80000000u;
constexpr size_t MaxTextBytes = NullBit - 1;

// A criterion prepared once per find: the value folded, or the pattern compiled.
struct Compiled {
    std::u32string folded;
    std::unique_ptr<JetPattern> pattern;
};

// Where each row goes when rows are put in ascending order of their keys:
// stored[i] is the row that comes i-th, rows of equal keys in the order they
// came. Empty when they are in order already.
std::vector<int> keyOrder(const std::vector<int64_t>& keys) {
    if (std::is_sorted(keys.begin(), keys.end()))
        return {};
    // A radix sort on the distance from the least key, 11 bits a pass: row ids
    // of a million rows take two passes over the rows, whatever their order.
    const int64_t lo = *std::min_element(keys.begin(), keys.end());
    const size_t n = keys.size();
    std::vector<uint64_t> k(n);
    uint64_t span = 0;
    for (size_t r = 0; r < n; ++r) {
        k[r] = uint64_t(keys[r]) - uint64_t(lo);
        span = std::max(span, k[r]);
    }
    constexpr int Bits = 11;
    constexpr size_t Buckets = size_t(1) << Bits;
    std::vector<int> order(n), next(n);
    for (size_t r = 0; r < n; ++r)
        order[r] = int(r);
    for (int shift = 0; shift < 64 && (span >> shift) != 0; shift += Bits) {
        std::vector<size_t> start(Buckets + 1, 0);
        for (int r : order)
            ++start[((k[size_t(r)] >> shift) & (Buckets - 1)) + 1];
        for (size_t b = 1; b <= Buckets; ++b)
            start[b] += start[b - 1];
        for (int r : order)
            next[start[(k[size_t(r)] >> shift) & (Buckets - 1)]++] = r;
        order.swap(next);
    }
    return order;
}

bool foldedStartsWith(const std::u32string& text, const std::u32string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

struct Recordset::IndexSlot {
    std::thread builder;
    std::unique_ptr<PrefixIndex> index; // written by the builder before `ready`
    std::atomic<bool> ready{false};
};

Recordset::Recordset(QObject* parent) : QObject(parent) {}

Recordset::~Recordset() {
    dropIndexes();
}

void Recordset::dropIndexes() {
    for (auto& slot : m_indexes)
        if (slot && slot->builder.joinable())
            slot->builder.join();
    m_indexes.clear();
}

void Recordset::waitForIndexes() {
    for (auto& slot : m_indexes)
        if (slot && slot->builder.joinable())
            slot->builder.join();
}

// The index of a column when it is ready; otherwise starts building it (once)
// and gives nothing, so that the caller scans.
const PrefixIndex* Recordset::readyIndex(int column) {
    if (m_indexes.size() < size_t(fieldCount()))
        m_indexes.resize(size_t(fieldCount()));
    auto& slot = m_indexes[size_t(column)];
    if (slot)
        return slot->ready.load(std::memory_order_acquire) ? slot->index.get() : nullptr;
    slot = std::make_unique<IndexSlot>();
    IndexSlot* s = slot.get();
    const int rows = m_rows;
    auto cell = [this, column](int row, bool* isNull) {
        *isNull = isNullAt(row, column);
        return rawAt(row, column);
    };
    try {
        s->builder = std::thread([s, rows, cell] {
            try {
                s->index = std::make_unique<PrefixIndex>(rows, cell);
                s->ready.store(true, std::memory_order_release);
            } catch (...) {
                // Out of memory: this column is scanned, as it always could be.
            }
        });
    } catch (...) {
        // No thread to be had: scanning stays right, only slower.
    }
    return nullptr;
}

bool Recordset::open(const QString& sql, const Database& cnn, DbError* error, Order order) {
    if (error)
        *error = DbError{};
    if (m_open)
        close();
    m_sql = sql;
    sqlite3* db = cnn.handle();
    if (!db) {
        if (error)
            *error = {dberr::NotOpen, QStringLiteral("Er is geen verbinding met de database.")};
        return false;
    }

    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, nullptr);
    auto fail = [&](int code) {
        if (error) {
            error->number = code == SQLITE_ERROR ? dberr::QueryFailed : code;
            error->description = QString::fromUtf8(sqlite3_errmsg(db));
        }
        sqlite3_finalize(stmt);
        return false;
    };
    if (rc != SQLITE_OK)
        return fail(rc);
    if (!stmt) { // an empty statement yields no result at all
        if (error)
            *error = {dberr::QueryFailed, QStringLiteral("De opdracht bevat geen query.")};
        return false;
    }

    const bool keyed = order == Order::ByKeyColumn;
    if (keyed && sqlite3_column_count(stmt) < 1) {
        sqlite3_finalize(stmt);
        if (error)
            *error = {dberr::QueryFailed, QStringLiteral("De query geeft geen volgorde.")};
        return false;
    }
    QStringList fields;
    const int cols = sqlite3_column_count(stmt) - (keyed ? 1 : 0);
    for (int c = 0; c < cols; ++c)
        fields << QString::fromUtf8(sqlite3_column_name(stmt, c));

    GrowBuffer<char> text;
    GrowBuffer<uint32_t> offsets;
    std::vector<int64_t> keys;
    int rows = 0;
    auto stop = [&](const QString& why) {
        sqlite3_finalize(stmt);
        if (error)
            *error = {dberr::QueryFailed, why};
        return false;
    };
    const QString noMemory = QStringLiteral("Er is onvoldoende geheugen voor het resultaat.");
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int c = 0; c < cols; ++c) {
            const auto* v = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            if (!v) {
                // No text: NULL, an empty BLOB, or SQLite out of memory.
                if (sqlite3_column_type(stmt, c) == SQLITE_NULL) {
                    if (!offsets.push_back(uint32_t(text.size()) | NullBit))
                        return stop(noMemory);
                    continue;
                }
                if (sqlite3_errcode(db) == SQLITE_NOMEM)
                    return stop(noMemory);
            }
            const int n = v ? sqlite3_column_bytes(stmt, c) : 0;
            if (text.size() + size_t(n) > MaxTextBytes)
                return stop(QStringLiteral("Het resultaat van de query is te groot."));
            if (!offsets.push_back(uint32_t(text.size())) || !text.append(v, size_t(n)))
                return stop(noMemory);
        }
        if (keyed) {
            try {
                keys.push_back(sqlite3_column_int64(stmt, cols));
            } catch (const std::bad_alloc&) {
                return stop(noMemory);
            }
        }
        ++rows;
    }
    if (rc != SQLITE_DONE)
        return fail(rc);
    sqlite3_finalize(stmt);
    std::vector<int> stored;
    try {
        if (keyed)
            stored = keyOrder(keys);
    } catch (const std::bad_alloc&) {
        stored.clear();
        if (error)
            *error = {dberr::QueryFailed, noMemory};
        return false;
    }
    if (!offsets.push_back(uint32_t(text.size()))) { // end of the last cell
        if (error)
            *error = {dberr::QueryFailed, noMemory};
        return false;
    }

    dropIndexes();
    emit aboutToReset();
    m_fields = fields;
    m_text = std::move(text);
    m_offsets = std::move(offsets);
    m_stored = std::move(stored);
    m_text.shrinkToFit();
    m_offsets.shrinkToFit();
    m_rows = rows;
    m_pos = rows > 0 ? 0 : -1;
    m_open = true;
    emit reset();
    return true;
}

void Recordset::close() {
    if (!m_open)
        return;
    dropIndexes();
    emit aboutToReset();
    m_open = false;
    m_fields.clear();
    m_text.clear();
    m_offsets.clear();
    m_stored.clear();
    m_rows = 0;
    m_pos = -1;
    emit reset();
}

int Recordset::fieldIndex(const QString& name) const {
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Recordset::absolutePosition() const {
    if (!m_open || m_rows == 0)
        return PosUnknown;
    if (m_pos < 0)
        return PosBOF;
    if (m_pos >= m_rows)
        return PosEOF;
    return m_pos + 1;
}

bool Recordset::setAbsolutePosition(int position) {
    if (position < 1 || position > m_rows)
        return false;
    return setPos(position - 1);
}

bool Recordset::setPos(int pos) {
    if (pos == m_pos)
        return true;
    m_pos = pos;
    emit positionChanged(m_pos);
    return true;
}

bool Recordset::moveFirst() {
    return m_rows > 0 && setPos(0);
}

bool Recordset::moveLast() {
    return m_rows > 0 && setPos(m_rows - 1);
}

bool Recordset::moveNext() {
    if (!m_open || m_pos >= m_rows || m_rows == 0)
        return false;
    return setPos(m_pos + 1);
}

bool Recordset::movePrevious() {
    if (!m_open || m_pos < 0 || m_rows == 0)
        return false;
    return setPos(m_pos - 1);
}

bool Recordset::move(int rows) {
    if (!m_open || m_rows == 0)
        return false;
    const long long target = static_cast<long long>(m_pos) + rows;
    if (target < -1 || target > m_rows)
        return false;
    return setPos(static_cast<int>(target));
}

bool Recordset::moveTo(int row) {
    if (row < 0 || row >= m_rows)
        return false;
    return setPos(row);
}

bool Recordset::isNullAt(int row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_fields.size())
        return true;
    return (m_offsets[cellOf(row, column)] & NullBit) != 0;
}

size_t Recordset::cellOf(int row, int column) const {
    const size_t r = m_stored.empty() ? size_t(row) : size_t(m_stored[size_t(row)]);
    return r * size_t(m_fields.size()) + size_t(column);
}

QByteArrayView Recordset::rawAt(int row, int column) const {
    if (isNullAt(row, column))
        return {};
    const size_t cell = cellOf(row, column);
    const uint32_t begin = m_offsets[cell] & ~NullBit;
    const uint32_t end = m_offsets[cell + 1] & ~NullBit;
    return QByteArrayView(m_text.data() + begin, qsizetype(end - begin));
}

std::optional<QString> Recordset::valueAt(int row, int column) const {
    if (isNullAt(row, column))
        return std::nullopt;
    const QByteArrayView raw = rawAt(row, column);
    return QString::fromUtf8(raw.data(), raw.size());
}

std::optional<QString> Recordset::value(int column) const {
    if (!onRow())
        return std::nullopt;
    return valueAt(m_pos, column);
}

std::optional<QString> Recordset::value(const QString& fieldName) const {
    return value(fieldIndex(fieldName));
}

bool Recordset::rowMatches(int row, const FindCriterion& c, const void* prepared) const {
    const auto* p = static_cast<const Compiled*>(prepared);
    if (isNullAt(row, c.column))
        return false;
    const QByteArrayView raw = rawAt(row, c.column);
    if (p->pattern)
        return p->pattern->matchesUtf8(raw.data(), int(raw.size()));
    if (c.op == FindCriterion::Op::Prefix || c.op == FindCriterion::Op::Equals)
        return foldedUtf8StartsWith(raw.data(), int(raw.size()), p->folded,
                                    c.op == FindCriterion::Op::Equals);
    thread_local std::u32string cell;
    foldUtf8(raw.data(), int(raw.size()), cell);
    switch (c.op) {
    case FindCriterion::Op::Equals:
        return cell == p->folded;
    case FindCriterion::Op::Prefix:
        return foldedStartsWith(cell, p->folded);
    case FindCriterion::Op::Contains:
        return cell.find(p->folded) != std::u32string::npos;
    case FindCriterion::Op::Like:
        break;
    }
    return false;
}

bool Recordset::find(const FindCriterion& criterion, int skip, Direction direction) {
    if (!m_open || m_rows == 0 || criterion.column < 0 || criterion.column >= fieldCount())
        return false;
    Compiled prepared;
    if (criterion.op == FindCriterion::Op::Like)
        prepared.pattern = std::make_unique<JetPattern>(criterion.value);
    else
        foldUtf16(criterion.value, prepared.folded);

    const bool indexable =
        criterion.op == FindCriterion::Op::Prefix || criterion.op == FindCriterion::Op::Equals;
    if (m_indexing && indexable && direction == Direction::Forward && m_rows >= IndexThreshold) {
        if (const PrefixIndex* index = readyIndex(criterion.column)) {
            const long long from = std::max(0LL, static_cast<long long>(m_pos) + skip);
            if (from >= m_rows) {
                setPos(m_rows);
                return false;
            }
            const int row = index->firstFrom(int(from), prepared.folded,
                                             criterion.op == FindCriterion::Op::Equals);
            setPos(row >= 0 ? row : m_rows);
            return row >= 0;
        }
    }

    const int step = direction == Direction::Forward ? 1 : -1;
    long long row = static_cast<long long>(m_pos) + static_cast<long long>(skip) * step;
    // From BOF a forward search starts at the first row, from EOF a backward one
    // at the last.
    if (step > 0 && row < 0)
        row = 0;
    if (step < 0 && row >= m_rows)
        row = m_rows - 1;
    for (; row >= 0 && row < m_rows; row += step) {
        if (rowMatches(int(row), criterion, &prepared))
            return setPos(int(row));
    }
    setPos(direction == Direction::Forward ? m_rows : -1);
    return false;
}

size_t Recordset::storageBytes() const {
    size_t n = m_text.capacity() + m_offsets.capacity() * sizeof(uint32_t) +
               m_stored.capacity() * sizeof(int);
    for (const auto& slot : m_indexes)
        if (slot && slot->ready.load(std::memory_order_acquire))
            n += slot->index->storageBytes();
    return n;
}

} // namespace rvl92
