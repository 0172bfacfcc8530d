#include "richtext.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace docs {

namespace {

constexpr double kBodyPoints = 10.5;
constexpr double kCodePoints = 9.5;
constexpr double kHeadingPoints[] = {18.0, 14.0, 12.0, 11.0};
constexpr double kTwipsPerPixel = 15.0;

QFont bodyFont() {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(kBodyPoints);
    return f;
}

// Gives one block its character formats (sizes, heading weight, code font)
// and its spacing.
void styleBlock(QTextBlock block) {
    const int level = block.blockFormat().headingLevel();
    QTextCursor cursor(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        QTextCharFormat f = fragment.charFormat();
        f.clearProperty(QTextFormat::FontSizeAdjustment);
        if (level > 0) {
            f.setFontWeight(QFont::Bold);
            f.setFontPointSize(kHeadingPoints[std::min(level, 4) - 1]);
        } else if (f.fontFixedPitch()) {
            f.setFontFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Courier New")});
            f.setFontPointSize(kCodePoints);
        } else {
            f.setFontPointSize(kBodyPoints);
        }
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(f);
    }
    QTextBlockFormat b = block.blockFormat();
    if (level > 0) {
        b.setTopMargin(level == 1 ? 0 : 14);
        b.setBottomMargin(6);
    } else {
        b.setTopMargin(4);
        b.setBottomMargin(4);
    }
    if (!block.textList() && block.text().contains(QLatin1Char('\t'))) {
        const double tab = kTabTwips / kTwipsPerPixel;
        b.setTabPositions({QTextOption::Tab(tab, QTextOption::LeftTab)});
        b.setLeftMargin(tab);
        b.setTextIndent(-tab);
        b.setTopMargin(0);
        b.setBottomMargin(0);
    }
    cursor.setBlockFormat(b);
}

} // namespace

std::unique_ptr<QTextDocument> documentFromMarkdown(const QString& markdown) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(bodyFont());
    doc->setMarkdown(markdown, QTextDocument::MarkdownNoHTML);
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        styleBlock(b);
    return doc;
}

QString markdownLiteral(const QString& text) {
    static const QString special = QStringLiteral("\\`*_{}[]<>()#+-.!|~&");
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (special.contains(c))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

bool writePdf(QTextDocument& doc, const QString& path, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("RVL92"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
        doc.print(&writer);
    }
    return file.commit();
}

} // namespace docs
