#pragma once

#include "data/growbuffer.h"

#include <QString>

#include <cstdint>
#include <string_view>

struct sqlite3;

namespace bench {

// The floor of the data comparisons: a statement stepped with the sqlite3 C
// API on a plain read-only connection (SQLite's own LIKE and GLOB), each value
// copied once into one buffer that grows the cheapest way there is. The least
// any client must do to hold a result.
struct RawResult {
    static constexpr uint32_t NullBit = 0x80000000u;
    rvl92::GrowBuffer<char> text;        // all values, one after the other
    rvl92::GrowBuffer<uint32_t> offsets; // where each cell starts (NullBit: NULL)
    int columns = 0;
    long long rows = 0;

    std::string_view cell(long long row, int column) const {
        const size_t i = size_t(row) * size_t(columns) + size_t(column);
        const uint32_t b = offsets[i] & ~NullBit, e = offsets[i + 1] & ~NullBit;
        return {text.data() + b, e - b};
    }
    bool isNull(long long row, int column) const {
        return offsets[size_t(row) * size_t(columns) + size_t(column)] & NullBit;
    }
};

class RawConnection {
public:
    RawConnection() = default;
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool open(const QString& file, QString* error);
    bool run(const char* sql, RawResult& out, QString* error) const;

private:
    sqlite3* m_db = nullptr;
};

} // namespace bench
