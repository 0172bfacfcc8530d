#pragma once

#include <QByteArray>

class QTextDocument;

namespace rvl92 {

enum class RtfStatus {
    Ok,
    NotRtf,  // the data does not begin as rich text; the document stays empty
    Damaged, // unbalanced groups, ended early or nested too deep; what was read is kept
};

// Reads rich text (RTF) into `doc`, which is cleared first: paragraphs with
// their alignment, indents, spacing and tab stops; bold, italic, underline,
// strike-out, raised and lowered text and font sizes; tabs, line breaks, the
// named special characters, \'hh in the document's code page (windows-1252
// unless it names another) and \u escapes. Font, colour and style tables,
// document information, pictures, objects and every destination marked \* are
// skipped. Never fails on bad input: the status says how it went.
RtfStatus readRtf(const QByteArray& rtf, QTextDocument* doc);

} // namespace rvl92
