#include "screens/browse/browseregels.h"

namespace rvl92 {

namespace {
constexpr qsizetype BeroepBovenMax = 90;
constexpr qsizetype BeroepInLijstMax = 100;
constexpr qsizetype FunctienaamMax = 100;
} // namespace

qsizetype aantalTekens(QStringView tekst) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i].isHighSurrogate() && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

bool isLangeBeroepsnaam(QStringView beroep) {
    return aantalTekens(beroep) > BeroepBovenMax;
}

bool isLangeBeroepsnaamInLijst(QStringView beroep) {
    return aantalTekens(beroep) > BeroepInLijstMax;
}

bool isLangeFunctienaam(QStringView functienaam) {
    return aantalTekens(functienaam) > FunctienaamMax;
}

Lettertype normaalLijstLettertype() {
    return {QStringLiteral("MS SANS SERIF"), 8.25};
}

Lettertype kleinLijstLettertype() {
    return {QStringLiteral("Arial"), 6.75};
}

Lettertype lijstLettertype(QStringView functienaam) {
    return isLangeFunctienaam(functienaam) ? kleinLijstLettertype() : normaalLijstLettertype();
}

QStringList rvlKolommen() {
    QStringList k{QStringLiteral("RVL92"),
                  QStringLiteral("BeroepsniveauCode"),
                  QStringLiteral("BeroepsNiveau"),
                  QStringLiteral("BeroepsklasseCode"),
                  QStringLiteral("BeroepsKlasse"),
                  QStringLiteral("BeroepsGroepCode"),
                  QStringLiteral("BeroepsGroep"),
                  QStringLiteral("NiveauBekwaamhedenCode"),
                  QStringLiteral("Niveaubekwaamheden"),
                  QStringLiteral("HoofdrichtingCode"),
                  QStringLiteral("Hoofdrichting"),
                  QStringLiteral("RichtingCode"),
                  QStringLiteral("Richting")};
    for (int i = 1; i <= 3; ++i)
        k << QStringLiteral("WerksoortCode%1").arg(i) << QStringLiteral("Werksoort%1").arg(i);
    for (int i = 1; i <= 7; ++i)
        k << QStringLiteral("VaardighedenCode%1").arg(i) << QStringLiteral("Vaardigheid%1").arg(i);
    k << QStringLiteral("beroep");
    return k;
}

QString rvlKolomAfwijking(const QStringList& kolommen) {
    const QStringList verwacht = rvlKolommen();
    for (const QString& naam : verwacht)
        if (!kolommen.contains(naam, Qt::CaseInsensitive))
            return QStringLiteral("De tabel RVL mist de kolom %1.").arg(naam);
    // Every name is there (so there are at least as many columns); the
    // screen and its export also read them by position.
    for (qsizetype i = 0; i < verwacht.size(); ++i)
        if (kolommen.at(i).compare(verwacht.at(i), Qt::CaseInsensitive) != 0)
            return QStringLiteral("De kolommen van tabel RVL staan niet in de verwachte "
                                  "volgorde: op plaats %1 staat %2 in plaats van %3.")
                .arg(i + 1)
                .arg(kolommen.at(i), verwacht.at(i));
    return QString();
}

} // namespace rvl92
