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

PrefixIndex::PrefixIndex(int rows, const std::function<QByteArrayView(int, bool*)>& cell) {
    m_offsets.reserve(size_t(rows) + 1);
    m_sorted.reserve(size_t(rows));
    std::u32string buf;
    for (int r = 0; r < rows; ++r) {
        bool isNull = false;
        const QByteArrayView v = cell(r, &isNull);
        m_offsets.push_back(uint32_t(m_folded.size()));
        if (isNull)
            continue; // NULL matches no key
        // ASCII needs no decoding: fold the bytes directly.
        bool ascii = true;
        for (char ch : v)
            if (static_cast<unsigned char>(ch) >= 0x80) {
                ascii = false;
                break;
            }
        if (ascii) {
            for (char ch : v)
                m_folded.push_back((ch >= 'A' && ch <= 'Z') ? char(ch + 32) : ch);
        } else {
            foldUtf8(v.data(), int(v.size()), buf);
            for (char32_t c : buf)
                appendUtf8(m_folded, c);
        }
        m_sorted.push_back(r);
    }
    m_offsets.push_back(uint32_t(m_folded.size()));

    const char* base = m_folded.data();
    const uint32_t* off = m_offsets.data();
    // Byte order of UTF-8 is code-point order; ties keep table order.
    std::stable_sort(m_sorted.begin(), m_sorted.end(), [base, off](int32_t a, int32_t b) {
        const size_t la = off[a + 1] - off[a], lb = off[b + 1] - off[b];
        const int c = std::memcmp(base + off[a], base + off[b], std::min(la, lb));
        return c != 0 ? c < 0 : la < lb;
    });

    m_leaves = 1;
    while (m_leaves < int(m_sorted.size()))
        m_leaves <<= 1;
    m_tree.assign(size_t(2 * m_leaves), INT32_MAX);
    for (size_t i = 0; i < m_sorted.size(); ++i)
        m_tree[size_t(m_leaves) + i] = m_sorted[i];
    for (int i = m_leaves - 1; i >= 1; --i)
        m_tree[size_t(i)] = std::min(m_tree[size_t(2 * i)], m_tree[size_t(2 * i + 1)]);
}

// <0, 0, >0 as the value at `sortedPos` sorts before, matches, or sorts after
// the key; with prefixOnly a value that begins with the key matches.
int PrefixIndex::compareKey(int sortedPos, const std::string& key, bool prefixOnly) const {
    const int row = m_sorted[size_t(sortedPos)];
    const size_t len = m_offsets[size_t(row) + 1] - m_offsets[size_t(row)];
    const char* v = m_folded.data() + m_offsets[size_t(row)];
    const size_t n = std::min(len, key.size());
    const int c = std::memcmp(v, key.data(), n);
    if (c != 0)
        return c;
    if (len < key.size())
        return -1;
    if (prefixOnly || len == key.size())
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
    return m_folded.capacity() + m_offsets.capacity() * 4 + m_sorted.capacity() * 4 +
           m_tree.capacity() * 4;
}

} // namespace rvl92
