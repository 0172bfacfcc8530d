#include "data/pages.h"

#include <atomic>
#include <cstdint>

#include <sys/mman.h>

namespace rvl92::pages {

char* reserve(std::size_t bytes) {
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return p == MAP_FAILED ? nullptr : static_cast<char*>(p);
}

void release(char* p, std::size_t bytes) {
    munmap(p, bytes);
}

char* enlarge(char* p, std::size_t bytes, std::size_t newBytes) {
    void* q = mremap(p, bytes, newBytes, MREMAP_MAYMOVE);
    return q == MAP_FAILED ? nullptr : static_cast<char*>(q);
}

void prefault(char* begin, std::size_t bytes) {
#if defined(MADV_POPULATE_WRITE)
    static std::atomic<bool> unsupported{false};
    const std::uintptr_t from = (reinterpret_cast<std::uintptr_t>(begin) + Size - 1) & ~(Size - 1);
    const std::uintptr_t to = (reinterpret_cast<std::uintptr_t>(begin) + bytes) & ~(Size - 1);
    if (to <= from || unsupported.load(std::memory_order_relaxed))
        return;
    if (madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE) != 0)
        unsupported.store(true, std::memory_order_relaxed); // an older kernel
#else
    // Headers of a kernel without the call: the writes fault the pages in.
    (void)begin;
    (void)bytes;
#endif
}

} // namespace rvl92::pages
