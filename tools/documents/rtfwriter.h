#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace docs {

// Writes a document as rich text (RTF) that word processors open and that the
// program's own help window reads: paragraphs with alignment, spacing, indents
// and tab stops, list items as a bullet or number before a tab, bold, italic,
// underline, code font and font sizes. Plain ASCII only: other characters are
// written as windows-1252 \'hh escapes, or \u escapes beyond that code page.
QByteArray toRtf(const QTextDocument& doc, const QString& title = QString());

} // namespace docs
