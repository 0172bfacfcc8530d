#include "screens/search/zoekstring.h"

#include "data/sqltext.h"
#include "screens/search/zoektekst.h"

namespace rvl92::zoeken {

namespace {

// One group "(col_k = 'x' OR col_k+1 = 'x' ... )" for the k-th chosen code.
// The further comparisons of the skills have no blank between "=" and the
// quote; the stored queries have always been written so.
QString groep(const QString& s, const QString& code, int k, int kolommen, const char* kolom,
              const char* verder) {
    const QString x = sqlLiteralText(code);
    // The first term of the condition opens without "AND", also when the
    // lists before it gave nothing (an empty chosen code is skipped).
    QString g = s.isEmpty() ? QStringLiteral(" (") : QStringLiteral(" AND (");
    g += QString::fromLatin1(kolom) + QString::number(k + 1) + QStringLiteral(" = '") + x;
    for (int c = k + 2; c <= kolommen; ++c)
        g += QStringLiteral("' OR ") + QString::fromLatin1(kolom) + QString::number(c) +
             QString::fromLatin1(verder) + x;
    return g + QStringLiteral("')");
}

} // namespace

QString VullenZoekstring(const QStringList& niveau, const QStringList& richting,
                         const QStringList& werksoorten, const QStringList& vaardigheden) {
    QString s;
    if (!niveau.isEmpty() && !niveau[0].isEmpty())
        s = QStringLiteral("NiveauBekwaamhedenCode = '") + sqlLiteralText(niveau[0].trimmed()) +
            QStringLiteral("'");

    if (!richting.isEmpty() && !richting[0].isEmpty()) {
        const QString& r = richting[0];
        const bool eerste = s.isEmpty();
        QString kolom;
        if (r.size() == 2)
            kolom = QStringLiteral("HoofdrichtingCode");
        else if (r.size() == 3)
            kolom = eerste ? QStringLiteral("RichtingCode") : QStringLiteral("richtingCode");
        if (!kolom.isEmpty())
            s += (eerste ? QStringLiteral(" ") : QStringLiteral(" AND ")) + kolom +
                 QStringLiteral(" = '") + sqlLiteralText(r) + QStringLiteral("'");
    }

    for (int k = 0; k < MaxWerksoorten && k < werksoorten.size(); ++k)
        if (!werksoorten[k].isEmpty())
            s += groep(s, werksoorten[k], k, MaxWerksoorten, "WerksoortCode", " = '");
    for (int k = 0; k < MaxVaardigheden && k < vaardigheden.size(); ++k)
        if (!vaardigheden[k].isEmpty())
            s += groep(s, vaardigheden[k], k, MaxVaardigheden, "VaardighedenCode", " ='");
    return s;
}

QString kenmerkZoekQuery(const QString& zoekstring) {
    return QStringLiteral("select RVL92, werksoortCode1, werksoort1, werksoortCode2,") +
           QStringLiteral("  werksoort2, werksoortCode3, werksoort3, beroep ") +
           QStringLiteral(" from RVL where ") + zoekstring;
}

QString niveauQuery() {
    return QStringLiteral(" select NiveauTotaal from BekwaamhedenNiveau");
}

QString richtingQuery() {
    return QStringLiteral(" select richting from richtingen");
}

QString vaardighedenQuery() {
    return QStringLiteral(" select Vaardigheden from Vaardigheden");
}

QString werksoortenQuery() {
    return QStringLiteral(" select Werksoorten from Werksoorten");
}

} // namespace rvl92::zoeken
