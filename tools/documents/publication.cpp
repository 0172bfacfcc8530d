#include "publication.h"

#include "demodb.h"
#include "richtext.h"

#include <QMap>
#include <QRegularExpression>

namespace docs {

namespace {

QString md(const QString& text) {
    return markdownLiteral(text);
}

// One "code<TAB>name" paragraph per row.
QString tabLines(const QList<QStringList>& rows) {
    QString out;
    for (const QStringList& r : rows)
        out += md(r.value(0)) + QLatin1Char('\t') + md(r.value(1)) + QStringLiteral("\n\n");
    return out;
}

QList<QStringList> splitRows(const QList<QStringList>& rows) {
    QList<QStringList> out;
    for (const QStringList& r : rows) {
        const QString t = r.value(0).trimmed();
        const qsizetype blank = t.indexOf(QLatin1Char(' '));
        out << QStringList{t.left(blank), blank < 0 ? QString() : t.mid(blank + 1)};
    }
    return out;
}

QString count(const DemoDb& db, const QString& sql, QString* error) {
    const QList<QStringList> rows = db.rows(sql, error);
    return rows.isEmpty() ? QString() : rows.first().value(0);
}

QString directions(const DemoDb& db, QString* error) {
    QString out;
    for (const QStringList& r :
         splitRows(db.rows(QStringLiteral("SELECT richting FROM richtingen"), error))) {
        if (r[0].size() == 2)
            out += QStringLiteral("**") + md(r[0]) + QLatin1Char('\t') + md(r[1]) +
                   QStringLiteral("**\n\n");
        else
            out += md(r[0]) + QLatin1Char('\t') + md(r[1]) + QStringLiteral("\n\n");
    }
    return out;
}

QString example(const DemoDb& db, QString* error) {
    const QList<QStringList> rows = db.rows(
        QStringLiteral("SELECT * FROM RVL WHERE WerksoortCode2 IS NOT NULL AND VaardighedenCode3 "
                       "IS NOT NULL ORDER BY RVL92 LIMIT 1"),
        error);
    if (rows.isEmpty())
        return QString();
    const QStringList& r = rows.first();
    const auto item = [&](const QString& label, int code) {
        if (r.value(code).isEmpty())
            return QString();
        return QStringLiteral("- ") + label + QStringLiteral(": ") + md(r.value(code)) +
               QLatin1Char(' ') + md(r.value(code + 1)) + QLatin1Char('\n');
    };
    QString out = QStringLiteral("Het beroep **") + md(r.value(0)) + QLatin1Char(' ') +
                  md(r.value(33)) + QStringLiteral("** heeft deze kenmerken:\n\n");
    out += item(QStringLiteral("beroepsniveau"), 1) + item(QStringLiteral("beroepsklasse"), 3) +
           item(QStringLiteral("beroepsgroep"), 5) +
           item(QStringLiteral("niveau van de bekwaamheden"), 7) +
           item(QStringLiteral("hoofdrichting"), 9) + item(QStringLiteral("richting"), 11);
    for (int k = 1; k <= 3; ++k)
        out += item(QStringLiteral("werksoort %1").arg(k), 11 + 2 * k);
    for (int k = 1; k <= 7; ++k)
        out += item(QStringLiteral("specifieke vaardigheid %1").arg(k), 17 + 2 * k);
    return out + QLatin1Char('\n');
}

} // namespace

QString publicationMarkdown(const QString& templateText, const DemoDb& db, QString* error) {
    QMap<QString, QString> parts;
    parts[QStringLiteral("BEROEPEN")] =
        count(db, QStringLiteral("SELECT COUNT(*) FROM RVL"), error);
    parts[QStringLiteral("FUNCTIENAMEN")] =
        count(db, QStringLiteral("SELECT COUNT(*) FROM functienamen"), error);
    parts[QStringLiteral("KLASSEN")] =
        count(db, QStringLiteral("SELECT COUNT(DISTINCT BeroepsklasseCode) FROM RVL"), error);
    parts[QStringLiteral("GROEPEN")] =
        count(db, QStringLiteral("SELECT COUNT(DISTINCT BeroepsGroepCode) FROM RVL"), error);
    parts[QStringLiteral("WERKSOORTEN_AANTAL")] =
        count(db, QStringLiteral("SELECT COUNT(*) FROM Werksoorten"), error);
    parts[QStringLiteral("VAARDIGHEDEN_AANTAL")] =
        count(db, QStringLiteral("SELECT COUNT(*) FROM Vaardigheden"), error);
    parts[QStringLiteral("BEROEPSNIVEAUS")] = tabLines(
        db.rows(QStringLiteral(
                    "SELECT BeroepsniveauCode, BeroepsNiveau || ' (' || COUNT(*) || ' beroepen)' "
                    "FROM RVL GROUP BY BeroepsniveauCode ORDER BY 1"),
                error));
    parts[QStringLiteral("BEROEPSKLASSEN")] = tabLines(db.rows(
        QStringLiteral("SELECT DISTINCT BeroepsklasseCode, BeroepsKlasse FROM RVL ORDER BY 1"),
        error));
    parts[QStringLiteral("NIVEAUS")] = tabLines(
        splitRows(db.rows(QStringLiteral("SELECT NiveauTotaal FROM BekwaamhedenNiveau"), error)));
    parts[QStringLiteral("RICHTINGEN")] = directions(db, error);
    parts[QStringLiteral("WERKSOORTEN")] =
        tabLines(splitRows(db.rows(QStringLiteral("SELECT Werksoorten FROM Werksoorten"), error)));
    parts[QStringLiteral("VAARDIGHEDEN")] = tabLines(
        splitRows(db.rows(QStringLiteral("SELECT Vaardigheden FROM Vaardigheden"), error)));
    parts[QStringLiteral("VOORBEELD")] = example(db, error);
    if (!error->isEmpty())
        return QString();

    QString out;
    static const QRegularExpression marker(QStringLiteral("\\{\\{([A-Z_]+)\\}\\}"));
    qsizetype last = 0;
    for (auto it = marker.globalMatch(templateText); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!parts.contains(m.captured(1))) {
            *error =
                QStringLiteral("onbekend deel {{%1}} in de publicatietekst").arg(m.captured(1));
            return QString();
        }
        out += templateText.mid(last, m.capturedStart() - last) + parts.value(m.captured(1));
        last = m.capturedEnd();
    }
    return out + templateText.mid(last);
}

QString schemeMarkdown(const DemoDb& db, QString* error) {
    const QList<QStringList> rows = db.rows(
        QStringLiteral("SELECT BeroepsniveauCode, BeroepsNiveau, BeroepsklasseCode, BeroepsKlasse, "
                       "BeroepsGroepCode, BeroepsGroep, RVL92, beroep FROM RVL ORDER BY RVL92"),
        error);
    if (!error->isEmpty())
        return QString();
    QString out = QStringLiteral(
        "# Classificatieschema RVL92\n\n"
        "*Demonstratietekst: het schema van de demonstratiedatabase die met het programma wordt "
        "meegeleverd, niet de officiële classificatie.*\n\n"
        "Het schema toont alle beroepen, geordend naar beroepsniveau, beroepsklasse en "
        "beroepsgroep. De eerste cijfers van een RVL92-code zijn die van het niveau, de klasse "
        "en de groep waartoe het beroep behoort.\n\n");
    QString level, klasse, group;
    for (const QStringList& r : rows) {
        if (r[0] != level) {
            level = r[0];
            out += QStringLiteral("## ") + md(r[0]) + QLatin1Char(' ') + md(r[1]) +
                   QStringLiteral("\n\n");
        }
        if (r[2] != klasse) {
            klasse = r[2];
            out += QStringLiteral("### ") + md(r[2]) + QLatin1Char(' ') + md(r[3]) +
                   QStringLiteral("\n\n");
        }
        if (r[4] != group) {
            group = r[4];
            out += QStringLiteral("#### ") + md(r[4]) + QLatin1Char(' ') + md(r[5]) +
                   QStringLiteral("\n\n");
        }
        out += md(r[6]) + QLatin1Char('\t') + md(r[7]) + QStringLiteral("\n\n");
    }
    return out;
}

} // namespace docs
