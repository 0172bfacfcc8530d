#pragma once

#include <cstdint>
#include <vector>

namespace demodata {

// Splits total over the items in proportion to their weights (largest
// remainder, ties to the lower index), never giving an item more than its cap.
// Integer arithmetic only, so the split is the same everywhere. The result
// sums to less than total only when the caps together are smaller.
std::vector<std::int64_t> allocate(std::int64_t total, const std::vector<std::int64_t>& weights,
                                   const std::vector<std::int64_t>& caps);

} // namespace demodata
