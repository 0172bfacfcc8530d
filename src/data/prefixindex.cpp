#include "data/prefixindex.h"

#include "data/jetlike.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace rvl92 {

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

} // namespace

std::string foldedUtf8(const std::u32string& folded) {
    std::string out;
    out.reserve(folded.size());
    for (char32_t c : folded)
        appendUtf8(out, c);
    return out;
}

namespace {

unsigned char byteAt(const PrefixIndex::View& v, size_t i) {
    const auto c = static_cast<unsigned char>(v.data[i]);
    return (v.lower && c >= 'A' && c <= 'Z') ? c + 32 : c;
}

// Compares the first n bytes of two views as memcmp does.
int compareBytes(const PrefixIndex::View& a, const PrefixIndex::View& b, size_t n) {
    if (!a.lower && !b.lower)
        return n ? std::memcmp(a.data, b.data, n) : 0;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = byteAt(a, i), y = byteAt(b, i);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

} // namespace

PrefixIndex::PrefixIndex(int rows, const std::function<QByteArrayView(int, bool*)>& cell)
    : m_cell(cell) {
    m_copyOf.assign(size_t(rows), Stored);
    m_sorted.reserve(size_t(rows));
    std::u32string buf;
    for (int r = 0; r < rows; ++r) {
        bool isNull = false;
        const QByteArrayView v = m_cell(r, &isNull);
        if (isNull)
            continue; // NULL matches no key
        if (!isAsciiText(v.data(), size_t(v.size()))) {
            foldUtf8(v.data(), int(v.size()), buf);
            const size_t begin = m_folded.size();
            for (char32_t c : buf)
                appendUtf8(m_folded, c);
            m_copyOf[size_t(r)] = uint32_t(m_copies.size());
            m_copies.push_back({uint32_t(begin), uint32_t(m_folded.size() - begin)});
        }
        m_sorted.push_back(r);
    }
    m_folded.shrink_to_fit();
    m_copies.shrink_to_fit();
    sortRows();

    m_leaves = 1;
    while (m_leaves < int(m_sorted.size()))
        m_leaves <<= 1;
    m_tree.assign(size_t(2 * m_leaves), INT32_MAX);
    for (size_t i = 0; i < m_sorted.size(); ++i)
        m_tree[size_t(m_leaves) + i] = m_sorted[i];
    for (int i = m_leaves - 1; i >= 1; --i)
        m_tree[size_t(i)] = std::min(m_tree[size_t(2 * i)], m_tree[size_t(2 * i + 1)]);
}

PrefixIndex::View PrefixIndex::view(int row) const {
    const uint32_t copy = m_copyOf[size_t(row)];
    if (copy != Stored) {
        const Span& s = m_copies[copy];
        return {m_folded.data() + s.begin, s.size, false};
    }
    bool isNull = false;
    const QByteArrayView v = m_cell(row, &isNull);
    return {v.data(), size_t(v.size()), true};
}

// Puts m_sorted in the byte order of the folded values (which for UTF-8 is
// code-point order), equal values in table order. Each row is sorted with
// its first eight folded bytes packed in an integer, so most comparisons never
// touch the text itself.
void PrefixIndex::sortRows() {
    struct Entry {
        uint64_t head;
        int32_t row;
        uint32_t size;
    };
    std::vector<Entry> entries;
    entries.reserve(m_sorted.size());
    for (int32_t r : m_sorted) {
        const View v = view(r);
        uint64_t head = 0;
        for (size_t i = 0; i < 8; ++i)
            head = (head << 8) | (i < v.size ? byteAt(v, i) : 0u);
        entries.push_back({head, r, uint32_t(v.size)});
    }
    // A strict total order, so every way of sorting gives the same sequence.
    auto less = [this](const Entry& a, const Entry& b) {
        if (a.head != b.head)
            return a.head < b.head;
        // The head holds the whole of values up to eight bytes; of two such
        // values with one head the shorter is a prefix of the longer.
        if (a.size > 8 || b.size > 8) {
            const View x = view(a.row), y = view(b.row);
            const int c = compareBytes(x, y, std::min(x.size, y.size));
            if (c != 0)
                return c < 0;
        }
        if (a.size != b.size)
            return a.size < b.size;
        return a.row < b.row;
    };

    // A list kept in alphabetical order is nearly sorted already: find its
    // ascending runs and merge them, which costs a few passes instead of a
    // full sort. Anything else is sorted plainly.
    std::vector<size_t> runs{0};
    for (size_t i = 1; i < entries.size(); ++i)
        if (less(entries[i], entries[i - 1]))
            runs.push_back(i);
    runs.push_back(entries.size());
    if (runs.size() > entries.size() / 64 + 2) {
        std::sort(entries.begin(), entries.end(), less);
    } else if (runs.size() > 2) {
        std::vector<Entry> merged(entries.size());
        while (runs.size() > 2) {
            std::vector<size_t> next{0};
            for (size_t k = 0; k + 1 < runs.size(); k += 2) {
                const size_t a = runs[k], b = runs[k + 1];
                const size_t c = k + 2 < runs.size() ? runs[k + 2] : b;
                std::merge(entries.begin() + long(a), entries.begin() + long(b),
                           entries.begin() + long(b), entries.begin() + long(c),
                           merged.begin() + long(a), less);
                next.push_back(c);
            }
            entries.swap(merged);
            runs.swap(next);
        }
    }
    for (size_t i = 0; i < entries.size(); ++i)
        m_sorted[i] = entries[i].row;
}

// <0, 0, >0 as the value at `sortedPos` sorts before, matches, or sorts after
// the key; with prefixOnly a value that begins with the key matches.
int PrefixIndex::compareKey(int sortedPos, const std::string& key, bool prefixOnly) const {
    const View v = view(m_sorted[size_t(sortedPos)]);
    const View k{key.data(), key.size(), false};
    const int c = compareBytes(v, k, std::min(v.size, k.size));
    if (c != 0)
        return c;
    if (v.size < k.size)
        return -1;
    if (prefixOnly || v.size == k.size)
        return 0;
    return 1;
}

// The smallest row >= atLeast among m_sorted[lo, hi); INT_MAX when none.
int PrefixIndex::minRowInRange(int lo, int hi, int atLeast) const {
    // Walk the tree from the root, descending only into subtrees that overlap
    // the range and may hold a row >= atLeast. Subtrees whose minimum already
    // qualifies answer at once.
    int best = INT32_MAX;
    struct Frame {
        int node, nodeLo, nodeHi;
    };
    Frame stack[64];
    int top = 0;
    stack[top++] = {1, 0, m_leaves};
    while (top > 0) {
        const Frame f = stack[--top];
        if (f.nodeHi <= lo || f.nodeLo >= hi)
            continue;
        const int32_t m = m_tree[size_t(f.node)];
        if (m >= best)
            continue;
        if (f.nodeLo >= lo && f.nodeHi <= hi && m >= atLeast) {
            best = m;
            continue;
        }
        if (f.nodeHi - f.nodeLo == 1) {
            if (m >= atLeast)
                best = std::min(best, int(m));
            continue;
        }
        const int mid = (f.nodeLo + f.nodeHi) / 2;
        stack[top++] = {2 * f.node + 1, mid, f.nodeHi};
        stack[top++] = {2 * f.node, f.nodeLo, mid};
    }
    return best;
}

int PrefixIndex::firstFrom(int start, const std::u32string& foldedKey, bool exact) const {
    const std::string key = foldedUtf8(foldedKey);
    const bool prefixOnly = !exact;
    int lo = 0, hi = int(m_sorted.size());
    // First position whose value does not sort before the key.
    int a = lo, b = hi;
    while (a < b) {
        const int mid = (a + b) / 2;
        if (compareKey(mid, key, prefixOnly) < 0)
            a = mid + 1;
        else
            b = mid;
    }
    lo = a;
    b = hi;
    while (a < b) {
        const int mid = (a + b) / 2;
        if (compareKey(mid, key, prefixOnly) <= 0)
            a = mid + 1;
        else
            b = mid;
    }
    hi = a;
    if (lo >= hi)
        return -1;
    const int row = minRowInRange(lo, hi, std::max(start, 0));
    return row == INT32_MAX ? -1 : row;
}

size_t PrefixIndex::storageBytes() const {
    return m_folded.capacity() + m_copyOf.capacity() * 4 + m_copies.capacity() * sizeof(Span) +
           m_sorted.capacity() * 4 + m_tree.capacity() * 4;
}

} // namespace rvl92
