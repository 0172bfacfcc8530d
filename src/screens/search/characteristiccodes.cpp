#include "screens/search/characteristiccodes.h"

namespace rvl92::search {

QString levelCode(QStringView text) {
    return text.left(2).toString();
}

QString directionCode(QStringView text) {
    return text.left(4).trimmed().toString();
}

QString workTypeCode(QStringView text) {
    return text.left(3).toString();
}

QString skillCode(QStringView text) {
    return text.left(3).toString();
}

QStringList groupDirections(const QStringList& rows) {
    QStringList out;
    for (const QString& s : rows) {
        const QString c = s.left(3).trimmed();
        if (c.size() != 2) {
            out << s;
            continue;
        }
        if (c != QStringLiteral("01"))
            out << QString();
        out << QStringLiteral("  ") + s << QString();
    }
    return out;
}

int sortedPosition(const QStringList& list, const QString& code) {
    int i = 0;
    while (i < list.size() && list[i].compare(code, Qt::CaseInsensitive) <= 0)
        ++i;
    return i;
}

Choice chooseCode(QStringList& list, const QString& code, int max) {
    if (list.contains(code))
        return Choice::AlreadyChosen;
    if (list.size() >= max)
        return Choice::Full;
    list.insert(sortedPosition(list, code), code);
    return Choice::Added;
}

QString buttonText(QStringView code) {
    return code.left(10).toString() + QStringLiteral(" . . . .");
}

} // namespace rvl92::search
