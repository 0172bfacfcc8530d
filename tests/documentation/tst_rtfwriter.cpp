// The rich text that the documentation generator writes, read back by the
// program's own reader: characters, formatting and layout survive the trip.
#include "documentation/rtfreader.h"
#include "richtext.h"
#include "rtfwriter.h"
#include "support/datarow.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace rvl92;

namespace {

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

QTextCharFormat formatAt(QTextDocument& doc, const QString& needle) {
    const QTextCursor found = doc.find(needle);
    QTextCursor c(&doc);
    c.setPosition(found.isNull() ? 0 : found.selectionStart() + 1);
    return c.charFormat();
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT
private slots:
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

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
