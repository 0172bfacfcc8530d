#pragma once

#include "data/pages.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <utility>

namespace rvl92 {

// An append-only buffer of plain values for results of up to hundreds of
// megabytes. Once large it moves into a reserved stretch of address space and
// from then on grows in place: it is never copied and never held twice, and
// what was written stays where it is (moving pages makes their next reading
// slow on some systems). Its next pages are made present a couple of megabytes
// ahead of the writes, which saves most of the cost of faulting them in one by
// one. Running out of memory is an answer (false), not an exception.
template <typename T> class GrowBuffer {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    GrowBuffer() = default;
    ~GrowBuffer() { clear(); }
    GrowBuffer(GrowBuffer&& o) noexcept { take(o); }
    GrowBuffer& operator=(GrowBuffer&& o) noexcept {
        if (this != &o) {
            clear();
            take(o);
        }
        return *this;
    }
    GrowBuffer(const GrowBuffer&) = delete;
    GrowBuffer& operator=(const GrowBuffer&) = delete;

    bool push_back(T value) {
        if (m_size == m_capacity && !grow(1))
            return false;
        m_data[m_size++] = value;
        if (m_size > m_ready)
            prefault();
        return true;
    }
    bool append(const T* values, size_t n) {
        if (m_capacity - m_size < n && !grow(n))
            return false;
        if (n)
            std::memcpy(m_data + m_size, values, n * sizeof(T));
        m_size += n;
        if (m_size > m_ready)
            prefault();
        return true;
    }
    // Gives back what was reserved beyond the size.
    void shrinkToFit() {
        if (m_size == 0) {
            clear();
            return;
        }
        if (m_reserved) {
            const size_t used = pages::roundUp(m_size * sizeof(T));
            if (used < m_reserved) {
                pages::release(reinterpret_cast<char*>(m_data) + used, m_reserved - used);
                m_reserved = used;
                m_capacity = used / sizeof(T);
            }
        } else if (m_size < m_capacity) {
            if (T* p = static_cast<T*>(std::realloc(m_data, m_size * sizeof(T)))) {
                m_data = p;
                m_capacity = m_size;
            }
        }
        m_ready = std::min(m_ready, m_capacity);
    }
    void clear() {
        if (m_reserved)
            pages::release(reinterpret_cast<char*>(m_data), m_reserved);
        else
            std::free(m_data);
        m_data = nullptr;
        m_size = m_capacity = m_ready = m_reserved = 0;
    }

    const T* data() const { return m_data; }
    size_t size() const { return m_size; }
    size_t capacity() const { return m_capacity; }
    bool empty() const { return m_size == 0; }
    const T& operator[](size_t i) const { return m_data[i]; }

private:
    // From this size on the buffer lives in reserved address space.
    static constexpr size_t LargeBytes = size_t(4) << 20;
    static constexpr size_t ReserveBytes = size_t(4) << 30;
    static constexpr size_t AheadBytes = size_t(2) << 20;

    void take(GrowBuffer& o) {
        m_data = std::exchange(o.m_data, nullptr);
        m_size = std::exchange(o.m_size, 0);
        m_capacity = std::exchange(o.m_capacity, 0);
        m_ready = std::exchange(o.m_ready, 0);
        m_reserved = std::exchange(o.m_reserved, 0);
    }

    void prefault() {
        if (!m_reserved) {
            m_ready = m_capacity; // on the heap: small, not worth a system call
            return;
        }
        const size_t end = std::min(m_capacity, m_size + AheadBytes / sizeof(T));
        if (end > m_ready)
            pages::prefault(reinterpret_cast<char*>(m_data + m_ready), (end - m_ready) * sizeof(T));
        m_ready = end;
    }

    bool grow(size_t more) {
        const size_t limit = size_t(-1) / 2 / sizeof(T);
        if (more > limit - m_size)
            return false;
        const size_t need = m_size + more;
        if (m_reserved) {
            // The reservation is used up (rare): a larger one, moved once.
            const size_t bytes = std::max(m_reserved * 2, pages::roundUp(need * sizeof(T)));
            char* p = pages::enlarge(reinterpret_cast<char*>(m_data), m_reserved, bytes);
            if (!p)
                return false;
            m_data = reinterpret_cast<T*>(p);
            m_reserved = bytes;
            m_capacity = bytes / sizeof(T);
            return true;
        }
        size_t want = std::max<size_t>(m_capacity < 1024 ? 1024 : m_capacity * 2, need);
        if (want * sizeof(T) >= LargeBytes) {
            const size_t bytes = std::max(ReserveBytes, pages::roundUp(want * sizeof(T)));
            if (char* p = pages::reserve(bytes)) {
                if (m_size)
                    std::memcpy(p, m_data, m_size * sizeof(T));
                std::free(m_data);
                m_data = reinterpret_cast<T*>(p);
                m_reserved = bytes;
                m_capacity = bytes / sizeof(T);
                m_ready = 0;
                return true;
            }
        }
        T* p = static_cast<T*>(std::realloc(m_data, want * sizeof(T)));
        if (!p)
            return false;
        m_data = p;
        m_capacity = want;
        return true;
    }

    T* m_data = nullptr;
    size_t m_size = 0;
    size_t m_capacity = 0;
    size_t m_ready = 0;    // elements whose pages are known to be present
    size_t m_reserved = 0; // bytes of reserved address space; 0: on the heap
};

} // namespace rvl92
