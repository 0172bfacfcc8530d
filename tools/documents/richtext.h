#pragma once

#include <QString>

#include <memory>

class QTextDocument;

namespace docs {

// A document of the installed tree, read from Markdown and given the house
// style: explicit fonts and sizes, bold headings, hanging indents for lines
// that hold a tab ("code<TAB>name"). Both the PDF and the RTF are made from it.
std::unique_ptr<QTextDocument> documentFromMarkdown(const QString& markdown);

// Text put into Markdown as it is: the characters that Markdown would read as
// markup are escaped.
QString markdownLiteral(const QString& text);

// Prints the document to an A4 PDF with page numbers. False when the file
// cannot be written.
bool writePdf(QTextDocument& doc, const QString& path, const QString& title);

// The tab stop of tab lines, in twips.
constexpr int kTabTwips = 1250;

} // namespace docs
