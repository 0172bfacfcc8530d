#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace demodata {

// SplitMix64. The demonstration database must come out byte for byte the same
// on every machine, so the generator uses this fixed, well-known sequence
// instead of <random> distributions, whose results differ between libraries.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    // An independent stream for one purpose ("beroepen", "titels", ...) and an
    // optional index (an occupation code, say). Changing how much one stream
    // draws then leaves the others untouched: a larger job-title count keeps the
    // same occupations.
    static Random stream(std::uint64_t seed, std::string_view purpose, std::uint64_t index = 0) {
        std::uint64_t h = 0xcbf29ce484222325ULL; // FNV-1a
        for (unsigned char c : purpose) {
            h = (h ^ c) * 0x100000001b3ULL;
        }
        return Random(mix(seed ^ mix(h) ^ mix(index + 0x9e3779b97f4a7c15ULL)));
    }

    std::uint64_t next() {
        m_state += 0x9e3779b97f4a7c15ULL;
        return mix(m_state);
    }

    // Uniform in [0, bound), bound > 0 (Lemire's method with rejection).
    std::uint32_t below(std::uint32_t bound) {
        std::uint64_t m = std::uint64_t(std::uint32_t(next() >> 32)) * bound;
        auto low = std::uint32_t(m);
        if (low < bound) {
            const std::uint32_t threshold = std::uint32_t(-bound) % bound;
            while (low < threshold) {
                m = std::uint64_t(std::uint32_t(next() >> 32)) * bound;
                low = std::uint32_t(m);
            }
        }
        return std::uint32_t(m >> 32);
    }

    // Uniform in [low, high].
    int between(int low, int high) { return low + int(below(std::uint32_t(high - low + 1))); }

    bool chance(int percent) { return int(below(100)) < percent; }

    template <typename T> void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[below(std::uint32_t(i))]);
        }
    }

private:
    static std::uint64_t mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    std::uint64_t m_state;
};

} // namespace demodata
