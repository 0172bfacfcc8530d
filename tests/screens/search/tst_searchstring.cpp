// The search on characteristics: the condition built from the chosen codes,
// character for character, the grouped direction list and the sorted lists
// of chosen codes.
#include "screens/search/characteristiccodes.h"
#include "screens/search/searchcondition.h"
#include "support/datarow.h"

#include <QTest>

using namespace rvl92::search;

namespace {
const QString Ws101 =
    QStringLiteral("(WerksoortCode1 = '101' OR WerksoortCode2 = '101' OR WerksoortCode3 = '101')");
} // namespace

class TestSearchString : public QObject {
    Q_OBJECT
private slots:
    void zoekstring_data() {
        QTest::addColumn<QStringList>("niveau");
        QTest::addColumn<QStringList>("richting");
        QTest::addColumn<QStringList>("werksoorten");
        QTest::addColumn<QStringList>("vaardigheden");
        QTest::addColumn<QString>("conditie");
        const QStringList geen;
        row("worked example", QStringList{"3"}, QStringList{"07"}, QStringList{"101", "305"},
            QStringList{"012"},
            QString("NiveauBekwaamhedenCode = '3' AND HoofdrichtingCode = '07' AND (WerksoortCode1 "
                    "= '101' OR WerksoortCode2 = '101' OR WerksoortCode3 = '101') AND "
                    "(WerksoortCode2 = '305' OR WerksoortCode3 = '305') AND (VaardighedenCode1 = "
                    "'012' OR VaardighedenCode2 ='012' OR VaardighedenCode3 ='012' OR "
                    "VaardighedenCode4 ='012' OR VaardighedenCode5 ='012' OR VaardighedenCode6 "
                    "='012' OR VaardighedenCode7 ='012')"));
        row("nothing chosen", geen, geen, geen, geen, QString());
        row("lone work type: leading blank", geen, geen, QStringList{"101"}, geen, " " + Ws101);
        row("lone main direction", geen, QStringList{"07"}, geen, geen,
            QString(" HoofdrichtingCode = '07'"));
        row("lone direction", geen, QStringList{"071"}, geen, geen,
            QString(" RichtingCode = '071'"));
        row("level trimmed, then direction", QStringList{"3 "}, QStringList{"071"}, geen, geen,
            QString("NiveauBekwaamhedenCode = '3' AND richtingCode = '071'"));
        row("empty or odd direction adds nothing", QStringList{"2 "}, QStringList{""}, geen, geen,
            QString("NiveauBekwaamhedenCode = '2'"));
        row("second and third work type shifted", geen, QStringList{"07"},
            QStringList{"101", "204", "305"}, geen,
            " HoofdrichtingCode = '07' AND " + Ws101 +
                " AND (WerksoortCode2 = '204' OR WerksoortCode3 = '204')"
                " AND (WerksoortCode3 = '305')");
        row("lone skill, then the sixth and seventh", geen, geen, geen,
            QStringList{"011", "", "", "", "", "016", "017"},
            QString(" (VaardighedenCode1 = '011' OR VaardighedenCode2 ='011' OR VaardighedenCode3 "
                    "='011' OR VaardighedenCode4 ='011' OR VaardighedenCode5 ='011' OR "
                    "VaardighedenCode6 ='011' OR VaardighedenCode7 ='011') AND "
                    "(VaardighedenCode6 = '016' OR VaardighedenCode7 ='016') AND "
                    "(VaardighedenCode7 = '017')"));
        row("empty first work type: no leading AND", geen, geen, QStringList{"", "101"}, geen,
            QString(" (WerksoortCode2 = '101' OR WerksoortCode3 = '101')"));
        row("trailing blank kept, quote doubled", QStringList{"'"}, geen, QStringList{"10 "}, geen,
            QString("NiveauBekwaamhedenCode = '''' AND (WerksoortCode1 = '10 ' OR "
                    "WerksoortCode2 = '10 ' OR WerksoortCode3 = '10 ')"));
    }

    void zoekstring() {
        QFETCH(QStringList, niveau);
        QFETCH(QStringList, richting);
        QFETCH(QStringList, werksoorten);
        QFETCH(QStringList, vaardigheden);
        QTEST(VullenZoekstring(niveau, richting, werksoorten, vaardigheden), "conditie");
    }

    void richtingen_data() {
        QTest::addColumn<QStringList>("rijen");
        QTest::addColumn<QStringList>("lijst");
        row("grouped, nothing above 01",
            QStringList{"01 Algemeen", "011 Vorming", "02 Onderwijs", "021 Les", "022 Opvoeding"},
            QStringList{"  01 Algemeen", "", "011 Vorming", "", "  02 Onderwijs", "", "021 Les",
                        "022 Opvoeding"});
        row("first main direction not 01", QStringList{"02 Onderwijs", "021 Les"},
            QStringList{"", "  02 Onderwijs", "", "021 Les"});
    }

    void richtingen() {
        QFETCH(QStringList, rijen);
        QTEST(groupDirections(rijen), "lijst");
    }

    void kiezen_data() {
        QTest::addColumn<QStringList>("voor");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("keuze");
        QTest::addColumn<QStringList>("na");
        const int toegevoegd = int(Choice::Added), al = int(Choice::AlreadyChosen),
                  vol = int(Choice::Full);
        row("kept in ascending order", QStringList{"204", "305"}, "101", toegevoegd,
            QStringList{"101", "204", "305"});
        row("in the middle", QStringList{"101", "305"}, "204", toegevoegd,
            QStringList{"101", "204", "305"});
        row("already chosen", QStringList{"101"}, "101", al, QStringList{"101"});
        row("already chosen, list full", QStringList{"101", "204", "305"}, "204", al,
            QStringList{"101", "204", "305"});
        row("full", QStringList{"101", "204", "305"}, "102", vol, QStringList{"101", "204", "305"});
    }

    void kiezen() {
        QFETCH(QStringList, voor);
        QFETCH(QString, code);
        QTEST(int(chooseCode(voor, code, MaxWorkTypes)), "keuze");
        QTEST(voor, "na");
    }
};

QTEST_GUILESS_MAIN(TestSearchString)
#include "tst_searchstring.moc"
