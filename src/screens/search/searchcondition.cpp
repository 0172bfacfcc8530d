#include "screens/search/searchcondition.h"

#include "data/sqltext.h"
#include "screens/search/searchtext.h"

namespace rvl92::search {

namespace {

// One group "(col_k = 'x' OR col_k+1 = 'x' ... )" for the k-th chosen code.
// The further comparisons of the skills have no blank between "=" and the
// quote; the stored queries have always been written so.
QString orGroup(const QString& s, const QString& code, int k, int columns, const char* column,
                const char* further) {
    const QString x = sqlLiteralText(code);
    // The first term of the condition opens without "AND", also when the
    // lists before it gave nothing (an empty chosen code is skipped).
    QString g = s.isEmpty() ? QStringLiteral(" (") : QStringLiteral(" AND (");
    g += QString::fromLatin1(column) + QString::number(k + 1) + QStringLiteral(" = '") + x;
    for (int c = k + 2; c <= columns; ++c)
        g += QStringLiteral("' OR ") + QString::fromLatin1(column) + QString::number(c) +
             QString::fromLatin1(further) + x;
    return g + QStringLiteral("')");
}

} // namespace

QString VullenZoekstring(const QStringList& level, const QStringList& direction,
                         const QStringList& workTypes, const QStringList& skills) {
    QString s;
    if (!level.isEmpty() && !level[0].isEmpty())
        s = QStringLiteral("NiveauBekwaamhedenCode = '") + sqlLiteralText(level[0].trimmed()) +
            QStringLiteral("'");

    if (!direction.isEmpty() && !direction[0].isEmpty()) {
        const QString& r = direction[0];
        const bool first = s.isEmpty();
        QString column;
        if (r.size() == 2)
            column = QStringLiteral("HoofdrichtingCode");
        else if (r.size() == 3)
            column = first ? QStringLiteral("RichtingCode") : QStringLiteral("richtingCode");
        if (!column.isEmpty())
            s += (first ? QStringLiteral(" ") : QStringLiteral(" AND ")) + column +
                 QStringLiteral(" = '") + sqlLiteralText(r) + QStringLiteral("'");
    }

    for (int k = 0; k < MaxWorkTypes && k < workTypes.size(); ++k)
        if (!workTypes[k].isEmpty())
            s += orGroup(s, workTypes[k], k, MaxWorkTypes, "WerksoortCode", " = '");
    for (int k = 0; k < MaxSkills && k < skills.size(); ++k)
        if (!skills[k].isEmpty())
            s += orGroup(s, skills[k], k, MaxSkills, "VaardighedenCode", " ='");
    return s;
}

QString characteristicsQuery(const QString& condition) {
    return QStringLiteral("select RVL92, werksoortCode1, werksoort1, werksoortCode2,") +
           QStringLiteral("  werksoort2, werksoortCode3, werksoort3, beroep ") +
           QStringLiteral(" from RVL where ") + condition;
}

QString levelQuery() {
    return QStringLiteral(" select NiveauTotaal from BekwaamhedenNiveau");
}

QString directionQuery() {
    return QStringLiteral(" select richting from richtingen");
}

QString skillsQuery() {
    return QStringLiteral(" select Vaardigheden from Vaardigheden");
}

QString workTypesQuery() {
    return QStringLiteral(" select Werksoorten from Werksoorten");
}

} // namespace rvl92::search
