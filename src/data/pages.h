#pragma once

#include <cstddef>

namespace rvl92::pages {

// Address space and pages for large buffers, one implementation file per
// platform. Where the system offers none of this, reserve() gives nothing and
// a buffer lives on the heap.

inline constexpr std::size_t Size = 4096;

inline std::size_t roundUp(std::size_t bytes) {
    return (bytes + Size - 1) & ~(Size - 1);
}

// Address space for `bytes`, not yet backed by memory; nullptr when refused.
char* reserve(std::size_t bytes);

void release(char* p, std::size_t bytes);

// A larger reservation holding the same pages (moved, not copied); nullptr
// when refused, the old one then stays.
char* enlarge(char* p, std::size_t bytes, std::size_t newBytes);

// Makes the pages of [begin, begin + bytes) present in one call, ahead of the
// writes that would otherwise fault them in one page at a time. Only a hint:
// where the system cannot do it nothing happens.
void prefault(char* begin, std::size_t bytes);

} // namespace rvl92::pages
