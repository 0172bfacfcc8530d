#include "screens/search/kenmerkcodes.h"

namespace rvl92::zoeken {

QString niveauCode(QStringView tekst) {
    return tekst.left(2).toString();
}

QString richtingCode(QStringView tekst) {
    return tekst.left(4).trimmed().toString();
}

QString werksoortCode(QStringView tekst) {
    return tekst.left(3).toString();
}

QString vaardigheidCode(QStringView tekst) {
    return tekst.left(3).toString();
}

QStringList richtingenGroeperen(const QStringList& rijen) {
    QStringList out;
    for (const QString& s : rijen) {
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

int sorteerPlek(const QStringList& lijst, const QString& code) {
    int i = 0;
    while (i < lijst.size() && lijst[i].compare(code, Qt::CaseInsensitive) <= 0)
        ++i;
    return i;
}

Keuze kiesCode(QStringList& lijst, const QString& code, int max) {
    if (lijst.contains(code))
        return Keuze::AlGekozen;
    if (lijst.size() >= max)
        return Keuze::Vol;
    lijst.insert(sorteerPlek(lijst, code), code);
    return Keuze::Toegevoegd;
}

QString knopTekst(QStringView code) {
    return code.left(10).toString() + QStringLiteral(" . . . .");
}

} // namespace rvl92::zoeken
