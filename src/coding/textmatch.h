#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace rvl92::coding {

// Character trigrams of a normalised title: each word padded with a blank on
// both sides, so "bakker knecht" and "bakkersknecht" share most of theirs
// and a word's beginning and end count for more than its middle. Sorted and
// without repeats; each trigram packed in the low 24 bits.
std::vector<uint32_t> titleTrigrams(std::string_view normalised);

// The same trigrams one by one, in text order and with repeats (no sorting:
// for scoring a few titles per lookup).
template <typename F> void forEachTrigram(std::string_view normalised, F&& f) {
    size_t start = 0;
    while (start < normalised.size()) {
        size_t end = normalised.find(' ', start);
        if (end == normalised.npos)
            end = normalised.size();
        const std::string_view word = normalised.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        uint32_t window = ' ';
        for (size_t i = 0; i <= word.size(); ++i) {
            const uint32_t c = i < word.size() ? static_cast<unsigned char>(word[i]) : ' ';
            window = ((window << 8) | c) & 0xFFFFFF;
            // The first window holds only the leading blank and one letter.
            if (i >= 1)
                f(window);
        }
    }
}

// Damerau-Levenshtein distance (adjacent swaps count as one edit) between two
// words, or limit + 1 as soon as it is certain to be larger than limit.
int editDistance(std::string_view a, std::string_view b, int limit);

// How well a typed word stands for a word of a title, 0 to 1: the same word,
// one or two typing errors in a longer word, or one word inside the other
// (parts of a compound).
double wordSimilarity(std::string_view typed, std::string_view title);

// The words of a normalised title (split on blanks).
std::vector<std::string_view> titleWords(std::string_view normalised);

} // namespace rvl92::coding
