#pragma once

#include <QString>

namespace rvl92::form {

// Form names (the objectName of each form).
inline const QString Startscherm = QStringLiteral("frmStartschermViewRvl");
inline const QString Zoekprogramma = QStringLiteral("frmZoekprogramma");
inline const QString About = QStringLiteral("frmAbout");
inline const QString DialogYesNo = QStringLiteral("frmDialogYesNo");
inline const QString DialogNietGevonden = QStringLiteral("frmDialogNietGevonden");
inline const QString DialogExporteren = QStringLiteral("frmDialogExporteren");
inline const QString Functienamen = QStringLiteral("frmFunctienamen");
inline const QString Beroepen = QStringLiteral("frmBeroepen");
inline const QString Namen = QStringLiteral("frmNamen");
inline const QString Kenmerken = QStringLiteral("frmKenmerken");
inline const QString ZoekenFuncties = QStringLiteral("frmZoekenFuncties");
inline const QString ZoekenRvl92 = QStringLiteral("frmZoekenRvl92");
inline const QString ZoekenKenmerken = QStringLiteral("frmZoekenKenmerken");
inline const QString DialogPdfOrWord = QStringLiteral("frmDialogPdfOrWord");
inline const QString ShowRtfHelp = QStringLiteral("frmShowRtfHelp");
inline const QString DialogSchakelSchema = QStringLiteral("frmDialogSchakelSchema");
inline const QString Coderen = QStringLiteral("frmCoderen");
inline const QString DialogBestandCoderen = QStringLiteral("frmDialogBestandCoderen");

} // namespace rvl92::form
