#include "documentation/rtfreader.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace rvl92 {

namespace {

constexpr int kMaxDepth = 256; // deeper nesting is not rich text a person wrote
constexpr int kDefaultHalfPoints = 24;
constexpr double kTwipsPerPixel = 15.0; // layout units of QTextDocument at 96 dpi

// windows-1252 for 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int raise = 0; // 1 superscript, -1 subscript
    int halfPoints = kDefaultHalfPoints;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0; // twips
    QList<int> tabs;                                           // twips
};

struct GroupState {
    CharState chr;
    ParaState para;
    int uc = 1;        // characters that stand in for a \u character
    bool skip = false; // inside a destination that is not shown
};

// Control words that start a group whose content is not shown.
bool isSkippedDestination(const QByteArray& word) {
    static const QList<QByteArray> words = {"fonttbl",
                                            "colortbl",
                                            "stylesheet",
                                            "info",
                                            "pict",
                                            "object",
                                            "header",
                                            "headerl",
                                            "headerr",
                                            "headerf",
                                            "footer",
                                            "footerl",
                                            "footerr",
                                            "footerf",
                                            "footnote",
                                            "annotation",
                                            "fldinst",
                                            "listtable",
                                            "listoverridetable",
                                            "rsidtbl",
                                            "generator",
                                            "themedata",
                                            "colorschememapping",
                                            "latentstyles",
                                            "datastore",
                                            "xmlnstbl",
                                            "filetbl",
                                            "revtbl",
                                            "userprops",
                                            "template",
                                            "nonshppict",
                                            "pn",
                                            "private",
                                            "atnid",
                                            "atnauthor",
                                            "bkmkstart",
                                            "bkmkend",
                                            "xe",
                                            "tc"};
    return words.contains(word);
}

std::optional<char16_t> specialCharacter(const QByteArray& word) {
    static const QList<std::pair<QByteArray, char16_t>> table = {{"bullet", 0x2022},
                                                                 {"emdash", 0x2014},
                                                                 {"endash", 0x2013},
                                                                 {"lquote", 0x2018},
                                                                 {"rquote", 0x2019},
                                                                 {"ldblquote", 0x201C},
                                                                 {"rdblquote", 0x201D},
                                                                 {"emspace", 0x2003},
                                                                 {"enspace", 0x2002},
                                                                 {"qmspace", 0x2005},
                                                                 {"tab", u'\t'},
                                                                 {"cell", u'\t'},
                                                                 {"line", QChar::LineSeparator}};
    for (const auto& [name, c] : table)
        if (name == word)
            return c;
    return std::nullopt;
}

class Reader {
public:
    Reader(const QByteArray& data, QTextDocument* doc) : m_data(data), m_cursor(doc) {}

    RtfStatus run();

private:
    void controlWord(const QByteArray& word, std::optional<int> param);
    void controlSymbol(char c);
    void textByte(char byte);
    void textChar(QChar c);
    void flushBytes();
    void flushText();
    void endParagraph();
    void applyBlockFormat();
    QTextCharFormat charFormat() const;
    bool consumeSkip();

    const QByteArray& m_data;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_skipPending = 0; // fallback characters of a \u still to drop
    QByteArray m_bytes;    // text bytes not yet decoded
    QString m_text;        // decoded text not yet inserted
    QString m_codePage = QStringLiteral("windows-1252");
    bool m_atGroupStart = false;
    bool m_ended = false;
};

QTextCharFormat Reader::charFormat() const {
    QTextCharFormat f;
    f.setFontWeight(m_state.chr.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(m_state.chr.italic);
    f.setFontUnderline(m_state.chr.underline);
    f.setFontStrikeOut(m_state.chr.strike);
    f.setFontPointSize(m_state.chr.halfPoints / 2.0);
    f.setVerticalAlignment(m_state.chr.raise > 0   ? QTextCharFormat::AlignSuperScript
                           : m_state.chr.raise < 0 ? QTextCharFormat::AlignSubScript
                                                   : QTextCharFormat::AlignNormal);
    return f;
}

void Reader::flushBytes() {
    if (m_bytes.isEmpty())
        return;
    if (m_codePage == QLatin1String("windows-1252")) {
        for (char b : std::as_const(m_bytes)) {
            const auto u = static_cast<unsigned char>(b);
            m_text += (u >= 0x80 && u <= 0x9F) ? QChar(kCp1252High[u - 0x80]) : QChar(u);
        }
    } else {
        QStringDecoder decode(m_codePage.toLatin1().constData());
        m_text += decode.isValid() ? decode(m_bytes) : QString::fromLatin1(m_bytes);
    }
    m_bytes.clear();
}

void Reader::flushText() {
    flushBytes();
    if (m_text.isEmpty())
        return;
    m_cursor.insertText(m_text, charFormat());
    m_text.clear();
}

void Reader::applyBlockFormat() {
    const ParaState& p = m_state.para;
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setLeftMargin(p.left / kTwipsPerPixel);
    f.setRightMargin(p.right / kTwipsPerPixel);
    f.setTextIndent(p.first / kTwipsPerPixel);
    f.setTopMargin(p.before / kTwipsPerPixel);
    f.setBottomMargin(p.after / kTwipsPerPixel);
    // Rich text measures tab stops from the margin, the layout from where the
    // paragraph's first line starts.
    QList<QTextOption::Tab> tabs;
    for (int t : p.tabs)
        if (t > p.left + p.first)
            tabs.append(
                QTextOption::Tab((t - p.left - p.first) / kTwipsPerPixel, QTextOption::LeftTab));
    f.setTabPositions(tabs);
    m_cursor.setBlockFormat(f);
}

void Reader::endParagraph() {
    flushText();
    applyBlockFormat();
    m_cursor.insertBlock();
}

bool Reader::consumeSkip() {
    if (m_skipPending <= 0)
        return false;
    --m_skipPending;
    return true;
}

void Reader::textByte(char byte) {
    if (m_state.skip || consumeSkip())
        return;
    m_bytes += byte;
}

void Reader::textChar(QChar c) {
    if (m_state.skip)
        return;
    flushBytes();
    m_text += c;
}

void Reader::controlSymbol(char c) {
    switch (c) {
    case '\\':
    case '{':
    case '}':
        textByte(c);
        break;
    case '~':
        if (!consumeSkip())
            textChar(QChar(0x00A0));
        break;
    case '_':
        if (!consumeSkip())
            textChar(QChar(0x2011));
        break;
    case '*':
        if (m_atGroupStart)
            m_state.skip = true;
        break;
    case '\n':
    case '\r':
        if (!m_state.skip)
            endParagraph();
        break;
    default: // \- (optional hyphen), \: and the rest show nothing
        break;
    }
}

void Reader::controlWord(const QByteArray& word, std::optional<int> param) {
    const int n = param.value_or(1);
    const bool on = !param || *param != 0;
    if (word == "bin") {
        // Binary data follows; it is never shown.
        m_pos = std::min<qsizetype>(m_data.size(), m_pos + std::max(0, n));
        return;
    }
    if (m_atGroupStart && isSkippedDestination(word)) {
        m_state.skip = true;
        return;
    }
    if (m_state.skip)
        return;
    if (word == "u") {
        const char16_t unit = static_cast<char16_t>(n < 0 ? n + 65536 : n);
        textChar(QChar(unit));
        m_skipPending = m_state.uc;
        return;
    }
    if (const auto c = specialCharacter(word)) {
        if (!consumeSkip())
            textChar(QChar(*c));
        return;
    }
    // Formatting changes end the run of text written in the old format.
    flushText();
    CharState& chr = m_state.chr;
    ParaState& para = m_state.para;
    if (word == "par" || word == "sect" || word == "page" || word == "row") {
        endParagraph();
    } else if (word == "pard") {
        para = ParaState();
    } else if (word == "plain") {
        chr = CharState();
    } else if (word == "b") {
        chr.bold = on;
    } else if (word == "i") {
        chr.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
               word == "uldash" || word == "ulth" || word == "ulwave") {
        chr.underline = on;
    } else if (word == "ulnone") {
        chr.underline = false;
    } else if (word == "strike") {
        chr.strike = on;
    } else if (word == "super") {
        chr.raise = 1;
    } else if (word == "sub") {
        chr.raise = -1;
    } else if (word == "nosupersub") {
        chr.raise = 0;
    } else if (word == "fs") {
        chr.halfPoints = param ? std::clamp(*param, 2, 3276) : kDefaultHalfPoints;
    } else if (word == "ql") {
        para.align = Qt::AlignLeft;
    } else if (word == "qc") {
        para.align = Qt::AlignHCenter;
    } else if (word == "qr") {
        para.align = Qt::AlignRight;
    } else if (word == "qj") {
        para.align = Qt::AlignJustify;
    } else if (word == "li") {
        para.left = std::clamp(n, 0, 31680);
    } else if (word == "ri") {
        para.right = std::clamp(n, 0, 31680);
    } else if (word == "fi") {
        para.first = std::clamp(n, -31680, 31680);
    } else if (word == "sb") {
        para.before = std::clamp(n, 0, 31680);
    } else if (word == "sa") {
        para.after = std::clamp(n, 0, 31680);
    } else if (word == "tx") {
        if (para.tabs.size() < 64)
            para.tabs.append(std::clamp(n, 0, 31680));
    } else if (word == "uc") {
        m_state.uc = std::clamp(n, 0, 16);
    } else if (word == "ansicpg") {
        m_codePage = n == 65001 ? QStringLiteral("UTF-8") : QStringLiteral("windows-%1").arg(n);
        if (!QStringDecoder(m_codePage.toLatin1().constData()).isValid())
            m_codePage = QStringLiteral("windows-1252");
    }
    // Every other control word (fonts, colours, page layout, ...) shows nothing.
}

RtfStatus Reader::run() {
    qsizetype start = 0;
    if (m_data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < m_data.size() && QChar::isSpace(static_cast<unsigned char>(m_data[start])))
        ++start;
    if (m_data.mid(start, 5) != "{\\rtf")
        return RtfStatus::NotRtf;
    m_pos = start;
    bool damaged = false;

    while (m_pos < m_data.size() && !m_ended) {
        const char c = m_data[m_pos++];
        const bool groupStart = m_atGroupStart;
        if (c != '\r' && c != '\n') // a line end does not end a group's start
            m_atGroupStart = false;
        if (c == '{') {
            flushText();
            if (m_stack.size() >= kMaxDepth) {
                damaged = true;
                break;
            }
            m_stack.push_back(m_state);
            m_skipPending = 0;
            m_atGroupStart = true;
        } else if (c == '}') {
            flushText();
            m_skipPending = 0;
            if (m_stack.empty()) {
                damaged = true;
                break;
            }
            m_state = m_stack.back();
            m_stack.pop_back();
            m_ended = m_stack.empty();
        } else if (c == '\\') {
            if (m_pos >= m_data.size())
                break;
            const char next = m_data[m_pos];
            if (std::isalpha(static_cast<unsigned char>(next))) {
                QByteArray word;
                while (m_pos < m_data.size() && word.size() < 32 &&
                       std::isalpha(static_cast<unsigned char>(m_data[m_pos])))
                    word += m_data[m_pos++];
                std::optional<int> param;
                bool negative = false;
                if (m_pos < m_data.size() && m_data[m_pos] == '-') {
                    negative = true;
                    ++m_pos;
                }
                long long value = 0;
                int digits = 0;
                while (m_pos < m_data.size() &&
                       std::isdigit(static_cast<unsigned char>(m_data[m_pos]))) {
                    if (digits++ < 10)
                        value = value * 10 + (m_data[m_pos] - '0');
                    ++m_pos;
                }
                if (digits > 0)
                    param = int(std::clamp<long long>(negative ? -value : value, -2147483647LL,
                                                      2147483647LL));
                if (m_pos < m_data.size() && m_data[m_pos] == ' ')
                    ++m_pos;
                m_atGroupStart = groupStart;
                controlWord(word, param);
                m_atGroupStart = false;
            } else if (next == '\'') {
                ++m_pos;
                const QByteArray hex = m_data.mid(m_pos, 2);
                m_pos = std::min(m_data.size(), m_pos + 2);
                bool ok = hex.size() == 2 && std::isxdigit(static_cast<unsigned char>(hex[0])) &&
                          std::isxdigit(static_cast<unsigned char>(hex[1]));
                const int byte = ok ? hex.toInt(&ok, 16) : 0;
                if (ok)
                    textByte(char(byte));
            } else {
                ++m_pos;
                m_atGroupStart = groupStart;
                controlSymbol(next);
                m_atGroupStart = false;
            }
        } else if (c == '\t') {
            if (!consumeSkip())
                textChar(QLatin1Char('\t'));
        } else if (c != '\r' && c != '\n' && c != '\0') {
            textByte(c);
        }
    }
    if (!m_ended)
        damaged = true;
    flushText();
    applyBlockFormat();
    // A closing \par leaves an empty last paragraph behind.
    QTextBlock last = m_cursor.document()->lastBlock();
    if (last.text().isEmpty() && last.previous().isValid()) {
        m_cursor.movePosition(QTextCursor::End);
        m_cursor.deletePreviousChar();
    }
    return damaged ? RtfStatus::Damaged : RtfStatus::Ok;
}

} // namespace

RtfStatus readRtf(const QByteArray& rtf, QTextDocument* doc) {
    doc->clear();
    Reader reader(rtf, doc);
    return reader.run();
}

} // namespace rvl92
