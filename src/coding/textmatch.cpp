#include "coding/textmatch.h"

#include <algorithm>
#include <cmath>

namespace rvl92::coding {

std::vector<uint32_t> titleTrigrams(std::string_view normalised) {
    std::vector<uint32_t> out;
    out.reserve(normalised.size() + 8);
    for (std::string_view word : titleWords(normalised)) {
        auto at = [&](size_t i) -> uint32_t {
            // Position 0 and size()+1 are the padding blanks.
            if (i == 0 || i == word.size() + 1)
                return ' ';
            return static_cast<unsigned char>(word[i - 1]);
        };
        const size_t padded = word.size() + 2;
        for (size_t i = 0; i + 3 <= padded; ++i)
            out.push_back((at(i) << 16) | (at(i + 1) << 8) | at(i + 2));
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

int editDistance(std::string_view a, std::string_view b, int limit) {
    const int n = int(a.size());
    const int m = int(b.size());
    if (std::abs(n - m) > limit)
        return limit + 1;
    if (n == 0 || m == 0)
        return std::max(n, m);
    // Three rows of the optimal-string-alignment table; words are short, so
    // they live on the stack unless a word is very long.
    constexpr int Inline = 64;
    int inlineRows[3][Inline + 1];
    std::vector<int> heapRows;
    int* rows[3] = {inlineRows[0], inlineRows[1], inlineRows[2]};
    if (m > Inline) {
        heapRows.resize(size_t(3 * (m + 1)));
        for (int r = 0; r < 3; ++r)
            rows[r] = heapRows.data() + r * (m + 1);
    }
    int* prev2 = rows[0];
    int* prev = rows[1];
    int* cur = rows[2];
    for (int j = 0; j <= m; ++j)
        prev[j] = j;
    for (int i = 1; i <= n; ++i) {
        cur[0] = i;
        int rowMin = cur[0];
        for (int j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int v = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                v = std::min(v, prev2[j - 2] + 1);
            cur[j] = v;
            rowMin = std::min(rowMin, v);
        }
        if (rowMin > limit)
            return limit + 1;
        int* oldest = prev2;
        prev2 = prev;
        prev = cur;
        cur = oldest;
    }
    return prev[m] <= limit ? prev[m] : limit + 1;
}

double wordSimilarity(std::string_view typed, std::string_view title) {
    if (typed == title)
        return 1.0;
    const size_t shorter = std::min(typed.size(), title.size());
    const size_t longer = std::max(typed.size(), title.size());
    double best = 0.0;
    if (shorter >= 4) {
        const int limit = shorter >= 8 ? 2 : 1;
        const int d = editDistance(typed, title, limit);
        if (d <= limit)
            best = d == 1 ? 0.85 : 0.7;
    }
    // A part of a compound: "bakker" in "bakkersknecht", or the other way round.
    if (shorter >= 4) {
        const bool inside = typed.size() < title.size() ? title.find(typed) != title.npos
                                                        : typed.find(title) != typed.npos;
        if (inside)
            best = std::max(best, 0.9 * std::sqrt(double(shorter) / double(longer)));
    }
    return best;
}

std::vector<std::string_view> titleWords(std::string_view normalised) {
    std::vector<std::string_view> words;
    size_t start = 0;
    while (start < normalised.size()) {
        size_t end = normalised.find(' ', start);
        if (end == normalised.npos)
            end = normalised.size();
        if (end > start)
            words.push_back(normalised.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

} // namespace rvl92::coding
