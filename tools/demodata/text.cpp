#include "text.h"

namespace demodata {

QByteArray sortKey(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) {
            folded.append(c);
        }
    }
    return folded.toCaseFolded().toUtf8();
}

QString capitalised(const QString& text) {
    if (text.isEmpty() || !text.front().isLower()) {
        return text;
    }
    QString result = text;
    result[0] = result.front().toUpper();
    return result;
}

} // namespace demodata
