#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace rvl92 {

// Makes the pages of [begin, begin + bytes) present in one call, ahead of the
// writes that would otherwise fault them in one page at a time. Only a hint:
// where the system cannot do it nothing happens.
inline void prefaultPages(char* begin, size_t bytes) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    static std::atomic<bool> unsupported{false};
    const uintptr_t page = 4096;
    const uintptr_t from = (reinterpret_cast<uintptr_t>(begin) + page - 1) & ~(page - 1);
    const uintptr_t to = (reinterpret_cast<uintptr_t>(begin) + bytes) & ~(page - 1);
    if (to <= from || unsupported.load(std::memory_order_relaxed))
        return;
    if (madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE) != 0)
        unsupported.store(true, std::memory_order_relaxed); // an older kernel
#else
    (void)begin;
    (void)bytes;
#endif
}

// An append-only buffer of plain values that grows with realloc. A large block
// is grown by remapping its pages rather than by copying them into a new one,
// so filling a result of hundreds of megabytes neither copies it at every
// doubling nor holds two copies at once. Running out of memory is an answer
// (false), not an exception. A large buffer has its next pages made present a
// couple of megabytes ahead of the writes, which saves most of the cost of
// faulting them in one by one.
template <typename T> class GrowBuffer {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    GrowBuffer() = default;
    ~GrowBuffer() { std::free(m_data); }
    GrowBuffer(GrowBuffer&& o) noexcept
        : m_data(std::exchange(o.m_data, nullptr)), m_size(std::exchange(o.m_size, 0)),
          m_capacity(std::exchange(o.m_capacity, 0)), m_ready(std::exchange(o.m_ready, 0)) {}
    GrowBuffer& operator=(GrowBuffer&& o) noexcept {
        if (this != &o) {
            std::free(m_data);
            m_data = std::exchange(o.m_data, nullptr);
            m_size = std::exchange(o.m_size, 0);
            m_capacity = std::exchange(o.m_capacity, 0);
            m_ready = std::exchange(o.m_ready, 0);
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
    // Gives back what was reserved beyond the size (in place for a large block).
    void shrinkToFit() {
        if (m_size == m_capacity)
            return;
        if (m_size == 0) {
            clear();
            return;
        }
        if (T* p = static_cast<T*>(std::realloc(m_data, m_size * sizeof(T)))) {
            m_data = p;
            m_capacity = m_ready = m_size;
        }
    }
    void clear() {
        std::free(m_data);
        m_data = nullptr;
        m_size = m_capacity = m_ready = 0;
    }

    const T* data() const { return m_data; }
    size_t size() const { return m_size; }
    size_t capacity() const { return m_capacity; }
    bool empty() const { return m_size == 0; }
    const T& operator[](size_t i) const { return m_data[i]; }

private:
    static constexpr size_t LargeBytes = size_t(1) << 20;
    static constexpr size_t AheadBytes = size_t(2) << 20;

    void prefault() {
        if (m_capacity * sizeof(T) < LargeBytes) {
            m_ready = m_capacity; // small: not worth a system call
            return;
        }
        const size_t end = std::min(m_capacity, m_size + AheadBytes / sizeof(T));
        if (end > m_ready)
            prefaultPages(reinterpret_cast<char*>(m_data + m_ready), (end - m_ready) * sizeof(T));
        m_ready = end;
    }

    bool grow(size_t more) {
        const size_t limit = size_t(-1) / sizeof(T);
        if (more > limit - m_size)
            return false;
        size_t want = m_capacity < 1024 ? 1024 : m_capacity;
        want = want > limit / 2 ? limit : want * 2;
        if (want < m_size + more)
            want = m_size + more;
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
    size_t m_ready = 0; // elements whose pages are known to be present
};

} // namespace rvl92
