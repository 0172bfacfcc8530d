#include "screens/search/zoektekst.h"

#include "data/jetlike.h"
#include "data/sqltext.h"

namespace rvl92::zoeken {

QString zoekPatroon(QStringView zoektekst) {
    QString out;
    out.reserve(zoektekst.size());
    for (qsizetype i = 0; i < zoektekst.size(); ++i) {
        const QChar c = zoektekst[i];
        if (c == u' ')
            out += u'%';
        else if (c == u'%' || c == u'_')
            out += c;
        else
            out += JetPattern::escape(zoektekst.mid(i, 1));
    }
    return out;
}

QString functieZoekQuery(QStringView zoektekst) {
    return QStringLiteral("select RVL92, functienaam, beroep ") +
           QStringLiteral(" from functienamen where ") + QStringLiteral(" functienaam Like '%") +
           sqlLiteralText(zoekPatroon(zoektekst)) + QStringLiteral("%'");
}

bool isZoekToets(int toets) {
    return toets == 40 || toets == 41 || (toets >= 48 && toets <= 57) ||
           (toets >= 65 && toets <= 122);
}

ToetsGevolg zoekvakToets(int toets, bool vakLeeg, bool zoekenAan) {
    bool enter = false;
    if (toets == ToetsEnter)
        enter = true;
    else if (toets == ToetsSpatie && vakLeeg)
        return {}; // a leading blank leaves the buttons as they are
    else if (!(toets == ToetsSpatie || toets == ToetsBackspace || isZoekToets(toets)))
        return {};
    return {zoekenAan && enter, true};
}

GridToetsGevolg gridToets(int toets, const QString& tekst, bool zoekenAan) {
    GridToetsGevolg g{tekst};
    bool enter = false;
    if (toets == ToetsBackspace) {
        g.tekst.chop(1);
    } else if (toets == ToetsEnter) {
        enter = true;
    } else if (toets == ToetsSpatie) {
        if (tekst.isEmpty())
            return g;
        g.tekst += u' ';
    } else if (isZoekToets(toets)) {
        g.tekst += QChar(toets);
    } else {
        return g;
    }
    g.zoeken = zoekenAan && enter;
    g.knoppenAan = true;
    return g;
}

} // namespace rvl92::zoeken
