#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <vector>

struct sqlite3;

namespace rvl92 {

// The Jet `Like` operator: "*" and "%" match any run of characters, "?" and "_"
// exactly one, "#" one decimal digit, "[abc]", "[a-z]" and "[!abc]" one character
// of (or not of) a set. Letters compare without regard to case, accented ones
// included (É matches é). A "[" without its "]" stands for itself, so a pattern
// typed by a user never fails.
class JetPattern {
public:
    explicit JetPattern(QStringView pattern);
    explicit JetPattern(const char* utf8, int length);

    bool matches(QStringView text) const;
    bool matchesUtf8(const char* text, int length) const;

    // Puts "[" "]" around every character that would otherwise be a wildcard,
    // so that `text` matches itself literally inside a pattern.
    static QString escape(QStringView text);

private:
    enum class Kind : unsigned char { Literal, AnyOne, Digit, AnyRun, Set };
    struct Token {
        Kind kind;
        bool negate = false;
        char32_t ch = 0;  // Literal: the case-folded character
        int setBegin = 0; // Set: [setBegin, setEnd) in m_ranges
        int setEnd = 0;
    };
    struct Range {
        char32_t lo, hi;
    };

    void compile(const std::u32string& folded);
    // `text[i]` gives the i-th case-folded character.
    template <typename Text> bool matchFolded(const Text& text, size_t n) const;
    bool tokenMatches(const Token& t, char32_t c) const;

    std::vector<Token> m_tokens;
    std::vector<Range> m_ranges;
};

bool jetLike(QStringView text, QStringView pattern);

// Case folding used by every text comparison of the program (jump, find, like).
char32_t foldCase(char32_t c);
QString foldCase(QStringView s);
// Decodes text into case-folded code points (out is cleared first). Malformed
// UTF-8 bytes are kept as distinct stand-ins, so no two texts fold together by
// accident.
void foldUtf8(const char* text, int length, std::u32string& out);
void foldUtf16(QStringView text, std::u32string& out);
// Whether the text is plain ASCII (its folded form is then its bytes lowered).
bool isAsciiText(const char* text, size_t length);
// Whether the folded UTF-8 text begins with (or, when `exact`, equals) the
// folded key; stops at the first difference without decoding the rest.
bool foldedUtf8StartsWith(const char* text, int length, const std::u32string& key, bool exact);

// Replaces SQLite's like() on this connection by the Jet operator above. Returns
// SQLite's result code.
int installJetLike(sqlite3* db);

} // namespace rvl92
