#include "rtfwriter.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace docs {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr int kListIndentTwips = 360;

int twips(double pixels) {
    return int(std::lround(pixels * kTwipsPerPixel));
}

// windows-1252 bytes 0x80..0x9F; 0xA0..0xFF equal Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The windows-1252 byte of a character, or 0 when the code page lacks it.
unsigned char cp1252Byte(char16_t u) {
    if (u >= 0xA0 && u <= 0xFF)
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == u && u >= 0x100)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

QByteArray escaped(const QString& text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == '\n') {
            out += "\\line ";
        } else if (u == 0x00A0) {
            out += "\\~";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u < 0x20) {
            continue; // control characters have no place in the text
        } else if (const unsigned char byte = cp1252Byte(u)) {
            out += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

QByteArray alignment(Qt::Alignment a) {
    if (a & Qt::AlignHCenter)
        return "\\qc";
    if (a & Qt::AlignRight)
        return "\\qr";
    if (a & Qt::AlignJustify)
        return "\\qj";
    return "\\ql";
}

QByteArray listMarker(const QTextBlock& block) {
    const QTextList* list = block.textList();
    const QTextListFormat::Style style = list->format().style();
    if (style == QTextListFormat::ListDecimal)
        return QByteArray::number(list->itemNumber(block) + 1) + ".\\tab ";
    return "\\bullet\\tab ";
}

QByteArray paragraph(const QTextBlock& block) {
    const QTextBlockFormat b = block.blockFormat();
    QByteArray out = "\\pard" + alignment(b.alignment());
    out += "\\sb" + QByteArray::number(twips(b.topMargin()));
    out += "\\sa" + QByteArray::number(twips(b.bottomMargin()));
    int left = twips(b.leftMargin());
    int first = twips(b.textIndent());
    // The layout measures tab stops from where the first line starts, rich
    // text from the margin.
    QList<int> tabs;
    for (const QTextOption::Tab& t : b.tabPositions())
        tabs << twips(t.position) + left + first;
    if (const QTextList* list = block.textList()) {
        const int level = std::max(1, list->format().indent());
        left = level * kListIndentTwips + kListIndentTwips / 2;
        first = -kListIndentTwips;
        tabs = {left};
    }
    if (left)
        out += "\\li" + QByteArray::number(left);
    if (first)
        out += "\\fi" + QByteArray::number(first);
    for (int t : tabs)
        out += "\\tx" + QByteArray::number(t);
    out += ' ';
    if (block.textList())
        out += listMarker(block);

    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat f = fragment.charFormat();
        out += '{';
        if (f.fontWeight() >= QFont::Bold)
            out += "\\b";
        if (f.fontItalic())
            out += "\\i";
        if (f.fontUnderline())
            out += "\\ul";
        if (f.fontFixedPitch())
            out += "\\f1";
        const double points = f.fontPointSize() > 0 ? f.fontPointSize() : 10.5;
        out += "\\fs" + QByteArray::number(int(std::lround(points * 2)));
        out += ' ' + escaped(fragment.text()) + '}';
    }
    out += "\\par\r\n";
    return out;
}

} // namespace

QByteArray toRtf(const QTextDocument& doc, const QString& title) {
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                     "{\\f1\\fmodern\\fcharset0 Courier New;}}\r\n";
    if (!title.isEmpty())
        out += "{\\info{\\title " + escaped(title) + "}}\r\n";
    out += "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\r\n";
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out += paragraph(b);
    out += "}\r\n";
    return out;
}

} // namespace docs
