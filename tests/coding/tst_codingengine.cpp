#include "coding/codingengine.h"
#include "support/datarow.h"

#include <QTest>

using namespace rvl92::coding;

namespace {

// A small classification with the traps a coder meets: compounds, common and
// rare words, a title that two occupations share.
const CodingEngine& engine() {
    static const CodingEngine e(std::vector<TitleSource>{
        {"10001", "Bakker", "Broodbakker"},
        {"10001", "Bakker", "Bakkersknecht"},
        {"10002", "Banketbakker", "Banketbakker"},
        {"10002", "Banketbakker", "Medewerker banketbakkerij"},
        {"20001", "Medewerker klantenservice", "Medewerker klantenservice"},
        {"20001", "Medewerker klantenservice", "Klantenservicemedewerker"},
        {"20002", "Administratief medewerker", "Administratief medewerker"},
        {"20002", "Administratief medewerker", "Medewerker administratie"},
        {"20003", "Magazijnmedewerker", "Medewerker magazijn"},
        {"30001", "Verpleegkundige", "Verpleegkundige"},
        {"30001", "Verpleegkundige", "Wijkverpleegkundige"},
        {"30002", "Verzorgende", "Verzorgende IG"},
        {"40001", "Tandartsassistent", "Assistent"},
        {"40002", "Apothekersassistent", "Assistent"},
        {"40002", "Apothekersassistent", "Apothekersassistente"},
        {"50001", "Kok", "Kok"},
        {"50001", "Kok", "Zelfstandig werkend kok"},
    });
    return e;
}

} // namespace

class TestCodingEngine : public QObject {
    Q_OBJECT
private slots:
    void ranking_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("minScore");
        QTest::addColumn<int>("maxScore");
        QTest::addColumn<QString>("title");
        // Exact after normalising: 100, and the title as the classification writes it.
        row("exact, any spelling", "BROODBAKKER (m/v)", "10001", 100, 100, "Broodbakker");
        row("occupation name is a title", "verzorgende", "30002", 100, 100, "Verzorgende");
        row("abbreviation", "medew. klantenservice", "20001", 100, 100,
            "Medewerker klantenservice");
        // Not exact: below 100, still first.
        row("typo", "verpleegkundge", "30001", 60, 99, "Verpleegkundige");
        row("two typos", "verplegekundgie", "30001", 40, 99, "Verpleegkundige");
        row("word order", "klantenservice medewerker", "20001", 60, 99,
            "Medewerker klantenservice");
        row("compound split", "knecht bakker", "10001", 40, 99, "Bakkersknecht");
        row("compound joined", "magazijnmedewerker", "20003", 60, 100, "Magazijnmedewerker");
        row("extra words", "bakkersknecht nachtploeg", "10001", 40, 99, "Bakkersknecht");
        // The rare word decides, not the common "medewerker".
        row("rare word wins", "mdw magazijn expeditie", "20003", 40, 99, "Medewerker magazijn");
    }

    void ranking() {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QFETCH(int, minScore);
        QFETCH(int, maxScore);
        QFETCH(QString, title);
        const CodingResult r = engine().code(text, 3);
        QVERIFY(!r.candidates.empty());
        QCOMPARE(r.candidates[0].code, code);
        QCOMPARE(r.candidates[0].title, title);
        QVERIFY2(r.candidates[0].score >= minScore && r.candidates[0].score <= maxScore,
                 qPrintable(QString::number(r.candidates[0].score)));
        // Best first, one line per occupation, and the same answer every time.
        for (size_t i = 1; i < r.candidates.size(); ++i) {
            QVERIFY(r.candidates[i].score <= r.candidates[i - 1].score);
            QVERIFY(r.candidates[i].code != r.candidates[0].code);
            QVERIFY(r.candidates[i].score < 100 || r.candidates[0].score == 100);
        }
        const CodingResult again = engine().code(text, 3);
        QCOMPARE(again.candidates.size(), r.candidates.size());
        for (size_t i = 0; i < r.candidates.size(); ++i) {
            QCOMPARE(again.candidates[i].code, r.candidates[i].code);
            QCOMPARE(again.candidates[i].score, r.candidates[i].score);
        }
        QCOMPARE(certaintyText(r.certainty).isEmpty(), false);
        if (r.candidates[0].score == 100)
            QCOMPARE(certaintyText(r.certainty), QStringLiteral("zeker"));
    }

    // A title that belongs to two occupations lists both at 100, by code, and the
    // engine does not claim to be sure which one is meant.
    void sharedExactTitle() {
        const CodingResult r = engine().code(u"assistent", 3);
        QVERIFY(r.candidates.size() >= 2);
        QCOMPARE(r.candidates[0].code, QStringLiteral("40001"));
        QCOMPARE(r.candidates[1].code, QStringLiteral("40002"));
        QCOMPARE(r.candidates[0].score, 100);
        QCOMPARE(r.candidates[1].score, 100);
        QCOMPARE(certaintyText(r.certainty), QStringLiteral("waarschijnlijk"));
        // Asked for one candidate, it still gives the first by code.
        QCOMPARE(engine().code(u"assistent", 1).candidates.size(), size_t(1));
    }

    void noCandidate_data() {
        QTest::addColumn<QString>("text");
        row("empty", "");
        row("unknown words", "qwxz yvpq");
        row("one letter", "x");
    }

    void noCandidate() {
        QFETCH(QString, text);
        const CodingResult r = engine().code(text, 3);
        QVERIFY(r.candidates.empty());
        QCOMPARE(r.certainty, Certainty::None);
        QCOMPARE(certaintyText(r.certainty), QString());
    }

    void buildsFromTitles() {
        QCOMPARE(engine().occupationCount(), 10);
        // An empty classification answers, with nothing.
        const CodingEngine empty(std::vector<TitleSource>{});
        QVERIFY(empty.code(u"bakker").candidates.empty());
    }
};

QTEST_GUILESS_MAIN(TestCodingEngine)
#include "tst_codingengine.moc"
