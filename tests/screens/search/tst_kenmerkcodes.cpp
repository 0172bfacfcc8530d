// Codes cut from the lookup texts, the grouped direction list, the sorted
// lists of chosen codes and the captions of the replace buttons.
#include "screens/search/kenmerkcodes.h"

#include <QTest>

using namespace rvl92::zoeken;

class TstKenmerkcodes : public QObject {
    Q_OBJECT
private slots:
    void codes_data();
    void codes();
    void richtingen_data();
    void richtingen();
    void kiezen_data();
    void kiezen();
    void knoppen();
};

void TstKenmerkcodes::codes_data() {
    QTest::addColumn<QString>("soort");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("code");
    QTest::newRow("level: two characters") << "niveau"
                                           << "3 Middelbaar niveau"
                                           << "3 ";
    QTest::newRow("indented main direction") << "richting"
                                             << "  07 Techniek"
                                             << "07";
    QTest::newRow("direction") << "richting"
                               << "071 Metaal"
                               << "071";
    QTest::newRow("empty separator") << "richting"
                                     << ""
                                     << "";
    QTest::newRow("work type") << "werksoort"
                               << "101 Plannen"
                               << "101";
    QTest::newRow("work type keeps a trailing blank") << "werksoort"
                                                      << "10 Kort"
                                                      << "10 ";
    QTest::newRow("skill") << "vaardigheid"
                           << "012 Schriftelijk"
                           << "012";
}

void TstKenmerkcodes::codes() {
    QFETCH(QString, soort);
    QFETCH(QString, tekst);
    const QString code = soort == "niveau"      ? niveauCode(tekst)
                         : soort == "richting"  ? richtingCode(tekst)
                         : soort == "werksoort" ? werksoortCode(tekst)
                                                : vaardigheidCode(tekst);
    QTEST(code, "code");
}

void TstKenmerkcodes::richtingen_data() {
    QTest::addColumn<QStringList>("rijen");
    QTest::addColumn<QStringList>("lijst");
    QTest::newRow("grouped, nothing above 01")
        << QStringList{"01 Algemeen", "011 Vorming", "02 Onderwijs", "021 Les", "022 Opvoeding"}
        << QStringList{"  01 Algemeen",  "", "011 Vorming", "",
                       "  02 Onderwijs", "", "021 Les",     "022 Opvoeding"};
    QTest::newRow("first main direction not 01")
        << QStringList{"02 Onderwijs", "021 Les"}
        << QStringList{"", "  02 Onderwijs", "", "021 Les"};
    QTest::newRow("empty table") << QStringList{} << QStringList{};
}

void TstKenmerkcodes::richtingen() {
    QFETCH(QStringList, rijen);
    QTEST(richtingenGroeperen(rijen), "lijst");
}

void TstKenmerkcodes::kiezen_data() {
    QTest::addColumn<QStringList>("voor");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("keuze");
    QTest::addColumn<QStringList>("na");
    const int toegevoegd = int(Keuze::Toegevoegd), al = int(Keuze::AlGekozen),
              vol = int(Keuze::Vol);
    QTest::newRow("first") << QStringList{} << "305" << 3 << toegevoegd << QStringList{"305"};
    QTest::newRow("kept in ascending order") << QStringList{"204", "305"} << "101" << 3
                                             << toegevoegd << QStringList{"101", "204", "305"};
    QTest::newRow("in the middle") << QStringList{"101", "305"} << "204" << 3 << toegevoegd
                                   << QStringList{"101", "204", "305"};
    QTest::newRow("already chosen") << QStringList{"101"} << "101" << 3 << al << QStringList{"101"};
    QTest::newRow("already chosen, list full")
        << QStringList{"101", "204", "305"} << "204" << 3 << al << QStringList{"101", "204", "305"};
    QTest::newRow("full") << QStringList{"101", "204", "305"} << "102" << 3 << vol
                          << QStringList{"101", "204", "305"};
}

void TstKenmerkcodes::kiezen() {
    QFETCH(QStringList, voor);
    QFETCH(QString, code);
    QFETCH(int, max);
    QTEST(int(kiesCode(voor, code, max)), "keuze");
    QTEST(voor, "na");
}

void TstKenmerkcodes::knoppen() {
    QCOMPARE(knopTekst(u"101"), QString("101 . . . ."));
    QCOMPARE(knopTekst(u""), QString(" . . . ."));
    QCOMPARE(knopTekst(u"12345678901"), QString("1234567890 . . . ."));
}

QTEST_GUILESS_MAIN(TstKenmerkcodes)
#include "tst_kenmerkcodes.moc"
