#pragma once

// Cuts a fuzzer's byte string into the pieces a target needs: small numbers
// from the front, texts separated by NUL bytes after that.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    // The next byte, or 0 when the input is used up.
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    int number(int lo, int hi) {
        // Two statements: the order of two calls in one expression is up to
        // the compiler, and a replay must read an input as the fuzzer did.
        const unsigned low = byte();
        const unsigned high = byte();
        const unsigned v = low | high << 8;
        return lo + int(v % unsigned(hi - lo + 1));
    }
    // Bytes up to the next NUL (or the end), as raw bytes and as UTF-8 text.
    QByteArray bytes() {
        const size_t start = m_pos;
        while (m_pos < m_size && m_data[m_pos] != 0)
            ++m_pos;
        QByteArray b(reinterpret_cast<const char*>(m_data + start), qsizetype(m_pos - start));
        if (m_pos < m_size)
            ++m_pos;
        return b;
    }
    QString text() { return QString::fromUtf8(bytes()); }
    bool done() const { return m_pos >= m_size; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A property a target checks; a broken one is a finding like a crash.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            fprintf(stderr, "FUZZ_CHECK failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__);         \
            abort();                                                                               \
        }                                                                                          \
    } while (0)

} // namespace fuzz
