#include "screens/search/codepattern.h"

#include "data/sqltext.h"
#include "screens/search/searchtext.h"

namespace rvl92::search {

CodeKeyResult codeBoxKey(const CodeBoxes& boxes, int box, int key) {
    constexpr int first = 0;
    constexpr int last = CodeBoxCount - 1;
    CodeKeyResult g{boxes, box, false};
    const int next = box < last ? box + 1 : box;
    const bool digit = key >= '0' && key <= '9';

    if (digit || key == KeySpace) {
        g.boxes[box] = digit ? QString(QChar(key)) : QStringLiteral("#");
        g.focus = next;
        g.enableButtons = true;
    } else if (key == KeyBackspace) {
        if (box == first) {
            g.boxes[box].clear();
            g.enableButtons = true;
        } else if (box == last && !boxes[box].isEmpty()) {
            g.boxes[box].clear();
        } else {
            // The previous box is cleared and takes the focus; this one keeps its digit.
            g.boxes[box - 1].clear();
            g.focus = box - 1;
        }
    } else if (key == KeyEnter && box == first) {
        g.focus = next;
        g.enableButtons = true;
    } else {
        g.boxes[box] = QStringLiteral(" ");
        // Only the outer boxes enable the buttons on such a key.
        g.enableButtons = box == first || box == last;
    }
    return g;
}

CodeBoxes codeBoxesForSearch(const CodeBoxes& boxes) {
    CodeBoxes out = boxes;
    for (QString& v : out)
        if (v.isEmpty() || v == QStringLiteral(" "))
            v = QStringLiteral("#");
    return out;
}

QString codeSearchQuery(QStringView pattern) {
    return QStringLiteral("select RVL92, functienaam, beroep ") +
           QStringLiteral(" from functienamen where ") + QStringLiteral(" RVL92 Like '") +
           sqlLiteralText(pattern) + QStringLiteral("'");
}

QString fixedLeadingDigits(QStringView pattern) {
    qsizetype n = 0;
    while (n < pattern.size() && pattern[n] >= u'0' && pattern[n] <= u'9')
        ++n;
    return pattern.first(n).toString();
}

QueryPlan codeSearchPlan(QStringView pattern, bool rangeViaIndex) {
    const QString low = fixedLeadingDigits(pattern);
    if (!rangeViaIndex || low.isEmpty())
        return {codeSearchQuery(pattern)};
    if (low.size() == pattern.size())
        // A whole code is one key of the index, which holds its rows in rowid
        // order: SQLite gives them in table order without sorting.
        return {codeSearchQuery(pattern) + QStringLiteral(" and RVL92 = '") + low +
                QStringLiteral("' order by rowid")};
    // A digit has no other case, so a code the pattern matches begins with
    // exactly these bytes and sorts from `low` up to just before `high` ("39"
    // runs to "3:"). The index gives the rows by code; their rowid puts them
    // back in table order, the order in which the written query's scan
    // returns them.
    QString high = low;
    high.back() = QChar(high.back().unicode() + 1);
    return {QStringLiteral("select RVL92, functienaam, beroep, rowid ") +
                QStringLiteral(" from functienamen where ") + QStringLiteral(" RVL92 Like '") +
                sqlLiteralText(pattern) + QStringLiteral("' and RVL92 >= '") + low +
                QStringLiteral("' and RVL92 < '") + high + QStringLiteral("'"),
            Recordset::Order::ByKeyColumn};
}

} // namespace rvl92::search
