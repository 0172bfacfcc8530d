#include "data/pages.h"

// Systems without a reservation the buffers can grow in: every buffer stays on
// the heap, so only reserve() is ever called.
namespace rvl92::pages {

char* reserve(std::size_t) {
    return nullptr;
}

void release(char*, std::size_t) {}

char* enlarge(char*, std::size_t, std::size_t) {
    return nullptr;
}

void prefault(char*, std::size_t) {}

} // namespace rvl92::pages
