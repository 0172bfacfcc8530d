#include "allocate.h"

#include <algorithm>
#include <numeric>

namespace demodata {

std::vector<std::int64_t> allocate(std::int64_t total, const std::vector<std::int64_t>& weights,
                                   const std::vector<std::int64_t>& caps) {
    const std::size_t n = weights.size();
    std::vector<std::int64_t> result(n, 0);
    std::vector<bool> active(n);
    for (std::size_t i = 0; i < n; ++i) {
        active[i] = weights[i] > 0 && caps[i] > 0;
    }
    std::int64_t remaining = total;
    while (remaining > 0) {
        std::int64_t weightSum = 0;
        for (std::size_t i = 0; i < n; ++i) {
            weightSum += active[i] ? weights[i] : 0;
        }
        if (weightSum == 0) {
            break;
        }
        std::vector<std::int64_t> share(n, 0);
        std::vector<std::int64_t> rest(n, 0);
        std::int64_t given = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (active[i]) {
                share[i] = remaining * weights[i] / weightSum;
                rest[i] = remaining * weights[i] % weightSum;
                given += share[i];
            }
        }
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < n; ++i) {
            if (active[i]) {
                order.push_back(i);
            }
        }
        std::stable_sort(order.begin(), order.end(),
                         [&rest](std::size_t a, std::size_t b) { return rest[a] > rest[b]; });
        for (std::size_t k = 0; given < remaining; ++k, ++given) {
            ++share[order[k % order.size()]];
        }
        // Items over their cap get exactly their cap; the others share the
        // remainder again.
        bool capped = false;
        for (std::size_t i = 0; i < n; ++i) {
            if (active[i] && share[i] >= caps[i] - result[i]) {
                remaining -= caps[i] - result[i];
                result[i] = caps[i];
                active[i] = false;
                capped = true;
            }
        }
        if (!capped) {
            for (std::size_t i = 0; i < n; ++i) {
                result[i] += share[i];
            }
            remaining = 0;
        }
    }
    return result;
}

} // namespace demodata
