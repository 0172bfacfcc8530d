#include "data/jetlike.h"

#include <QChar>

#include <sqlite3.h>

#include <cstring>
#include <memory>

namespace rvl92 {

namespace {

// Decodes UTF-8 leniently: a malformed byte stands for itself (U+FFFD would
// make two different malformed texts equal).
void decodeFoldedUtf8(const unsigned char* s, int n, std::u32string& out) {
    out.clear();
    out.reserve(static_cast<size_t>(n));
    int i = 0;
    while (i < n) {
        unsigned char c = s[i];
        if (c < 0x80) {
            out.push_back((c >= 'A' && c <= 'Z') ? char32_t(c + 32) : char32_t(c));
            ++i;
            continue;
        }
        int len = 0;
        char32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        }
        bool ok = len > 0 && i + len <= n;
        for (int k = 1; ok && k < len; ++k) {
            unsigned char cc = s[i + k];
            if ((cc & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out.push_back(char32_t(0xDC00 + c)); // lone byte, kept distinct
            ++i;
            continue;
        }
        out.push_back(foldCase(cp));
        i += len;
    }
}

} // namespace

bool isAsciiText(const char* s, size_t n) {
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, s + i, 8);
        if (w & 0x8080808080808080ull)
            return false;
    }
    for (; i < n; ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
    return true;
}

namespace {

// ASCII text read as folded characters straight from its bytes: for such text
// this is exactly what decoding would give.
struct AsciiFolded {
    const unsigned char* s;
    char32_t operator[](size_t i) const {
        const unsigned char c = s[i];
        return (c >= 'A' && c <= 'Z') ? char32_t(c + 32) : char32_t(c);
    }
};

void decodeFoldedUtf16(QStringView s, std::u32string& out) {
    out.clear();
    out.reserve(static_cast<size_t>(s.size()));
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = s[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && s[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(char16_t(c), s[i + 1].unicode());
            ++i;
        }
        out.push_back(foldCase(c));
    }
}

} // namespace

void foldUtf8(const char* text, int length, std::u32string& out) {
    decodeFoldedUtf8(reinterpret_cast<const unsigned char*>(text), length, out);
}

bool foldedUtf8StartsWith(const char* text, int length, const std::u32string& key, bool exact) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    size_t k = 0;
    int i = 0;
    while (i < length) {
        unsigned char c = s[i];
        if (c < 0x80) {
            if (k == key.size())
                return !exact;
            const char32_t f = (c >= 'A' && c <= 'Z') ? char32_t(c + 32) : char32_t(c);
            if (f != key[k])
                return false;
            ++k;
            ++i;
            continue;
        }
        // A multi-byte character: decode just this one the lenient way.
        int len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        if (i + len > length)
            len = 1;
        thread_local std::u32string one;
        decodeFoldedUtf8(s + i, len, one);
        for (char32_t f : one) {
            if (k == key.size())
                return !exact;
            if (f != key[k])
                return false;
            ++k;
        }
        i += len;
    }
    return k == key.size();
}

void foldUtf16(QStringView text, std::u32string& out) {
    decodeFoldedUtf16(text, out);
}

char32_t foldCase(char32_t c) {
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

QString foldCase(QStringView s) {
    return s.toString().toCaseFolded();
}

JetPattern::JetPattern(QStringView pattern) {
    std::u32string folded;
    decodeFoldedUtf16(pattern, folded);
    compile(folded);
}

JetPattern::JetPattern(const char* utf8, int length) {
    std::u32string folded;
    decodeFoldedUtf8(reinterpret_cast<const unsigned char*>(utf8), length, folded);
    compile(folded);
}

void JetPattern::compile(const std::u32string& p) {
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i) {
        const char32_t c = p[i];
        Token t{Kind::Literal};
        if (c == U'*' || c == U'%') {
            if (!m_tokens.empty() && m_tokens.back().kind == Kind::AnyRun)
                continue; // "**" is the same as "*"
            t.kind = Kind::AnyRun;
        } else if (c == U'?' || c == U'_') {
            t.kind = Kind::AnyOne;
        } else if (c == U'#') {
            t.kind = Kind::Digit;
        } else if (c == U'[') {
            size_t close = p.find(U']', i + 1);
            // "[]" matches nothing in Jet; we treat an empty or unclosed set as
            // literal text so that a typed "[" never breaks a search.
            if (close == std::u32string::npos || close == i + 1) {
                t.ch = c;
            } else {
                size_t j = i + 1;
                t.kind = Kind::Set;
                if (p[j] == U'!' && j + 1 < close) {
                    t.negate = true;
                    ++j;
                }
                t.setBegin = static_cast<int>(m_ranges.size());
                while (j < close) {
                    char32_t lo = p[j];
                    char32_t hi = lo;
                    if (j + 2 < close && p[j + 1] == U'-') {
                        hi = p[j + 2];
                        j += 3;
                    } else {
                        ++j;
                    }
                    if (hi < lo)
                        std::swap(lo, hi);
                    m_ranges.push_back({lo, hi});
                }
                t.setEnd = static_cast<int>(m_ranges.size());
                i = close;
            }
        } else {
            t.ch = c;
        }
        m_tokens.push_back(t);
    }
}

bool JetPattern::tokenMatches(const Token& t, char32_t c) const {
    switch (t.kind) {
    case Kind::Literal:
        return t.ch == c;
    case Kind::AnyOne:
        return true;
    case Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Kind::Set: {
        bool in = false;
        for (int r = t.setBegin; r < t.setEnd && !in; ++r)
            in = c >= m_ranges[r].lo && c <= m_ranges[r].hi;
        return in != t.negate;
    }
    case Kind::AnyRun:
        break;
    }
    return false;
}

namespace {

// Where the folded character `c` next occurs in the text from `from` on; n
// when nowhere.
size_t nextOf(const AsciiFolded& text, size_t from, size_t n, char32_t c) {
    if (c >= 0x80)
        return n; // an ASCII text has no such character
    if (from >= n)
        return n;
    const auto lower = static_cast<unsigned char>(c);
    const unsigned char* begin = text.s + from;
    size_t span = n - from;
    const void* hit = std::memchr(begin, lower, span);
    if (lower >= 'a' && lower <= 'z') {
        // The capital can only be the answer before the first small letter.
        if (hit)
            span = size_t(static_cast<const unsigned char*>(hit) - begin);
        if (const void* capital = std::memchr(begin, lower - 32, span))
            hit = capital;
    }
    return hit ? size_t(static_cast<const unsigned char*>(hit) - text.s) : n;
}

size_t nextOf(const char32_t* text, size_t from, size_t n, char32_t c) {
    for (size_t i = from; i < n; ++i)
        if (text[i] == c)
            return i;
    return n;
}

} // namespace

// Greedy matching with a single back-track point: the last "*" seen. Linear in
// practice, O(n*m) at worst, never exponential.
template <typename Text> bool JetPattern::matchFolded(const Text& s, size_t n) const {
    const size_t m = m_tokens.size();
    size_t ti = 0, si = 0;
    size_t starT = SIZE_MAX, starS = 0;
    // Right after a "*" a literal can only match where its character occurs:
    // go there at once instead of trying every position on the way. False
    // when it occurs nowhere further, so that nothing can match any more.
    auto skipToLiteral = [&] {
        if (ti < m && m_tokens[ti].kind == Kind::Literal) {
            si = nextOf(s, si, n, m_tokens[ti].ch);
            starS = si;
        }
        return si < n;
    };
    while (si < n) {
        const Token* t = ti < m ? &m_tokens[ti] : nullptr;
        if (t && t->kind == Kind::AnyRun) {
            starT = ti++;
            starS = si;
            if (ti == m)
                return true; // a "*" at the end takes the rest
            if (!skipToLiteral())
                return false;
        } else if (t && (t->kind == Kind::Literal ? t->ch == s[si] : tokenMatches(*t, s[si]))) {
            ++ti;
            ++si;
        } else if (starT != SIZE_MAX) {
            ti = starT + 1;
            si = ++starS;
            if (!skipToLiteral())
                return false;
        } else {
            return false;
        }
    }
    while (ti < m && m_tokens[ti].kind == Kind::AnyRun)
        ++ti;
    return ti == m;
}

bool JetPattern::matches(QStringView text) const {
    thread_local std::u32string buf;
    decodeFoldedUtf16(text, buf);
    return matchFolded(buf.data(), buf.size());
}

bool JetPattern::matchesUtf8(const char* text, int length) const {
    // Nearly every value is plain ASCII: match its bytes without decoding.
    if (isAsciiText(text, size_t(length)))
        return matchFolded(AsciiFolded{reinterpret_cast<const unsigned char*>(text)},
                           size_t(length));
    thread_local std::u32string buf;
    decodeFoldedUtf8(reinterpret_cast<const unsigned char*>(text), length, buf);
    return matchFolded(buf.data(), buf.size());
}

QString JetPattern::escape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'*' || c == u'%' || c == u'?' || c == u'_' || c == u'#' || c == u'[') {
            out += u'[';
            out += c;
            out += u']';
        } else {
            out += c;
        }
    }
    return out;
}

bool jetLike(QStringView text, QStringView pattern) {
    return JetPattern(pattern).matches(text);
}

namespace {

void deletePattern(void* p) {
    delete static_cast<JetPattern*>(p);
}

// like(pattern, text): the compiled pattern is cached on the statement for as
// long as the pattern argument stays the same.
void sqlLike(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc < 2)
        return;
    // This runs once per row: the type is only asked when there is no text.
    const char* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    if (!t && sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return; // NULL, as SQL wants
    const int tn = t ? sqlite3_value_bytes(argv[1]) : 0;
    // Cached only for a pattern that is not NULL and stays the same.
    if (auto* cached = static_cast<JetPattern*>(sqlite3_get_auxdata(ctx, 0))) {
        sqlite3_result_int(ctx, cached->matchesUtf8(t ? t : "", tn));
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    const char* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    auto pat = std::make_unique<JetPattern>(p ? p : "", p ? sqlite3_value_bytes(argv[0]) : 0);
    sqlite3_result_int(ctx, pat->matchesUtf8(t ? t : "", tn));
    // SQLite may destroy the pattern at once; it is not touched after this.
    sqlite3_set_auxdata(ctx, 0, pat.release(), deletePattern);
}

} // namespace

int installJetLike(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function_v2(db, "like", 2, flags, nullptr, sqlLike, nullptr, nullptr,
                                        nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "like", 3, flags, nullptr, sqlLike, nullptr, nullptr,
                                        nullptr);
    return rc;
}

} // namespace rvl92
