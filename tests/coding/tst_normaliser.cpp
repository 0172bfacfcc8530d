#include "coding/normaliser.h"
#include "coding/textmatch.h"
#include "support/datarow.h"

#include <QTest>

using namespace rvl92::coding;

class TestNormaliser : public QObject {
    Q_OBJECT
private slots:
    void normalise_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // Case, accents, punctuation and blanks.
        row("case and blanks", "  Medewerker   KLANTENSERVICE ", "medewerker klantenservice");
        row("accents", "Coördinator crèche", "coordinator creche");
        row("ligature and sharp s", "Æsthetisch Straße", "aesthetisch strasse");
        row("punctuation", "Hoofd-inkoop, (logistiek)!", "hoofd inkoop logistiek");
        row("apostrophe joins", "Verkoper auto's", "verkoper autos");
        row("curly apostrophe", "Verkoper auto’s", "verkoper autos");
        row("digits stay", "Chauffeur C1/CE", "chauffeur c1 ce");
        // Gender suffixes in their usual spellings; other slashes only split.
        row("(m/v)", "Bakker (m/v)", "bakker");
        row("m/v/x", "Bakker m/v/x", "bakker");
        row("m/w/d in front", "(m/w/d) Bakker", "bakker");
        row("24/7 is no gender", "Bewaker 24/7", "bewaker 24 7");
        row("a/b is no gender", "Kok a/b", "kok a b");
        // Abbreviations: some only with their full stop.
        row("medew.", "Medew. klantenservice", "medewerker klantenservice");
        row("mdw without dot", "mdw klantenservice", "medewerker klantenservice");
        row("chained", "medew./adm.", "medewerker administratief");
        row("ass. with dot", "Ass. accountant", "assistent accountant");
        row("ass without dot stays", "ass accountant", "ass accountant");
        row("dotted initials", "t.b.v. kantoor", "t b v kantoor");
        // Nothing left.
        row("empty", "", "");
        row("only punctuation", " -- (m/v) .", "");
    }

    void normalise() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(normaliseTitle(text), expected);
    }

    void editDistance_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("expected");
        row("same", "bakker", "bakker", 2, 0);
        row("one substitution", "bakker", "bakher", 2, 1);
        row("swap counts once", "bakker", "bakekr", 2, 1);
        row("insertion and deletion", "verpleegkundige", "verplegkundigee", 2, 2);
        row("over the limit", "bakker", "slager", 2, 3);
        row("length alone over the limit", "kok", "kokkinnen", 2, 3);
        row("empty", "", "kok", 3, 3);
    }

    void editDistance() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, limit);
        QFETCH(int, expected);
        const std::string sa = a.toStdString(), sb = b.toStdString();
        QCOMPARE(rvl92::coding::editDistance(sa, sb, limit), expected);
        QCOMPARE(rvl92::coding::editDistance(sb, sa, limit), expected);
    }

    // A compound and its parts written apart share most trigrams; an unrelated
    // title of the same length shares few.
    void trigramsOfCompounds() {
        const auto shared = [](const char* a, const char* b) {
            const auto x = titleTrigrams(a), y = titleTrigrams(b);
            std::vector<uint32_t> both;
            std::set_intersection(x.begin(), x.end(), y.begin(), y.end(), std::back_inserter(both));
            return double(both.size()) / double(std::min(x.size(), y.size()));
        };
        QVERIFY(shared("bakkersknecht", "knecht bakker") > 0.7);
        QVERIFY(shared("bakkersknecht", "slagersleerling") < 0.3);
    }
};

QTEST_GUILESS_MAIN(TestNormaliser)
#include "tst_normaliser.moc"
