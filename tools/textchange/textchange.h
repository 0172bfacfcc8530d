#pragma once

#include <QString>
#include <QStringList>

// Small text helpers shared by the programs that change demonstration titles
// the way people write them: the evaluation-set generator and the coding
// benchmark. Header-only, so neither depends on the other.
namespace textchange {

// The text without its accents: "café" gives "cafe".
inline QString stripAccents(const QString& text) {
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out;
}

// Index of the longest word (the first of equally long ones); 0 when empty.
inline int longestWord(const QStringList& words) {
    int best = 0;
    for (int i = 1; i < words.size(); ++i)
        if (words[i].size() > words[best].size())
            best = i;
    return best;
}

} // namespace textchange
