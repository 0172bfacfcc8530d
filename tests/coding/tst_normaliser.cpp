#include "coding/normaliser.h"
#include "coding/textmatch.h"

#include <QTest>

using namespace rvl92::coding;

class TestNormaliser : public QObject {
    Q_OBJECT
private slots:
    void normalise_data();
    void normalise();
    void editDistance_data();
    void editDistance();
    void trigramsOfCompounds();
};

void TestNormaliser::normalise_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // Case, accents, punctuation and blanks.
    QTest::newRow("case and blanks") << "  Medewerker   KLANTENSERVICE "
                                     << "medewerker klantenservice";
    QTest::newRow("accents") << "Coördinator crèche"
                             << "coordinator creche";
    QTest::newRow("ligature and sharp s") << "Æsthetisch Straße"
                                          << "aesthetisch strasse";
    QTest::newRow("punctuation") << "Hoofd-inkoop, (logistiek)!"
                                 << "hoofd inkoop logistiek";
    QTest::newRow("apostrophe joins") << "Verkoper auto's"
                                      << "verkoper autos";
    QTest::newRow("curly apostrophe") << "Verkoper auto’s"
                                      << "verkoper autos";
    QTest::newRow("digits stay") << "Chauffeur C1/CE"
                                 << "chauffeur c1 ce";
    // Gender suffixes in their usual spellings; other slashes only split.
    QTest::newRow("(m/v)") << "Bakker (m/v)"
                           << "bakker";
    QTest::newRow("(v/m)") << "Bakker (V/M)"
                           << "bakker";
    QTest::newRow("m/v/x") << "Bakker m/v/x"
                           << "bakker";
    QTest::newRow("m/w/d in front") << "(m/w/d) Bakker"
                                    << "bakker";
    QTest::newRow("24/7 is no gender") << "Bewaker 24/7"
                                       << "bewaker 24 7";
    QTest::newRow("a/b is no gender") << "Kok a/b"
                                      << "kok a b";
    // Abbreviations: some only with their full stop.
    QTest::newRow("medew.") << "Medew. klantenservice"
                            << "medewerker klantenservice";
    QTest::newRow("mdw without dot") << "mdw klantenservice"
                                     << "medewerker klantenservice";
    QTest::newRow("adm.") << "Adm. medewerker"
                          << "administratief medewerker";
    QTest::newRow("chained") << "medew./adm."
                             << "medewerker administratief";
    QTest::newRow("ass. with dot") << "Ass. accountant"
                                   << "assistent accountant";
    QTest::newRow("ass without dot stays") << "ass accountant"
                                           << "ass accountant";
    QTest::newRow("sr") << "Sr. programmeur"
                        << "senior programmeur";
    QTest::newRow("dotted initials") << "t.b.v. kantoor"
                                     << "t b v kantoor";
    // Nothing left.
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only punctuation") << " -- (m/v) ."
                                      << "";
}

void TestNormaliser::normalise() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(normaliseTitle(text), expected);
}

void TestNormaliser::editDistance_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("expected");
    QTest::newRow("same") << "bakker"
                          << "bakker" << 2 << 0;
    QTest::newRow("one substitution") << "bakker"
                                      << "bakher" << 2 << 1;
    QTest::newRow("swap counts once") << "bakker"
                                      << "bakekr" << 2 << 1;
    QTest::newRow("insertion and deletion") << "verpleegkundige"
                                            << "verplegkundigee" << 2 << 2;
    QTest::newRow("over the limit") << "bakker"
                                    << "slager" << 2 << 3;
    QTest::newRow("length alone over the limit") << "kok"
                                                 << "kokkinnen" << 2 << 3;
    QTest::newRow("empty") << ""
                           << "kok" << 3 << 3;
}

void TestNormaliser::editDistance() {
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
void TestNormaliser::trigramsOfCompounds() {
    const auto shared = [](const char* a, const char* b) {
        const auto x = titleTrigrams(a), y = titleTrigrams(b);
        std::vector<uint32_t> both;
        std::set_intersection(x.begin(), x.end(), y.begin(), y.end(), std::back_inserter(both));
        return double(both.size()) / double(std::min(x.size(), y.size()));
    };
    QVERIFY(shared("bakkersknecht", "knecht bakker") > 0.7);
    QVERIFY(shared("bakkersknecht", "slagersleerling") < 0.3);
}

QTEST_GUILESS_MAIN(TestNormaliser)
#include "tst_normaliser.moc"
