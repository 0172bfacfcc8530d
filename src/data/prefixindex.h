#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rvl92 {

// An index over one column of a result for "the first row, from row `start`
// on in table order, whose value begins with (or equals) a text", without
// regard to case. The values are case-folded once and sorted; the rows whose
// value begins with a key then form one run of the sorted order, and a
// minimum tree over that order gives the first of them in table order in
// O(log n). The answer is exactly that of a scan from `start`.
class PrefixIndex {
public:
    // `cell(row, &isNull)` gives the stored UTF-8 value of a row.
    PrefixIndex(int rows, const std::function<QByteArrayView(int, bool*)>& cell);

    // The first row >= start whose folded value begins with the folded key
    // (or equals it when `exact`); -1 when there is none.
    int firstFrom(int start, const std::u32string& foldedKey, bool exact) const;

    size_t storageBytes() const;

private:
    int compareKey(int sortedPos, const std::string& key, bool prefixOnly) const;
    int minRowInRange(int lo, int hi, int atLeast) const;

    std::string m_folded;            // folded values, UTF-8, one after the other
    std::vector<uint32_t> m_offsets; // by row; row r spans [m_offsets[r], m_offsets[r+1])
    std::vector<int32_t> m_sorted;   // rows by folded value (NULLs left out)
    std::vector<int32_t> m_tree;     // minimum row over ranges of m_sorted
    int m_leaves = 0;
};

// Case-folded UTF-8 of a folded code-point string (the index's key form).
std::string foldedUtf8(const std::u32string& folded);

} // namespace rvl92
