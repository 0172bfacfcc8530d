#include "documentation/helptexts.h"

namespace rvl92 {

const QList<HelpText>& helpTexts() {
    static const QList<HelpText> table = {
        {QStringLiteral("frmFunctienamen"),
         QStringLiteral("Functies bij het scherm Overzicht Functienamen"),
         QStringLiteral("Programmabestanden/HelpFunctienamen.rtf")},
        {QStringLiteral("frmBeroepen"),
         QStringLiteral("Functies bij het scherm Overzicht Beroepen"),
         QStringLiteral("Programmabestanden/HelpBeroepen.rtf")},
        {QStringLiteral("frmZoekenFuncties"), QStringLiteral("Functies bij Zoeken op functienamen"),
         QStringLiteral("Programmabestanden/HelpZoekenFunctienamen.rtf")},
        {QStringLiteral("frmZoekenRVL92"), QStringLiteral("Functies bij Zoeken op RVL92-code"),
         QStringLiteral("Programmabestanden/HelpZoekenRVL92.rtf")},
        {QStringLiteral("frmZoekenKenmerken"), QStringLiteral("Functies bij Zoeken op Kenmerken"),
         QStringLiteral("Programmabestanden/HelpZoekenKenmerken.rtf")},
        {QStringLiteral("frmKenmerken"), QStringLiteral("Functies Kenmerken"),
         QStringLiteral("Programmabestanden/HelpKenmerken.rtf")},
        {QStringLiteral("frmNamen"),
         QStringLiteral("Functienamen behorend bij geselecteerde beroep"),
         QStringLiteral("Programmabestanden/HelpNamen.rtf")},
        {QStringLiteral("frmCoderen"), QStringLiteral("Functies bij Coderen van functienamen"),
         QStringLiteral("Programmabestanden/HelpCoderen.rtf")},
    };
    return table;
}

std::optional<HelpText> helpTextFor(const QString& currentScreen) {
    for (const HelpText& h : helpTexts())
        if (h.screen == currentScreen)
            return h;
    return std::nullopt;
}

QString helpFileMissingText(const QString& shownPath) {
    return QStringLiteral("De helptekst is niet gevonden:\n") + shownPath;
}

QString helpFileUnreadableText(const QString& shownPath) {
    return QStringLiteral("De helptekst kan niet worden gelezen:\n") + shownPath;
}

} // namespace rvl92
