// The texts of the documentation notices, whole and exact.
#include "documentation/notices.h"
#include "support/datarow.h"

#include <QDir>
#include <QTest>

using namespace rvl92;

Q_DECLARE_METATYPE(rvl92::Notice)

class TestNotices : public QObject {
    Q_OBJECT
private slots:
    void notices_data() {
        QTest::addColumn<Notice>("notice");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("leftAligned");
        // A folder with a blank and a trailing separator, as users have them.
        const QString dir = QStringLiteral("/opt/RVL 92/");
        const QString d = QDir::toNativeSeparators(QStringLiteral("/opt/RVL 92"));
        const auto native = [](const QString& p) { return QDir::toNativeSeparators(p); };
        row("classificatieschema", notice::classificationScheme(dir), "Classificatieschema RVL92",
            "Het Classificatieschema RVL92 vindt u op de volgende locatie: \r\n" + d, false);
        row("codelijsten", notice::codeLists(dir), "Codelijsten",
            "In " + native("/opt/RVL 92/Codelijsten RVL/") +
                "\r\nzijn de codelijsten en bijbehorende recordbeschrijvingen te vinden \r\n\r\n"
                "Niveau bekwaamheden\r\nHoofdrichting bekwaamheden\r\nRichting bekwaamheden\r\n"
                "Beroepsniveaus\r\nBeroepsklassen\r\nBeroepsgroepen\r\nBeroepen\r\n"
                "Werksoorten\r\nSpecifieke vaardigheden\r\nBeroepsvariabelen\r\n"
                "Functiebenamingen alfabetisch\r\nFunctiebenamingen systematisch\r\n",
            true);
        row("LK84 naar beroep", notice::lk84ToOccupation(dir), "LK84 naar beroep RVL92",
            "De afleiding van Lokaalstelsel 1984 naar beroep RVL vindt u in:\r\n" +
                native("/opt/RVL 92/Schakelschema's/LK84-RVL92/"),
            false);
        row("LK84 naar beroepsgroep", notice::lk84ToOccupationGroup(dir),
            "LK84 naar beroepsgroep RVL92",
            "De afleiding van Lokaalstelsel 1984 naar beroepsgroep RVL vindt u in: \r\n" +
                native("/opt/RVL 92/Schakelschema's/LK84-BERGRRVL92/"),
            false);
        row("ISCO", notice::isco(dir), "International standard classification of occupations 1988",
            "De afleiding van RVL naar ISCO1988 vindt u in: \r\n" +
                native("/opt/RVL 92/Schakelschema's/RVL92-ISCO88/"),
            false);
        row("sociale stratificatie", notice::socialStratification(dir), "Sociale stratificatie",
            "De afleidingen van RVL naar drie sociale stratificatievariabelen vindt u in: \r\n" +
                native("/opt/RVL 92/Schakelschema's/Sociale stratificatie/"),
            false);
    }
    void notices() {
        QFETCH(Notice, notice);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(bool, leftAligned);
        QCOMPARE(notice.caption, caption);
        QCOMPARE(notice.text, text);
        QCOMPARE(notice.leftAligned, leftAligned);
    }
};

QTEST_GUILESS_MAIN(TestNotices)
#include "tst_notices.moc"
