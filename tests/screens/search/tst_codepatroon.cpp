// The code search: the key table of the five code boxes, the pattern and the
// query.
#include "screens/search/codepatroon.h"

#include <QTest>

using namespace rvl92::zoeken;

namespace {

// Five boxes written as five characters: "." an empty box, "_" a blank.
CodeVakken vakken(const QString& s) {
    CodeVakken v;
    for (int i = 0; i < AantalCodeVakken; ++i)
        v[i] = s[i] == u'.' ? QString() : s[i] == u'_' ? QStringLiteral(" ") : QString(s[i]);
    return v;
}

QString tekst(const CodeVakken& v) {
    QString s;
    for (const QString& x : v)
        s += x.isEmpty() ? QStringLiteral(".") : x == QStringLiteral(" ") ? QStringLiteral("_") : x;
    return s;
}

} // namespace

class TstCodepatroon : public QObject {
    Q_OBJECT
private slots:
    void toetsen_data();
    void toetsen();
    void patroon_data();
    void patroon();
};

void TstCodepatroon::toetsen_data() {
    QTest::addColumn<QString>("voor");
    QTest::addColumn<int>("vak");
    QTest::addColumn<int>("toets");
    QTest::addColumn<QString>("na");
    QTest::addColumn<int>("focus");
    QTest::addColumn<bool>("knoppen");
    QTest::newRow("digit, first box") << "....." << 0 << int('3') << "3...." << 1 << true;
    QTest::newRow("digit replaces") << "129.." << 2 << int('5') << "125.." << 3 << true;
    QTest::newRow("digit, last box: focus stays")
        << "1234." << 4 << int('9') << "12349" << 4 << true;
    QTest::newRow("blank is any digit") << "....." << 0 << 32 << "#...." << 1 << true;
    QTest::newRow("backspace, first box") << "1...." << 0 << 8 << "....." << 0 << true;
    QTest::newRow("backspace, middle: previous emptied")
        << "123.." << 2 << 8 << "1.3.." << 1 << false;
    QTest::newRow("backspace, last box filled") << "12345" << 4 << 8 << "1234." << 4 << false;
    QTest::newRow("backspace, last box empty") << "1234." << 4 << 8 << "123.." << 3 << false;
    QTest::newRow("Enter, first box") << "1...." << 0 << 13 << "1...." << 1 << true;
    QTest::newRow("Enter elsewhere: other key") << "123.." << 2 << 13 << "12_.." << 2 << false;
    QTest::newRow("letter, first box") << "....." << 0 << int('a') << "_...." << 0 << true;
    QTest::newRow("quote, middle box") << "1...." << 1 << int('\'') << "1_..." << 1 << false;
    QTest::newRow("letter, last box") << "....." << 4 << int('a') << "...._" << 4 << true;
}

void TstCodepatroon::toetsen() {
    QFETCH(QString, voor);
    QFETCH(int, vak);
    QFETCH(int, toets);
    const CodeToetsGevolg g = codeVakToets(vakken(voor), vak, toets);
    QTEST(tekst(g.vakken), "na");
    QTEST(g.focus, "focus");
    QTEST(g.knoppenAan, "knoppen");
}

void TstCodepatroon::patroon_data() {
    QTest::addColumn<QString>("vakken");
    QTest::addColumn<QString>("patroon");
    QTest::newRow("all empty") << "....."
                               << "#####";
    QTest::newRow("blanks and empties") << "1_3.5"
                                        << "1#3#5";
    QTest::newRow("whole code") << "11010"
                                << "11010";
}

void TstCodepatroon::patroon() {
    QFETCH(QString, vakken);
    QFETCH(QString, patroon);
    QCOMPARE(codePatroon(codeVakkenVoorZoeken(::vakken(vakken))), patroon);
    QCOMPARE(codeZoekQuery(patroon),
             "select RVL92, functienaam, beroep  from functienamen where  RVL92 Like '" + patroon +
                 "'");
    QCOMPARE(codeZoekQuery(u"1'###"), QString("select RVL92, functienaam, beroep  from "
                                              "functienamen where  RVL92 Like '1''###'"));
}

QTEST_GUILESS_MAIN(TstCodepatroon)
#include "tst_codepatroon.moc"
