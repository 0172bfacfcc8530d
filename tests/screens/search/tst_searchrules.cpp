// The rules of the search screens that need no window: the key rules of the
// job-title search box and its grid, and for the search on characteristics
// the condition built from the chosen codes, character for character, the
// grouped direction list and the sorted lists of chosen codes.
#include "screens/search/characteristiccodes.h"
#include "screens/search/searchcondition.h"
#include "screens/search/searchtext.h"
#include "support/datarow.h"

#include <QTest>

using namespace rvl92::search;

namespace {
const QString Ws101 =
    QStringLiteral("(WerksoortCode1 = '101' OR WerksoortCode2 = '101' OR WerksoortCode3 = '101')");
} // namespace

class TestSearchRules : public QObject {
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

    void zoekvak_data() {
        QTest::addColumn<int>("toets");
        QTest::addColumn<bool>("vakLeeg");
        QTest::addColumn<bool>("zoekenAan");
        QTest::addColumn<bool>("zoeken");
        QTest::addColumn<bool>("knoppenAan");
        row("letter", int('a'), true, true, false, true);
        row("sign between Z and a", int('['), true, false, false, true);
        row("blank in empty box", 32, true, true, false, false);
        row("blank after text", 32, false, false, false, true);
        row("backspace", 8, false, false, false, true);
        row("Enter, Zoeken enabled", 13, false, true, true, true);
        row("Enter, Zoeken disabled", 13, false, false, false, true);
        row("accented letter", 0xe9, true, false, false, false);
        row("hyphen", int('-'), false, true, false, false);
        row("brace", int('{'), false, true, false, false);
    }

    void zoekvak() {
        QFETCH(int, toets);
        QFETCH(bool, vakLeeg);
        QFETCH(bool, zoekenAan);
        const KeyResult g = searchBoxKey(toets, vakLeeg, zoekenAan);
        QTEST(g.runSearch, "zoeken");
        QTEST(g.enableButtons, "knoppenAan");
    }

    void grid_data() {
        QTest::addColumn<int>("toets");
        QTest::addColumn<QString>("voor");
        QTest::addColumn<bool>("zoekenAan");
        QTest::addColumn<QString>("na");
        QTest::addColumn<bool>("zoeken");
        QTest::addColumn<bool>("knoppenAan");
        row("letter appended", int('k'), "bak", false, "bakk", false, true);
        row("backspace", 8, "bak", false, "ba", false, true);
        row("blank appended", 32, "bak", false, "bak ", false, true);
        row("blank on empty: nothing", 32, "", true, "", false, false);
        row("Enter searches", 13, "bak", true, "bak", true, true);
        row("Enter, Zoeken disabled", 13, "bak", false, "bak", false, true);
        row("other key ignored", int('*'), "bak", true, "bak", false, false);
    }

    void grid() {
        QFETCH(int, toets);
        QFETCH(QString, voor);
        QFETCH(bool, zoekenAan);
        const GridKeyResult g = gridKey(toets, voor, zoekenAan);
        QTEST(g.text, "na");
        QTEST(g.runSearch, "zoeken");
        QTEST(g.enableButtons, "knoppenAan");
    }
};

QTEST_GUILESS_MAIN(TestSearchRules)
#include "tst_searchrules.moc"
