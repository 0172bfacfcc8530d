// The rules of the browse screens that need no window: the jump value of the
// job-title list, the code boxes of the occupation list, the thresholds.
#include "screens/browse/codeboxkeys.h"
#include "screens/browse/jumpvalue.h"
#include "screens/browse/rvlcolumns.h"
#include "support/datarow.h"

#include <QTest>

using namespace rvl92;

namespace {

// "1 2 * _ _" <-> boxes; "_" is an empty box, "~" a blank.
CodeBoxes vakken(const QString& s) {
    CodeBoxes v;
    const QStringList delen = s.split(' ');
    for (size_t k = 0; k < v.size(); ++k)
        v[k] = delen[k] == "_" ? QString() : delen[k] == "~" ? QStringLiteral(" ") : delen[k];
    return v;
}

QString toon(const CodeBoxes& v) {
    QStringList delen;
    for (const QString& d : v)
        delen << (d.isEmpty() ? "_" : d == " " ? "~" : d);
    return delen.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(JumpStep::Kind)

class TestBrowseRules : public QObject {
    Q_OBJECT
private slots:
    void springToets_data() {
        QTest::addColumn<QString>("waarde");
        QTest::addColumn<uint>("toets");
        QTest::addColumn<JumpStep::Kind>("soort");
        QTest::addColumn<QString>("daarna");
        using S = JumpStep::Kind;
        row("letter starts", "", uint('b'), S::Jump, "b");
        row("[ and _ lie in the letter range", "", uint('['), S::Jump, "[");
        row("accented letter starts", "", uint(0xC9), S::Jump, "É");
        row("first key a digit: ignored", "", uint('1'), S::Ignore, "");
        row("first key a blank: ignored", "", uint(' '), S::Ignore, "");
        row("first key { (past z): ignored", "", uint('{'), S::Ignore, "");
        row("quote continues", "pak", uint('\''), S::Jump, "pak'");
        row("Escape clears", "bak", uint(27), S::Clear, "");
        row("Backspace shortens", "bak", uint(8), S::Jump, "ba");
        row("Backspace on one letter clears", "b", uint(8), S::Clear, "");
    }

    void springToets() {
        QFETCH(QString, waarde);
        QFETCH(uint, toets);
        QFETCH(JumpStep::Kind, soort);
        QFETCH(QString, daarna);
        const JumpStep s = rvl92::jumpKey(waarde, char32_t(toets));
        QCOMPARE(s.kind, soort);
        QCOMPARE(s.value, daarna);
    }

    void aanvullen_data() {
        QTest::addColumn<QString>("voor");
        QTest::addColumn<QString>("na");
        QTest::addColumn<QString>("patroon");
        QTest::addColumn<QString>("melding"); // after "... met de zoekwaarde "
        auto rij = [](const char* voor, const char* na, const char* patroon, const char* melding) {
            row(voor, QString(voor), QString(na), QString(patroon), QString(melding));
        };
        rij("1 2 _ _ _", "1 2 * _ _", "12*", "12 . . . gevonden");
        rij("1 ~ 3 _ _", "1 * _ _ _", "1*", "1 . . . . gevonden"); // the 3 goes
        rij("1 2 3 4 ~", "1 2 3 4 *", "1234*", "1234 . gevonden");
        rij("9 9 9 9 9", "9 9 9 9 9", "99999", "99999 gevonden");
        rij("1 2 * 5 _", "1 2 * 5 *", "12*5*", "12*5 . gevonden"); // a star of an earlier jump
    }

    void aanvullen() {
        QFETCH(QString, voor);
        QFETCH(QString, na);
        QFETCH(QString, patroon);
        QFETCH(QString, melding);
        const CodeBoxes v = completeCodeBoxes(vakken(voor));
        QCOMPARE(toon(v), na);
        QCOMPARE(joinedCodeBoxes(v), patroon);
        QCOMPARE(codeNotFoundText(patroon),
                 QString("Er zijn geen RVL92-codes met de zoekwaarde ") + melding);
    }

    void codeVakToets_data() {
        QTest::addColumn<int>("vak"); // 0..4, or -1: typed in the list
        QTest::addColumn<uint>("teken");
        QTest::addColumn<QString>("voor");
        QTest::addColumn<QString>("na");
        QTest::addColumn<int>("focus"); // -1 the list
        QTest::addColumn<bool>("naarEerste");
        auto rij = [](const char* naam, int vak, uint teken, const char* voor, const char* na,
                      int focus, bool naarEerste = false) {
            row(naam, vak, teken, QString(voor), QString(na), focus, naarEerste);
        };
        rij("digit in box 5 stays there", 4, '5', "1 2 3 4 _", "1 2 3 4 5", 4);
        rij("Backspace in box 3", 2, 8, "1 2 _ _ _", "1 _ _ _ _", 1);
        rij("Backspace in empty box 1", 0, 8, "_ _ _ _ _", "_ _ _ _ _", -1);
        rij("Backspace in full box 5", 4, 8, "1 2 3 4 5", "1 2 3 4 ~", 4);
        rij("Backspace in empty box 5", 4, 8, "1 2 3 4 _", "1 2 3 _ _", 3);
        rij("letter in box 2", 1, 'x', "1 _ _ _ _", "1 ~ _ _ _", 1);
        rij("letter in box 5", 4, 'x', "1 2 3 4 5", "1 2 3 4 _", 4);
        rij("a in box 1", 0, 'a', "1 _ _ _ _", "_ _ _ _ _", 0);
        rij("other letter in box 1", 0, 'b', "1 _ _ _ _", "1 _ _ _ _", 1);
        rij("digit in the list", -1, '4', "1 2 * _ _", "4 2 * _ _", 1);
        rij("Backspace in the list after 12*", -1, 8, "1 2 * _ _", "1 2 _ _ _", 2, true);
    }

    void codeVakToets() {
        QFETCH(int, vak);
        QFETCH(uint, teken);
        QFETCH(QString, voor);
        QFETCH(QString, na);
        QFETCH(int, focus);
        QFETCH(bool, naarEerste);
        const CodeBoxStep s =
            vak < 0 ? listCharacter(vakken(voor), joinedCodeBoxes(vakken(voor)), teken)
                    : codeBoxCharacter(vakken(voor), vak, teken);
        QCOMPARE(toon(s.boxes), na);
        QCOMPARE(s.focus, focus);
        QCOMPARE(s.toFirstRow, naarEerste);
        // "Springen" comes on with a first digit only.
        QCOMPARE(s.jumpEnabled, QChar(teken).isDigit() && (vak <= 0));
    }

    void drempels_data() {
        QTest::addColumn<int>("lengte");
        QTest::addColumn<bool>("langBoven"); // two-line box above a list
        QTest::addColumn<bool>("langLijst"); // two-row current row, small title font
        row("90", 90, false, false);
        row("91", 91, true, false);
        row("100", 100, true, false);
        row("101", 101, true, true);
    }

    void drempels() {
        QFETCH(int, lengte);
        QFETCH(bool, langBoven);
        QFETCH(bool, langLijst);
        // Accented letters count once, and so does a character outside the
        // basic plane.
        const QString tekst = QString(lengte - 1, QChar(0xEB)) + QString::fromUcs4(U"\U0001F600");
        QCOMPARE(isLongOccupationName(tekst), langBoven);
        QCOMPARE(isLongOccupationNameInList(tekst), langLijst);
        const ListFont l = listFontFor(tekst);
        QCOMPARE(l.family, QString(langLijst ? "Arial" : "MS SANS SERIF"));
        QCOMPARE(l.points, langLijst ? 6.75 : 8.25);
    }

    // Which columns of RVL the characteristics screen accepts: a Jet file may
    // spell the names in another case, and may carry more columns after them.
    void kolommenVanRvl_data() {
        QTest::addColumn<QStringList>("kolommen");
        QTest::addColumn<QString>("afwijking");
        const QStringList goed = rvlColumns();
        QStringList klein;
        for (const QString& k : goed)
            klein << k.toLower();
        QStringList verwisseld = goed;
        verwisseld.swapItemsAt(13, 15);
        row("as installed", goed, QString());
        row("other case", klein, QString());
        row("one more at the end", goed + QStringList{"Opmerking"}, QString());
        row("two swapped", verwisseld,
            "De kolommen van tabel RVL staan niet in de verwachte volgorde: op plaats 14 staat "
            "WerksoortCode2 in plaats van WerksoortCode1.");
        row("none", QStringList{}, "De tabel RVL mist de kolom RVL92.");
    }

    void kolommenVanRvl() {
        QFETCH(QStringList, kolommen);
        QFETCH(QString, afwijking);
        QCOMPARE(rvlColumns().size(), 34);
        QCOMPARE(rvlColumnProblem(kolommen), afwijking);
    }
};

QTEST_GUILESS_MAIN(TestBrowseRules)
#include "tst_browserules.moc"
