#include "screens/browse/browsemessages.h"

namespace rvl92 {

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

QString noJumpValueJobTitlesText() {
    return QStringLiteral("Er is geen waarde opgegeven waar naar gesprongen moet worden.");
}

QString noJumpValueOccupationsText() {
    return QStringLiteral("Er is geen waarde opgegeven waarnaar gesprongen moet worden.");
}

QString noJobTitlesForOccupationText(const QString& code) {
    if (code.isEmpty())
        return QStringLiteral("Er is geen beroep gekozen waarvan de functienamen getoond kunnen "
                              "worden.");
    return QStringLiteral("Er zijn geen functienamen bij het beroep met RVL92-code ") + code +
           QStringLiteral(" gevonden.");
}

Notice jobTitleListNotice(const QString& programDir) {
    return {QStringLiteral("Exporteren Functienamenlijst"),
            QStringLiteral("De volledige functienamenlijst vindt u in de directory: ") + CRLF +
                shownPath(programDir, QStringLiteral("Gebruikersbestanden")),
            false};
}

Notice occupationListNotice(const QString& programDir) {
    return {QStringLiteral("Exporteren Beroepenlijst"),
            QStringLiteral("De volledige beroepenlijst vindt u in de directory: ") + CRLF +
                shownPath(programDir, QStringLiteral("Gebruikersbestanden")),
            false};
}

} // namespace rvl92
