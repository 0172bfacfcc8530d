// The rules of the browse screens that need no window: the jump value of the
// job-title list, the code boxes of the occupation list, the length
// thresholds and the messages.
#include "screens/browse/browseregels.h"
#include "screens/browse/browseteksten.h"
#include "screens/browse/codevakken.h"
#include "screens/browse/springwaarde.h"

#include <QTest>

using namespace rvl92;

namespace {

// "1 2 * _ _" <-> boxes; "_" is an empty box, "~" a blank.
CodeVakken vakken(const QString& s) {
    CodeVakken v;
    const QStringList delen = s.split(' ');
    for (int k = 0; k < 5 && k < delen.size(); ++k) {
        QString d = delen[k];
        v[size_t(k)] = d == "_" ? QString() : d == "~" ? QStringLiteral(" ") : d;
    }
    return v;
}

QString toon(const CodeVakken& v) {
    QStringList delen;
    for (const QString& d : v)
        delen << (d.isEmpty() ? "_" : d == " " ? "~" : d);
    return delen.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(SpringStap::Soort)

class TstBrowseRegels : public QObject {
    Q_OBJECT
private slots:
    void springToets_data();
    void springToets();
    void aanvullen_data();
    void aanvullen();
    void nietGevonden_data();
    void nietGevonden();
    void codeVakTeken_data();
    void codeVakTeken();
    void pijlen_data();
    void pijlen();
    void lijstTeken_data();
    void lijstTeken();
    void drempels_data();
    void drempels();
    void mededelingen();
};

void TstBrowseRegels::springToets_data() {
    QTest::addColumn<QString>("waarde");
    QTest::addColumn<uint>("toets");
    QTest::addColumn<SpringStap::Soort>("soort");
    QTest::addColumn<QString>("daarna");
    using S = SpringStap::Soort;
    QTest::newRow("letter starts a value") << "" << uint('b') << S::Springen << "b";
    QTest::newRow("capital starts a value") << "" << uint('B') << S::Springen << "B";
    QTest::newRow("[ lies in the letter range") << "" << uint('[') << S::Springen << "[";
    QTest::newRow("_ lies in the letter range") << "" << uint('_') << S::Springen << "_";
    QTest::newRow("z is the last of the range") << "" << uint('z') << S::Springen << "z";
    QTest::newRow("first key a digit is ignored") << "" << uint('1') << S::Negeren << "";
    QTest::newRow("first key a blank is ignored") << "" << uint(' ') << S::Negeren << "";
    QTest::newRow("first key { is ignored") << "" << uint('{') << S::Negeren << "";
    QTest::newRow("accented letter starts a value") << "" << uint(0xC9) << S::Springen << "É";
    QTest::newRow("first key a mark is ignored") << "" << uint('!') << S::Negeren << "";
    QTest::newRow("digit continues a value") << "pak" << uint('1') << S::Springen << "pak1";
    QTest::newRow("blank continues a value") << "pak" << uint(' ') << S::Springen << "pak ";
    QTest::newRow("quote continues a value") << "pak" << uint('\'') << S::Springen << "pak'";
    QTest::newRow("accent continues a value") << "caf" << uint(0xE9) << S::Springen << "café";
    QTest::newRow("Escape clears") << "bak" << uint(27) << S::Wissen << "";
    QTest::newRow("Escape on nothing clears") << "" << uint(27) << S::Wissen << "";
    QTest::newRow("Enter changes nothing") << "bak" << uint(13) << S::Focus << "bak";
    QTest::newRow("Backspace shortens and jumps") << "bak" << uint(8) << S::Springen << "ba";
    QTest::newRow("Backspace on one letter clears") << "b" << uint(8) << S::Wissen << "";
    QTest::newRow("Backspace on nothing clears") << "" << uint(8) << S::Wissen << "";
}

void TstBrowseRegels::springToets() {
    QFETCH(QString, waarde);
    QFETCH(uint, toets);
    QFETCH(SpringStap::Soort, soort);
    QFETCH(QString, daarna);
    const SpringStap s = rvl92::springToets(waarde, char32_t(toets));
    QCOMPARE(s.soort, soort);
    QCOMPARE(s.waarde, daarna);
}

void TstBrowseRegels::aanvullen_data() {
    QTest::addColumn<QString>("voor");
    QTest::addColumn<QString>("na");
    QTest::addColumn<QString>("patroon");
    QTest::newRow("two digits") << "1 2 _ _ _"
                                << "1 2 * _ _"
                                << "12*";
    QTest::newRow("blank drops what follows") << "1 ~ 3 _ _"
                                              << "1 * _ _ _"
                                              << "1*";
    QTest::newRow("five digits stay") << "1 2 3 4 5"
                                      << "1 2 3 4 5"
                                      << "12345";
    QTest::newRow("four digits") << "1 2 3 4 _"
                                 << "1 2 3 4 *"
                                 << "1234*";
    QTest::newRow("blank in the last box") << "1 2 3 4 ~"
                                           << "1 2 3 4 *"
                                           << "1234*";
    QTest::newRow("gap then digits") << "9 _ _ 4 5"
                                     << "9 * _ _ _"
                                     << "9*";
    QTest::newRow("star of an earlier jump stays") << "1 2 * 5 _"
                                                   << "1 2 * 5 *"
                                                   << "12*5*";
}

void TstBrowseRegels::aanvullen() {
    QFETCH(QString, voor);
    QFETCH(QString, na);
    QFETCH(QString, patroon);
    const CodeVakken v = vulCodeVakkenAan(vakken(voor));
    QCOMPARE(toon(v), na);
    QCOMPARE(zoekWaarde(v), patroon);
}

void TstBrowseRegels::nietGevonden_data() {
    QTest::addColumn<QString>("patroon");
    QTest::addColumn<QString>("tekst");
    const QString begin = "Er zijn geen RVL92-codes met de zoekwaarde ";
    QTest::newRow("d*") << "9*" << begin + "9 . . . . gevonden";
    QTest::newRow("dd*") << "99*" << begin + "99 . . . gevonden";
    QTest::newRow("ddd*") << "999*" << begin + "999 . . gevonden";
    QTest::newRow("dddd*") << "9999*" << begin + "9999 . gevonden";
    QTest::newRow("ddddd") << "99999" << begin + "99999 gevonden";
}

void TstBrowseRegels::nietGevonden() {
    QFETCH(QString, patroon);
    QFETCH(QString, tekst);
    QCOMPARE(nietGevondenTekst(patroon), tekst);
}

void TstBrowseRegels::codeVakTeken_data() {
    QTest::addColumn<QString>("voor");
    QTest::addColumn<int>("vak");
    QTest::addColumn<uint>("teken");
    QTest::addColumn<QString>("na");
    QTest::addColumn<int>("focus");
    QTest::addColumn<bool>("zoekenAan");
    const int lijst = CodeVakStap::Lijst;
    QTest::newRow("digit in box 1 enables Springen")
        << "_ _ _ _ _" << 0 << uint('1') << "1 _ _ _ _" << 1 << true;
    QTest::newRow("digit replaces a digit")
        << "1 _ _ _ _" << 0 << uint('7') << "7 _ _ _ _" << 1 << true;
    QTest::newRow("digit in box 3 advances")
        << "1 2 _ _ _" << 2 << uint('3') << "1 2 3 _ _" << 3 << false;
    QTest::newRow("digit in box 5 stays")
        << "1 2 3 4 _" << 4 << uint('5') << "1 2 3 4 5" << 4 << false;
    QTest::newRow("Backspace in box 3 empties box 2")
        << "1 2 _ _ _" << 2 << uint(8) << "1 _ _ _ _" << 1 << false;
    QTest::newRow("Backspace in full box 1")
        << "1 _ _ _ _" << 0 << uint(8) << "_ _ _ _ _" << 0 << false;
    QTest::newRow("Backspace in empty box 1 to the list")
        << "_ _ _ _ _" << 0 << uint(8) << "_ _ _ _ _" << lijst << false;
    QTest::newRow("Backspace in full box 5 leaves a blank")
        << "1 2 3 4 5" << 4 << uint(8) << "1 2 3 4 ~" << 4 << false;
    QTest::newRow("Backspace in empty box 5 empties box 4")
        << "1 2 3 4 _" << 4 << uint(8) << "1 2 3 _ _" << 3 << false;
    QTest::newRow("Enter changes nothing")
        << "1 2 _ _ _" << 2 << uint(13) << "1 2 _ _ _" << 2 << false;
    QTest::newRow("letter in box 2 gives a blank")
        << "1 _ _ _ _" << 1 << uint('x') << "1 ~ _ _ _" << 1 << false;
    QTest::newRow("letter in box 5 empties it")
        << "1 2 3 4 5" << 4 << uint('x') << "1 2 3 4 _" << 4 << false;
    QTest::newRow("a in box 1 empties it")
        << "1 _ _ _ _" << 0 << uint('a') << "_ _ _ _ _" << 0 << false;
    QTest::newRow("other letter in box 1 moves on")
        << "1 _ _ _ _" << 0 << uint('b') << "1 _ _ _ _" << 1 << false;
}

void TstBrowseRegels::codeVakTeken() {
    QFETCH(QString, voor);
    QFETCH(int, vak);
    QFETCH(uint, teken);
    QFETCH(QString, na);
    QFETCH(int, focus);
    QFETCH(bool, zoekenAan);
    const CodeVakStap s = rvl92::codeVakTeken(vakken(voor), vak, char32_t(teken));
    QCOMPARE(toon(s.vakken), na);
    QCOMPARE(s.focus, focus);
    QCOMPARE(s.zoekenAan, zoekenAan);
    QCOMPARE(s.beweging, 0);
}

Q_DECLARE_METATYPE(Pijl)

void TstBrowseRegels::pijlen_data() {
    QTest::addColumn<int>("vak");
    QTest::addColumn<Pijl>("pijl");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("beweging");
    const int lijst = CodeVakStap::Lijst;
    QTest::newRow("left") << 2 << Pijl::Links << 1 << 0;
    QTest::newRow("left in box 1 stays") << 0 << Pijl::Links << 0 << 0;
    QTest::newRow("right") << 2 << Pijl::Rechts << 3 << 0;
    QTest::newRow("right in box 5 stays") << 4 << Pijl::Rechts << 4 << 0;
    QTest::newRow("up goes to the list, one row up") << 3 << Pijl::Omhoog << lijst << -1;
    QTest::newRow("down goes to the list, one row down") << 0 << Pijl::Omlaag << lijst << 1;
}

void TstBrowseRegels::pijlen() {
    QFETCH(int, vak);
    QFETCH(Pijl, pijl);
    QFETCH(int, focus);
    QFETCH(int, beweging);
    const CodeVakStap s = codeVakPijl(vakken("1 2 3 _ _"), vak, pijl);
    QCOMPARE(s.focus, focus);
    QCOMPARE(s.beweging, beweging);
    QCOMPARE(toon(s.vakken), QString("1 2 3 _ _"));
}

void TstBrowseRegels::lijstTeken_data() {
    QTest::addColumn<QString>("zoekwaarde");
    QTest::addColumn<uint>("teken");
    QTest::addColumn<QString>("na");
    QTest::addColumn<int>("focus");
    QTest::addColumn<bool>("naarEerste");
    const int lijst = CodeVakStap::Lijst;
    QTest::newRow("digit starts the boxes") << "" << uint('4') << "4 2 * _ _" << 1 << false;
    QTest::newRow("Backspace without a jump") << "" << uint(8) << "1 2 * _ _" << lijst << true;
    QTest::newRow("Backspace after 12*") << "12*" << uint(8) << "1 2 _ _ _" << 2 << true;
    QTest::newRow("Backspace after five digits") << "12345" << uint(8) << "1 2 * _ _" << 4 << true;
    QTest::newRow("letter does nothing") << "12*" << uint('q') << "1 2 * _ _" << lijst << false;
}

void TstBrowseRegels::lijstTeken() {
    QFETCH(QString, zoekwaarde);
    QFETCH(uint, teken);
    QFETCH(QString, na);
    QFETCH(int, focus);
    QFETCH(bool, naarEerste);
    const CodeVakStap s = rvl92::lijstTeken(vakken("1 2 * _ _"), zoekwaarde, char32_t(teken));
    QCOMPARE(toon(s.vakken), na);
    QCOMPARE(s.focus, focus);
    QCOMPARE(s.naarEerste, naarEerste);
    QCOMPARE(s.zoekenAan, QChar(teken).isDigit());
}

void TstBrowseRegels::drempels_data() {
    QTest::addColumn<int>("lengte");
    QTest::addColumn<bool>("langBoven"); // two-line box above a list
    QTest::addColumn<bool>("langLijst"); // two-row current row, title font
    QTest::newRow("90") << 90 << false << false;
    QTest::newRow("91") << 91 << true << false;
    QTest::newRow("100") << 100 << true << false;
    QTest::newRow("101") << 101 << true << true;
}

void TstBrowseRegels::drempels() {
    QFETCH(int, lengte);
    QFETCH(bool, langBoven);
    QFETCH(bool, langLijst);
    // Accented letters count as one character each.
    const QString tekst = QString(lengte, QChar(0xEB));
    QCOMPARE(isLangeBeroepsnaam(tekst), langBoven);
    QCOMPARE(isLangeBeroepsnaamInLijst(tekst), langLijst);
    QCOMPARE(isLangeFunctienaam(tekst), langLijst);
    const Lettertype verwacht =
        langLijst ? Lettertype{"Arial", 6.75} : Lettertype{"MS SANS SERIF", 8.25};
    QVERIFY(lijstLettertype(tekst) == verwacht);
    // A character outside the basic plane is one character too.
    QCOMPARE(aantalTekens(QString::fromUcs4(U"a\U0001F600b")), qsizetype(3));
}

void TstBrowseRegels::mededelingen() {
    QCOMPARE(geenSpringwaardeFunctienamen(),
             QString("Er is geen waarde opgegeven waar naar gesprongen moet worden."));
    QCOMPARE(geenSpringwaardeBeroepen(),
             QString("Er is geen waarde opgegeven waarnaar gesprongen moet worden."));
    QCOMPARE(geenFunctienamenBijBeroep("13001"),
             QString("Er zijn geen functienamen bij het beroep met RVL92-code 13001 gevonden."));
    const Notice f = functienamenlijstMededeling("/opt/rvl92");
    QCOMPARE(f.caption, QString("Exporteren Functienamenlijst"));
    QCOMPARE(f.text, QString("De volledige functienamenlijst vindt u in de directory: \r\n") +
                         QDir::toNativeSeparators("/opt/rvl92/Gebruikersbestanden"));
    const Notice b = beroepenlijstMededeling("/opt/rvl92");
    QCOMPARE(b.caption, QString("Exporteren Beroepenlijst"));
    QCOMPARE(b.text, QString("De volledige beroepenlijst vindt u in de directory: \r\n") +
                         QDir::toNativeSeparators("/opt/rvl92/Gebruikersbestanden"));
}

QTEST_GUILESS_MAIN(TstBrowseRegels)
#include "tst_browseregels.moc"
