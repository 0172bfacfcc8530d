#include "screens/search/codepatroon.h"

#include "data/sqltext.h"
#include "screens/search/zoektekst.h"

namespace rvl92::zoeken {

CodeToetsGevolg codeVakToets(const CodeBoxes& vakken, int vak, int toets) {
    constexpr int eerste = 0;
    constexpr int laatste = CodeBoxCount - 1;
    CodeToetsGevolg g{vakken, vak, false};
    const int volgende = vak < laatste ? vak + 1 : vak;
    const bool cijfer = toets >= '0' && toets <= '9';

    if (cijfer || toets == ToetsSpatie) {
        g.vakken[vak] = cijfer ? QString(QChar(toets)) : QStringLiteral("#");
        g.focus = volgende;
        g.knoppenAan = true;
    } else if (toets == ToetsBackspace) {
        if (vak == eerste) {
            g.vakken[vak].clear();
            g.knoppenAan = true;
        } else if (vak == laatste && !vakken[vak].isEmpty()) {
            g.vakken[vak].clear();
        } else {
            // The previous box is cleared and takes the focus; this one keeps its digit.
            g.vakken[vak - 1].clear();
            g.focus = vak - 1;
        }
    } else if (toets == ToetsEnter && vak == eerste) {
        g.focus = volgende;
        g.knoppenAan = true;
    } else {
        g.vakken[vak] = QStringLiteral(" ");
        // Only the outer boxes enable the buttons on such a key.
        g.knoppenAan = vak == eerste || vak == laatste;
    }
    return g;
}

CodeBoxes codeVakkenVoorZoeken(const CodeBoxes& vakken) {
    CodeBoxes out = vakken;
    for (QString& v : out)
        if (v.isEmpty() || v == QStringLiteral(" "))
            v = QStringLiteral("#");
    return out;
}

QString codeZoekQuery(QStringView patroon) {
    return QStringLiteral("select RVL92, functienaam, beroep ") +
           QStringLiteral(" from functienamen where ") + QStringLiteral(" RVL92 Like '") +
           sqlLiteralText(patroon) + QStringLiteral("'");
}

QString vasteBeginCijfers(QStringView patroon) {
    qsizetype n = 0;
    while (n < patroon.size() && patroon[n] >= u'0' && patroon[n] <= u'9')
        ++n;
    return patroon.first(n).toString();
}

Uitvoering codeZoekUitvoering(QStringView patroon, bool bereikViaIndex) {
    const QString van = vasteBeginCijfers(patroon);
    if (!bereikViaIndex || van.isEmpty())
        return {codeZoekQuery(patroon)};
    if (van.size() == patroon.size())
        // A whole code is one key of the index, which holds its rows in rowid
        // order: SQLite gives them in table order without sorting.
        return {codeZoekQuery(patroon) + QStringLiteral(" and RVL92 = '") + van +
                QStringLiteral("' order by rowid")};
    // A digit has no other case, so a code the pattern matches begins with
    // exactly these bytes and sorts from `van` up to just before `tot` ("39"
    // runs to "3:"). The index gives the rows by code; their rowid puts them
    // back in table order, the order in which the written query's scan
    // returns them.
    QString tot = van;
    tot.back() = QChar(tot.back().unicode() + 1);
    return {QStringLiteral("select RVL92, functienaam, beroep, rowid ") +
                QStringLiteral(" from functienamen where ") + QStringLiteral(" RVL92 Like '") +
                sqlLiteralText(patroon) + QStringLiteral("' and RVL92 >= '") + van +
                QStringLiteral("' and RVL92 < '") + tot + QStringLiteral("'"),
            Recordset::Order::ByKeyColumn};
}

} // namespace rvl92::zoeken
