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
