#include "documentation/notices.h"

#include <QDir>

namespace rvl92 {

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

QString shownPath(const QString& programDir, const QString& relative) {
    QString dir = QDir::cleanPath(programDir);
    if (!relative.isEmpty())
        dir += QLatin1Char('/') + relative;
    return QDir::toNativeSeparators(dir);
}

namespace notice {

QStringList codeLists() {
    return {QStringLiteral("Niveau bekwaamheden"),
            QStringLiteral("Hoofdrichting bekwaamheden"),
            QStringLiteral("Richting bekwaamheden"),
            QStringLiteral("Beroepsniveaus"),
            QStringLiteral("Beroepsklassen"),
            QStringLiteral("Beroepsgroepen"),
            QStringLiteral("Beroepen"),
            QStringLiteral("Werksoorten"),
            QStringLiteral("Specifieke vaardigheden"),
            QStringLiteral("Beroepsvariabelen"),
            QStringLiteral("Functiebenamingen alfabetisch"),
            QStringLiteral("Functiebenamingen systematisch")};
}

Notice classificationScheme(const QString& dir) {
    return {QStringLiteral("Classificatieschema RVL92"),
            QStringLiteral("Het Classificatieschema RVL92 vindt u op de volgende locatie: ") +
                CRLF + shownPath(dir),
            false};
}

Notice codeLists(const QString& dir) {
    QString text = QStringLiteral("In ") + shownPath(dir, QStringLiteral("Codelijsten RVL/")) +
                   CRLF +
                   QStringLiteral("zijn de codelijsten en bijbehorende recordbeschrijvingen ") +
                   QStringLiteral("te vinden ") + CRLF + CRLF;
    for (const QString& name : codeLists())
        text += name + CRLF;
    return {QStringLiteral("Codelijsten"), text, true};
}

Notice lk84ToOccupation(const QString& dir) {
    return {QStringLiteral("LK84 naar beroep RVL92"),
            QStringLiteral("De afleiding van Lokaalstelsel 1984 naar ") +
                QStringLiteral("beroep RVL vindt u in:") + CRLF +
                shownPath(dir, QStringLiteral("Schakelschema's/LK84-RVL92/")),
            false};
}

Notice lk84ToOccupationGroup(const QString& dir) {
    return {QStringLiteral("LK84 naar beroepsgroep RVL92"),
            QStringLiteral("De afleiding van Lokaalstelsel 1984 naar ") +
                QStringLiteral("beroepsgroep RVL vindt u in: ") + CRLF +
                shownPath(dir, QStringLiteral("Schakelschema's/LK84-BERGRRVL92/")),
            false};
}

Notice isco(const QString& dir) {
    return {QStringLiteral("International standard classification of occupations 1988"),
            QStringLiteral("De afleiding van RVL naar ISCO1988 vindt u in: ") + CRLF +
                shownPath(dir, QStringLiteral("Schakelschema's/RVL92-ISCO88/")),
            false};
}

Notice socialStratification(const QString& dir) {
    return {QStringLiteral("Sociale stratificatie"),
            QStringLiteral("De afleidingen van RVL naar drie sociale stratificatievariabelen "
                           "vindt u in: ") +
                CRLF + shownPath(dir, QStringLiteral("Schakelschema's/Sociale stratificatie/")),
            false};
}

} // namespace notice
} // namespace rvl92
