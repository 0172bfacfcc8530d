#include "screens/browse/rvlcolumns.h"

namespace rvl92 {

QStringList rvlColumns() {
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

QString rvlColumnProblem(const QStringList& columns) {
    const QStringList expected = rvlColumns();
    for (const QString& name : expected)
        if (!columns.contains(name, Qt::CaseInsensitive))
            return QStringLiteral("De tabel RVL mist de kolom %1.").arg(name);
    // Every name is there (so there are at least as many columns); the
    // screen and its export also read them by position.
    for (qsizetype i = 0; i < expected.size(); ++i)
        if (columns.at(i).compare(expected.at(i), Qt::CaseInsensitive) != 0)
            return QStringLiteral("De kolommen van tabel RVL staan niet in de verwachte "
                                  "volgorde: op plaats %1 staat %2 in plaats van %3.")
                .arg(i + 1)
                .arg(columns.at(i), expected.at(i));
    return QString();
}

} // namespace rvl92
