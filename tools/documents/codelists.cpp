#include "codelists.h"

#include "demodb.h"
#include "textfile.h"

#include <QDir>

#include <algorithm>
#include <functional>

namespace docs {

namespace {

struct Field {
    QString name;
    QString meaning;
};

struct CodeList {
    QString name;    // the file is name + ".txt"
    QString content; // one sentence for the record description
    QList<Field> fields;
    QString sql;
    // Lookup tables hold "code name" in one column; split them.
    bool splitCodeAndName = false;
    // Rows to keep after the split (for the two kinds of direction).
    std::function<bool(const QStringList&)> keep;
};

const Field kCode{QStringLiteral("Code"), QStringLiteral("code")};

QList<CodeList> codeLists() {
    const auto codeLength = [](int n) {
        return [n](const QStringList& row) { return row.value(0).size() == n; };
    };
    return {
        {QStringLiteral("Niveau bekwaamheden"),
         QStringLiteral("de niveaus van de bekwaamheden"),
         {kCode, {QStringLiteral("Omschrijving"), QStringLiteral("naam van het niveau")}},
         QStringLiteral("SELECT NiveauTotaal FROM BekwaamhedenNiveau"),
         true,
         nullptr},
        {QStringLiteral("Hoofdrichting bekwaamheden"),
         QStringLiteral("de hoofdrichtingen van de bekwaamheden"),
         {kCode, {QStringLiteral("Omschrijving"), QStringLiteral("naam van de hoofdrichting")}},
         QStringLiteral("SELECT richting FROM richtingen"),
         true,
         codeLength(2)},
        {QStringLiteral("Richting bekwaamheden"),
         QStringLiteral("de richtingen van de bekwaamheden; de eerste twee cijfers zijn de "
                        "hoofdrichting"),
         {kCode, {QStringLiteral("Omschrijving"), QStringLiteral("naam van de richting")}},
         QStringLiteral("SELECT richting FROM richtingen"),
         true,
         codeLength(3)},
        {QStringLiteral("Beroepsniveaus"),
         QStringLiteral("de beroepsniveaus"),
         {kCode, {QStringLiteral("Omschrijving"), QStringLiteral("naam van het beroepsniveau")}},
         QStringLiteral("SELECT DISTINCT BeroepsniveauCode, BeroepsNiveau FROM RVL ORDER BY 1"),
         false,
         nullptr},
        {QStringLiteral("Beroepsklassen"),
         QStringLiteral("de beroepsklassen; het eerste cijfer is het beroepsniveau"),
         {kCode, {QStringLiteral("Omschrijving"), QStringLiteral("naam van de beroepsklasse")}},
         QStringLiteral("SELECT DISTINCT BeroepsklasseCode, BeroepsKlasse FROM RVL ORDER BY 1"),
         false,
         nullptr},
        {QStringLiteral("Beroepsgroepen"),
         QStringLiteral("de beroepsgroepen; de eerste twee cijfers zijn de beroepsklasse"),
         {kCode, {QStringLiteral("Omschrijving"), QStringLiteral("naam van de beroepsgroep")}},
         QStringLiteral("SELECT DISTINCT BeroepsGroepCode, BeroepsGroep FROM RVL ORDER BY 1"),
         false,
         nullptr},
        {QStringLiteral("Beroepen"),
         QStringLiteral("de beroepen; de eerste drie cijfers van de RVL92-code zijn de "
                        "beroepsgroep"),
         {{QStringLiteral("RVL92"), QStringLiteral("RVL92-code van het beroep")},
          {QStringLiteral("Beroep"), QStringLiteral("naam van het beroep")}},
         QStringLiteral("SELECT RVL92, beroep FROM RVL ORDER BY RVL92"),
         false,
         nullptr},
        {QStringLiteral("Werksoorten"),
         QStringLiteral("de werksoorten"),
         {kCode, {QStringLiteral("Omschrijving"), QStringLiteral("naam van de werksoort")}},
         QStringLiteral("SELECT Werksoorten FROM Werksoorten"),
         true,
         nullptr},
        {QStringLiteral("Specifieke vaardigheden"),
         QStringLiteral("de specifieke vaardigheden"),
         {kCode, {QStringLiteral("Omschrijving"), QStringLiteral("naam van de vaardigheid")}},
         QStringLiteral("SELECT Vaardigheden FROM Vaardigheden"),
         true,
         nullptr},
        {QStringLiteral("Beroepsvariabelen"),
         QStringLiteral("per beroep de codes van al zijn kenmerken; een kenmerk dat het beroep "
                        "niet heeft, is leeg"),
         {{QStringLiteral("RVL92"), QStringLiteral("RVL92-code van het beroep")},
          {QStringLiteral("Niveau"), QStringLiteral("code van het beroepsniveau")},
          {QStringLiteral("Klasse"), QStringLiteral("code van de beroepsklasse")},
          {QStringLiteral("Groep"), QStringLiteral("code van de beroepsgroep")},
          {QStringLiteral("Bekw"), QStringLiteral("code van het niveau van de bekwaamheden")},
          {QStringLiteral("Hr"), QStringLiteral("code van de hoofdrichting")},
          {QStringLiteral("Richting"), QStringLiteral("code van de richting")},
          {QStringLiteral("WS1"), QStringLiteral("code van werksoort 1")},
          {QStringLiteral("WS2"), QStringLiteral("code van werksoort 2")},
          {QStringLiteral("WS3"), QStringLiteral("code van werksoort 3")},
          {QStringLiteral("V1"), QStringLiteral("code van specifieke vaardigheid 1")},
          {QStringLiteral("V2"), QStringLiteral("code van specifieke vaardigheid 2")},
          {QStringLiteral("V3"), QStringLiteral("code van specifieke vaardigheid 3")},
          {QStringLiteral("V4"), QStringLiteral("code van specifieke vaardigheid 4")},
          {QStringLiteral("V5"), QStringLiteral("code van specifieke vaardigheid 5")},
          {QStringLiteral("V6"), QStringLiteral("code van specifieke vaardigheid 6")},
          {QStringLiteral("V7"), QStringLiteral("code van specifieke vaardigheid 7")}},
         QStringLiteral("SELECT RVL92, BeroepsniveauCode, BeroepsklasseCode, BeroepsGroepCode, "
                        "NiveauBekwaamhedenCode, HoofdrichtingCode, RichtingCode, "
                        "WerksoortCode1, WerksoortCode2, WerksoortCode3, VaardighedenCode1, "
                        "VaardighedenCode2, VaardighedenCode3, VaardighedenCode4, "
                        "VaardighedenCode5, VaardighedenCode6, VaardighedenCode7 "
                        "FROM RVL ORDER BY RVL92"),
         false,
         nullptr},
        {QStringLiteral("Functiebenamingen alfabetisch"),
         QStringLiteral("alle functienamen in alfabetische volgorde, met de RVL92-code van het "
                        "beroep waartoe ze behoren"),
         {{QStringLiteral("Functienaam"), QStringLiteral("de functienaam")},
          {QStringLiteral("RVL92"), QStringLiteral("RVL92-code van het beroep")}},
         QStringLiteral("SELECT Functienaam, RVL92 FROM functienamen ORDER BY rowid"),
         false,
         nullptr},
        {QStringLiteral("Functiebenamingen systematisch"),
         QStringLiteral("alle functienamen geordend naar de RVL92-code van hun beroep"),
         {{QStringLiteral("RVL92"), QStringLiteral("RVL92-code van het beroep")},
          {QStringLiteral("Functienaam"), QStringLiteral("de functienaam")}},
         QStringLiteral("SELECT RVL92, Functienaam FROM functienamen ORDER BY RVL92, rowid"),
         false,
         nullptr},
    };
}

QStringList splitCode(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {t, QString()};
    return {t.left(blank), t.mid(blank + 1).trimmed()};
}

QString padded(const QString& value, int width) {
    return value.leftJustified(width, QLatin1Char(' '));
}

} // namespace

bool writeCodeLists(const DemoDb& db, const QString& dir, QString* error) {
    QStringList description = {
        QStringLiteral("RVL92 - Codelijsten en recordbeschrijvingen"),
        QStringLiteral("DEMONSTRATIEGEGEVENS: deze lijsten zijn gemaakt uit de "
                       "demonstratiedatabase en"),
        QStringLiteral("zijn niet de officiële classificatie."),
        QString(),
        QStringLiteral("Elke lijst is een tekstbestand met vaste veldlengten: een record per "
                       "regel,"),
        QStringLiteral("regels afgesloten met CR LF, tekenset Windows-1252. Een veld staat links "
                       "in zijn"),
        QStringLiteral("ruimte en wordt aangevuld met spaties; tussen twee velden staat een "
                       "spatie. Posities"),
        QStringLiteral("tellen vanaf 1."),
    };
    for (const CodeList& list : codeLists()) {
        QList<QStringList> rows = db.rows(list.sql, error);
        if (!error->isEmpty())
            return false;
        if (list.splitCodeAndName) {
            QList<QStringList> split;
            for (const QStringList& r : rows) {
                const QStringList s = splitCode(r.value(0));
                if (!list.keep || list.keep(s))
                    split << s;
            }
            rows = split;
        }
        // As wide as the widest value: the files have no header line.
        QList<int> widths(list.fields.size(), 1);
        for (const QStringList& r : rows)
            for (int c = 0; c < widths.size(); ++c)
                widths[c] = std::max(widths[c], int(r.value(c).size()));

        QStringList lines;
        for (const QStringList& r : rows) {
            QStringList cells;
            for (int c = 0; c < widths.size(); ++c)
                cells << (c + 1 < widths.size() ? padded(r.value(c), widths[c]) : r.value(c));
            lines << cells.join(QLatin1Char(' '));
        }
        if (!writeTextLines(dir + QLatin1Char('/') + list.name + QStringLiteral(".txt"), lines,
                            error))
            return false;

        int recordLength = int(widths.size()) - 1;
        for (int w : widths)
            recordLength += w;
        description << QString() << QString(72, QLatin1Char('-'));
        description << QStringLiteral("Bestand     : %1.txt").arg(list.name);
        description << QStringLiteral("Inhoud      : %1").arg(list.content);
        description << QStringLiteral("Records     : %1").arg(rows.size());
        description << QStringLiteral("Recordlengte: ten hoogste %1 (het laatste veld wordt niet "
                                      "aangevuld)")
                           .arg(recordLength);
        description << QString();
        description << QStringLiteral("Veld          Positie  Lengte  Inhoud");
        int position = 1;
        for (int c = 0; c < widths.size(); ++c) {
            description << QStringLiteral("%1 %2 %3  %4")
                               .arg(padded(list.fields[c].name, 12))
                               .arg(position, 8)
                               .arg(widths[c], 7)
                               .arg(list.fields[c].meaning);
            position += widths[c] + 1;
        }
    }
    return writeTextLines(dir + QStringLiteral("/Recordbeschrijvingen.txt"), description, error);
}

bool writeUserFiles(const DemoDb& db, const QString& dir, QString* error) {
    const QList<QStringList> titles = db.rows(
        QStringLiteral("SELECT RVL92, Functienaam, beroep FROM functienamen ORDER BY rowid"),
        error);
    if (!error->isEmpty())
        return false;
    const QList<QStringList> occupations =
        db.rows(QStringLiteral("SELECT RVL92, beroep FROM RVL ORDER BY RVL92"), error);
    if (!error->isEmpty())
        return false;
    QStringList titleText, titleCsv, occupationText, occupationCsv;
    for (const QStringList& r : titles) {
        titleText << r[0] + QLatin1Char(' ') + r[1];
        titleCsv << r.join(QLatin1Char(';'));
    }
    for (const QStringList& r : occupations) {
        occupationText << r[0] + QLatin1Char(' ') + r[1];
        occupationCsv << r.join(QLatin1Char(';'));
    }
    return writeTextLines(dir + QStringLiteral("/Functienamen.txt"), titleText, error) &&
           writeTextLines(dir + QStringLiteral("/Functienamen.csv"), titleCsv, error) &&
           writeTextLines(dir + QStringLiteral("/Beroepen.txt"), occupationText, error) &&
           writeTextLines(dir + QStringLiteral("/Beroepen.csv"), occupationCsv, error);
}

} // namespace docs
