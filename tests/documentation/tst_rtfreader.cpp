// The program's own rich-text reader: formatting, characters, skipped parts,
// bad input; and the rich text that the documentation generator writes, read
// back by it: characters, formatting and layout survive the trip. (The help
// files that the build installs are read in the help window's test.)
#include "documentation/rtfreader.h"
#include "richtext.h"
#include "rtfwriter.h"
#include "support/datarow.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace rvl92;

namespace {

QString plain(const QByteArray& rtf, RtfStatus* status = nullptr) {
    QTextDocument doc;
    const RtfStatus s = readRtf(rtf, &doc);
    if (status)
        *status = s;
    // Raw text keeps line separators and no-break spaces; paragraphs become \n.
    return doc.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// The document written as RTF and read back.
std::unique_ptr<QTextDocument> roundTrip(const QString& markdown, QByteArray* rtf = nullptr) {
    const std::unique_ptr<QTextDocument> source = docs::documentFromMarkdown(markdown);
    const QByteArray bytes = docs::toRtf(*source, QStringLiteral("Titel"));
    if (rtf)
        *rtf = bytes;
    auto back = std::make_unique<QTextDocument>();
    if (readRtf(bytes, back.get()) != RtfStatus::Ok)
        return {};
    return back;
}

// The format of the first character of `needle` in the document.
QTextCharFormat formatAt(QTextDocument& doc, const QString& needle) {
    const QTextCursor found = doc.find(needle);
    if (found.isNull())
        return {};
    QTextCursor c(&doc);
    c.setPosition(found.selectionStart() + 1);
    return c.charFormat();
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    // Well-formed input, and bad input: that never crashes and always gives a
    // defined result.
    void text_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected");
        const int notRtf = int(RtfStatus::NotRtf), damaged = int(RtfStatus::Damaged);
        const auto ok = [](const char* tag, const QByteArray& rtf, const QString& expected) {
            row(tag, rtf, int(RtfStatus::Ok), expected);
        };
        ok("paragraphs", QByteArray(R"({\rtf1 Een\par Twee\par})"), "Een\nTwee");
        ok("source line ends are no text", QByteArray("{\\rtf1 Een\r\n twee\\par\n}"), "Een twee");
        ok("tab and line break", QByteArray(R"({\rtf1 Ctrl+O\tab Vorige\line volgende regel})"),
           QString("Ctrl+O\tVorige") + QChar(QChar::LineSeparator) + "volgende regel");
        ok("windows-1252 escapes", QByteArray(R"({\rtf1\ansi caf\'e9 \'80 \'93a\'94})"),
           QString::fromUtf8("café € “a”"));
        ok("other code page", QByteArray(R"({\rtf1\ansi\ansicpg1250 \'9a\'e8})"),
           QString::fromUtf8("šč"));
        ok("unicode with fallback", QByteArray(R"({\rtf1 \u8364?\u-3913?\uc2\u351**x})"),
           QString::fromUtf8("€\uF0B7şx"));
        ok("unicode fallback as hex", QByteArray(R"({\rtf1 \u233\'e9 klaar})"),
           QString::fromUtf8("é klaar"));
        ok("surrogate pair", QByteArray(R"({\rtf1 \u-10179?\u-8704?})"),
           QString::fromUtf8("\U0001F600"));
        ok("escaped braces and backslash", QByteArray(R"({\rtf1 \{a\}\\b})"), "{a}\\b");
        ok("named characters",
           QByteArray(R"({\rtf1 \bullet\~\endash\emdash\lquote x\rquote\ldblquote y\rdblquote})"),
           QString::fromUtf8("•\u00A0–—‘x’“y”"));
        ok("optional hyphen and non-breaking hyphen", QByteArray(R"({\rtf1 beroeps\-niveau 1\_2})"),
           QString("beroepsniveau 1") + QChar(0x2011) + "2");
        ok("tables, info, stylesheet skipped",
           QByteArray(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1 Courier;}})"
                      R"({\colortbl;\red255\green0\blue0;}{\stylesheet{\s1 Kop;}})"
                      R"({\info{\title Titel}{\author Iemand}}Tekst})"),
           "Tekst");
        ok("destination after a line end", QByteArray("{\\rtf1 a{\r\n\\info{\\title x}}b}"), "ab");
        ok("starred destination skipped",
           QByteArray(R"({\rtf1 a{\*\generator Writer;}{\*\onbekend {geneste} tekst}b})"), "ab");
        ok("picture with binary data skipped", QByteArray("{\\rtf1 a{\\pict\\bin4 }}{}b}c}"), "ac");
        ok("field shows its result",
           QByteArray(R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt zie hier}}.})"),
           "zie hier.");
        ok("unknown words ignored", QByteArray(R"({\rtf1\paperw11906\f0\cf2 tekst\zzz9 !})"),
           "tekst!");
        ok("table cells", QByteArray(R"({\rtf1 \trowd a\cell b\cell\row c})"), "a\tb\t\nc");
        ok("text after the document", QByteArray(R"({\rtf1 binnen}buiten)"), "binnen");
        // Bad input.
        row("empty", QByteArray(), notRtf, "");
        row("plain text", QByteArray("Gewone tekst"), notRtf, "");
        ok("leading blanks and BOM", QByteArray("\xEF\xBB\xBF  {\\rtf1 ja}"), "ja");
        row("ends early", QByteArray(R"({\rtf1 Een\par Tw)"), damaged, "Een\nTw");
        row("ends in a control word", QByteArray(R"({\rtf1 tekst\b)"), damaged, "tekst");
        row("ends after backslash", QByteArray("{\\rtf1 tekst\\"), damaged, "tekst");
        row("ends in a hex escape", QByteArray(R"({\rtf1 caf\'e)"), damaged, "caf");
        ok("bad hex escape", QByteArray(R"({\rtf1 a\'zzb})"), "ab");
        ok("too many closing braces", QByteArray(R"({\rtf1 a}})"), "a");
        row("unbalanced inner group", QByteArray(R"({\rtf1 a{\b b)"), damaged, "ab");
        ok("huge numbers", QByteArray(R"({\rtf1\fs99999999999999\li-99999999999 x\u99999999?})"),
           QString("x") + QChar(char16_t(57599))); // 99999999 as 16 bits
        row("binary longer than the data", QByteArray("{\\rtf1 a\\bin99999 xyz"), damaged, "a");
        row("nesting too deep",
            QByteArray("{\\rtf1 a" + QByteArray(100000, '{') + "b" + QByteArray(100000, '}') + "}"),
            damaged, "a");
        ok("NUL bytes", QByteArray("{\\rtf1 a\0b}", 11), "ab");
    }
    void text() {
        QFETCH(QByteArray, rtf);
        QFETCH(int, status);
        QFETCH(QString, expected);
        RtfStatus s;
        QCOMPARE(plain(rtf, &s), expected);
        QCOMPARE(int(s), status);
    }

    void characterFormats() {
        QTextDocument doc;
        QCOMPARE(readRtf(R"({\rtf1\fs20 gewoon {\b vet} {\i schuin} {\ul onder\ulnone af} )"
                         R"({\fs36 groot} {\b\i beide\b0 alleen} {\strike weg} x{\super 2}\plain )"
                         R"(na})",
                         &doc),
                 RtfStatus::Ok);
        QCOMPARE(formatAt(doc, "gewoon").fontPointSize(), 10.0);
        QCOMPARE(formatAt(doc, "gewoon").fontWeight(), int(QFont::Normal));
        QCOMPARE(formatAt(doc, "vet").fontWeight(), int(QFont::Bold));
        QVERIFY(formatAt(doc, "schuin").fontItalic());
        QVERIFY(!formatAt(doc, "vet").fontItalic());
        QVERIFY(formatAt(doc, "onder").fontUnderline());
        QVERIFY(!formatAt(doc, "af").fontUnderline());
        QCOMPARE(formatAt(doc, "groot").fontPointSize(), 18.0);
        QCOMPARE(formatAt(doc, "beide").fontWeight(), int(QFont::Bold));
        QVERIFY(formatAt(doc, "beide").fontItalic());
        QCOMPARE(formatAt(doc, "alleen").fontWeight(), int(QFont::Normal));
        QVERIFY(formatAt(doc, "alleen").fontItalic());
        QVERIFY(formatAt(doc, "weg").fontStrikeOut());
        QCOMPARE(formatAt(doc, "2").verticalAlignment(), QTextCharFormat::AlignSuperScript);
        // A group ends its formatting; \plain ends all of it.
        QCOMPARE(formatAt(doc, " x").fontPointSize(), 10.0);
        QCOMPARE(formatAt(doc, "na").fontPointSize(), 12.0);
        QVERIFY(!formatAt(doc, "na").fontItalic());
    }

    void paragraphFormats() {
        QTextDocument doc;
        QCOMPARE(readRtf(R"({\rtf1\pard\qc Midden\par\pard\li720\fi-360\sb120\sa240\tx1440 )"
                         R"(Inspringen\par\pard\qr Rechts\par Nog rechts\par\pard Links})",
                         &doc),
                 RtfStatus::Ok);
        QCOMPARE(doc.blockCount(), 5);
        QCOMPARE(doc.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
        const QTextBlockFormat indented = doc.findBlockByNumber(1).blockFormat();
        QCOMPARE(indented.leftMargin(), 48.0);
        QCOMPARE(indented.textIndent(), -24.0);
        QCOMPARE(indented.topMargin(), 8.0);
        QCOMPARE(indented.bottomMargin(), 16.0);
        QCOMPARE(indented.tabPositions().size(), 1);
        // 1440 twips from the margin is 1080 from where the first line starts.
        QCOMPARE(indented.tabPositions().first().position, 72.0);
        // Paragraph settings hold until \pard.
        QCOMPARE(doc.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);
        QCOMPARE(doc.findBlockByNumber(3).blockFormat().alignment(), Qt::AlignRight);
        QCOMPARE(doc.findBlockByNumber(4).blockFormat().alignment(), Qt::AlignLeft);
        QCOMPARE(doc.findBlockByNumber(4).blockFormat().leftMargin(), 0.0);
    }

    void randomBytesNeverCrash() {
        QRandomGenerator rng(92);
        const QByteArray alphabet = R"({}\'*abcdefghijklmnopqrstuvwxyz0123456789- )";
        for (int round = 0; round < 300; ++round) {
            QByteArray data = "{\\rtf1 ";
            const int n = int(rng.bounded(400));
            for (int i = 0; i < n; ++i)
                data += alphabet.at(int(rng.bounded(alphabet.size())));
            QTextDocument doc;
            readRtf(data, &doc); // only that it returns
        }
    }

    void replacesEarlierContent() {
        QTextDocument doc;
        doc.setPlainText("oud");
        QCOMPARE(readRtf("geen rtf", &doc), RtfStatus::NotRtf);
        QCOMPARE(doc.toPlainText(), QString());
    }

    void characters_data() {
        QTest::addColumn<QString>("text");
        row("ascii", "Gewone tekst, met leestekens: ; ! ?");
        row("windows-1252", QString::fromUtf8("café één € “a” – b"));
        row("beyond the code page", QString::fromUtf8("Łódź şi ∑ 😀"));
        row("rich-text signs", "a \\{b\\} \\\\ c");
    }
    void characters() {
        QFETCH(QString, text);
        QByteArray rtf;
        const auto doc = roundTrip(text, &rtf);
        QVERIFY(doc);
        const auto expected = docs::documentFromMarkdown(text);
        QCOMPARE(doc->toPlainText(), expected->toPlainText());
        for (char c : rtf)
            QVERIFY(static_cast<unsigned char>(c) < 0x80); // plain ASCII on disk
    }

    void formatting() {
        auto doc =
            roundTrip("# Kop\n\nGewoon **vet** en *schuin* en `code`.\n\n## Tweede\n\ntekst\n");
        QVERIFY(doc);
        QCOMPARE(formatAt(*doc, "Kop").fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(*doc, "Kop").fontPointSize(), 18.0);
        QCOMPARE(formatAt(*doc, "Tweede").fontPointSize(), 14.0);
        QCOMPARE(formatAt(*doc, "Gewoon").fontWeight(), int(QFont::Normal));
        QCOMPARE(formatAt(*doc, "Gewoon").fontPointSize(), 10.5);
        QCOMPARE(formatAt(*doc, "vet").fontWeight(), int(QFont::Bold));
        QVERIFY(formatAt(*doc, "schuin").fontItalic());
        QCOMPARE(formatAt(*doc, "code").fontPointSize(), 9.5);
    }

    // Lists become a bullet or number before a tab, with the following lines
    // indented to the text; "code<TAB>name" lines keep their tab stop.
    void layout() {
        auto doc = roundTrip("- een\n- twee\n\n1. eerste\n2. tweede\n\n13101\tOogsthulp\n");
        QVERIFY(doc);
        QStringList blocks;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            blocks << b.text();
        QCOMPARE(blocks, (QStringList{QString::fromUtf8("•\teen"), QString::fromUtf8("•\ttwee"),
                                      "1.\teerste", "2.\ttweede", "13101\tOogsthulp"}));
        const QTextBlockFormat item = doc->firstBlock().blockFormat();
        QVERIFY(item.leftMargin() > 0);
        QVERIFY(item.textIndent() < 0);
        // The tab lands where the following lines start.
        QCOMPARE(item.tabPositions().size(), 1);
        QCOMPARE(item.leftMargin() + item.textIndent() + item.tabPositions().first().position,
                 item.leftMargin());
        const QTextBlockFormat code = doc->lastBlock().blockFormat();
        QCOMPARE(code.tabPositions().size(), 1);
        QCOMPARE(code.tabPositions().first().position, docs::kTabTwips / 15.0);
    }

    void markdownLiteral() {
        const QString name = "1. *Monteur* [#3] _x_ <b> `y` 100% \\";
        const auto doc = docs::documentFromMarkdown(docs::markdownLiteral(name));
        QCOMPARE(doc->toPlainText(), name);
    }
};

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
