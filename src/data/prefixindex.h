#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rvl92 {

// An index over one column of a result for "the first row, from row `start`
// on in table order, whose value begins with (or equals) a text", without
// regard to case. The values are sorted once by their case-folded form; the
// rows whose value begins with a key then form one run of the sorted order,
// and a minimum tree over that order gives the first of them in table order in
// O(log n). The answer is exactly that of a scan from `start`.
//
// The values stay where the result stores them: a plain ASCII value is read
// from there and lowered on the fly; only the others are kept in folded form.
class PrefixIndex {
public:
    // `cell(row, &isNull)` gives the stored UTF-8 value of a row; it is called
    // again by later finds, so what it reads must outlive the index.
    PrefixIndex(int rows, const std::function<QByteArrayView(int, bool*)>& cell);

    // The first row >= start whose folded value begins with the folded key
    // (or equals it when `exact`); -1 when there is none.
    int firstFrom(int start, const std::u32string& foldedKey, bool exact) const;

    size_t storageBytes() const;

    // A value in folded form: `lower` when its bytes still need ASCII lowering.
    struct View {
        const char* data;
        size_t size;
        bool lower;
    };

private:
    View view(int row) const;
    void sortRows();
    int compareKey(int sortedPos, const std::string& key, bool prefixOnly) const;
    int minRowInRange(int lo, int hi, int atLeast) const;

    std::function<QByteArrayView(int, bool*)> m_cell;
    struct Span {
        uint32_t begin, size;
    };
    static constexpr uint32_t Stored = UINT32_MAX;
    std::vector<uint32_t> m_copyOf; // by row: index into m_copies, or Stored
    std::vector<Span> m_copies;     // folded copies of the values that are not ASCII
    std::string m_folded;           // their bytes
    std::vector<int32_t> m_sorted;  // rows by folded value (NULLs left out)
    std::vector<int32_t> m_tree;    // minimum row over ranges of m_sorted
    int m_leaves = 0;
};

// Case-folded UTF-8 of a folded code-point string (the index's key form).
std::string foldedUtf8(const std::u32string& folded);

} // namespace rvl92
