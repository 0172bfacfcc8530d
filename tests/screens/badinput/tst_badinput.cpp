// Bad input in every box a user can type in, on every screen: quotes, the
// characters with a meaning in a Like pattern, accented and non-Latin letters,
// an emoji, a control character, 10,000 characters, only blanks and nothing.
// Each row types one input into one box with real key events (or pastes it, or
// commits it through an input method), presses the screen's action and
// compares what the user then sees with the outcome written down for it. No
// row may raise a message box: every error of the program is shown in one.
#include "badinputfixture.h"
#include "support/screensession.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace rvl92;
using drive::child;
using drive::current;
using drive::focus;

namespace {

// How the input reaches the box.
enum class Wijze {
    Toetsen,      // key by key; 10,000 characters: 100 keys, the rest pasted (Shift+Insert)
    AlleToetsen,  // key by key, every character (boxes and lists that take no paste)
    Plakken,      // Shift+Insert with the input on the clipboard
    Invoermethode // committed by an input method (dead keys, compose)
};

const QString Tienduizend = "Vak" + QString(9997, 'x');

struct Invoer {
    const char* naam;
    QString tekst;
};

const QList<Invoer> Invoeren{{"quote", "'"},
                             {"aanhalingsteken", "\""},
                             {"procent", "%"},
                             {"liggend streepje", "_"},
                             {"hekje", "#"},
                             {"ster", "*"},
                             {"vraagteken", "?"},
                             {"haak openen", "["},
                             {"haak sluiten", "]"},
                             {"backslash", "\\"},
                             {"puntkomma", ";"},
                             {"accent", "é"},
                             {"niet-Latijns", "ψ"},
                             {"emoji", "😀"},
                             {"stuurteken", QString(QChar(7))},
                             {"10000 tekens", Tienduizend},
                             {"spaties", "   "},
                             {"leeg", ""}};

QString aanUit(bool aan) {
    return aan ? QStringLiteral("aan") : QStringLiteral("uit");
}

QString kort(const QString& t) {
    return t.size() <= 40 ? t : QStringLiteral("<%1 tekens>").arg(t.size());
}

// One key for one character, as a keyboard sends it.
void toets(QWidget* w, char32_t c) {
    const QString tekst = QString::fromUcs4(&c, 1);
    if (c >= 32 && c < 127)
        QTest::keyClick(w, char(c));
    else
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, tekst, Qt::NoModifier);
}

// Types into whatever has the focus, as a user does.
void typ(const QString& tekst, Wijze wijze) {
    const QList<uint> tekens = tekst.toUcs4();
    switch (wijze) {
    case Wijze::Plakken:
        QGuiApplication::clipboard()->setText(tekst);
        QTest::keyClick(focus(), Qt::Key_Insert, Qt::ShiftModifier);
        return;
    case Wijze::Invoermethode: {
        QInputMethodEvent e(QString(), {});
        e.setCommitString(tekst);
        QCoreApplication::sendEvent(focus(), &e);
        return;
    }
    case Wijze::Toetsen:
        if (tekens.size() > 100) {
            for (qsizetype i = 0; i < 100; ++i)
                toets(focus(), tekens[i]);
            QGuiApplication::clipboard()->setText(QString::fromUcs4(
                reinterpret_cast<const char32_t*>(tekens.constData()) + 100, tekens.size() - 100));
            QTest::keyClick(focus(), Qt::Key_Insert, Qt::ShiftModifier);
            return;
        }
        break;
    case Wijze::AlleToetsen:
        break;
    }
    for (uint c : tekens)
        toets(focus(), char32_t(c));
}

// The job titles a search shows: the titles themselves when few, else how many.
QString resultaat(const QString& form) {
    if (!drive::grid(form)->isVisibleTo(forms().find(form)))
        return QStringLiteral("geen");
    QStringList titels = drive::column(drive::grid(form), 1);
    if (titels.size() > 4)
        return QStringLiteral("<%1 rijen>").arg(titels.size());
    titels.sort();
    return titels.join('|');
}

// Every read-only text of the screen, by box.
QStringList alleenLezen(const QString& form) {
    QStringList out;
    for (QLineEdit* box : forms().find(form)->findChildren<QLineEdit*>())
        if (box->isReadOnly())
            out << box->objectName() + "=" + box->text();
    for (QPlainTextEdit* box : forms().find(form)->findChildren<QPlainTextEdit*>())
        out << box->objectName() + "=" + box->toPlainText();
    return out;
}

// The offscreen platform says for every window that it cannot raise it; those
// lines would bury a failure.
QtMessageHandler vorigeMelder = nullptr;
void meldingZonderRuis(QtMsgType type, const QMessageLogContext& context, const QString& tekst) {
    if (type == QtWarningMsg && tekst.startsWith(QLatin1String("This plugin does not support")))
        return;
    vorigeMelder(type, context, tekst);
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void invoer_data();
    void invoer();

private:
    QByteArray databank() const;

    QTemporaryDir m_dir;
    QByteArray m_databank;
};

void TestBadInput::initTestCase() {
    vorigeMelder = qInstallMessageHandler(meldingZonderRuis);
    QVERIFY(m_dir.isValid() && badinputfixture::schrijf(m_dir.path()));
    drive::install(m_dir.path());
    m_databank = databank();
}

// No input writes anything to the database.
void TestBadInput::cleanupTestCase() {
    QCOMPARE(databank(), m_databank);
}

QByteArray TestBadInput::databank() const {
    QFile f(m_dir.filePath(QStringLiteral("Programmabestanden/RVL92.MDB")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ontbreekt>");
}

void TestBadInput::init() {
    drive::restart();
    // A message box that should not come is answered at once and recorded,
    // so that the row fails instead of waiting.
    for (int i = 0; i < 4; ++i)
        msgbox::setNextAnswer(msgbox::Answer::Ok);
}

void TestBadInput::cleanup() {
    QStringList boxen;
    for (const msgbox::Shown& m : msgbox::shown())
        boxen << m.title + ": " + m.text;
    drive::unloadAll();
    msgbox::clearShown();
    QVERIFY2(boxen.isEmpty(), qPrintable(boxen.join('\n')));
}

namespace {

// The job-title overview: letters typed in the list jump to the first title
// that begins with them, literally; a value never begins with a mark.
QStringList springlijst(const QString& voorvoegsel, const QString& tekst, Wijze wijze) {
    const QString F = form::Functienamen;
    appState().gsRvl92Code = QStringLiteral("1234"); // the list starts on "Oude code"
    drive::show(F);
    child(F, "DataGrid1")->setFocus();
    typ(voorvoegsel, Wijze::AlleToetsen);
    typ(tekst, wijze);
    const bool springen = child(F, "cmdZoeken")->isEnabled();
    drive::click(F, "cmdZoeken");
    return {"Springen=" + aanUit(springen), "txtLoop=" + child<QLineEdit>(F, "txtLoop")->text(),
            "rij=" + current(F, 1), "melding=" + drive::closeNotice()};
}

// A screen's code boxes: the digits 1 2 0 2 up to box `vak`, then the input
// there; what the boxes, the focus and the button `knop` show before it is
// pressed. Empty when the focus did not reach the box.
QStringList codeVakken(const QString& F, const QString& knop, int vak, const QString& tekst,
                       Wijze wijze) {
    drive::show(F);
    child(F, "txtZ1")->setFocus();
    typ(QStringLiteral("1202").left(vak - 1), Wijze::AlleToetsen);
    if (focus() != child(F, QStringLiteral("txtZ%1").arg(vak)))
        return {"focus niet in txtZ" + QString::number(vak)};
    typ(tekst, wijze);
    QStringList uit{"getypt=" + drive::codeBoxes(F), "focus=" + focus()->objectName(),
                    knop + "=" + aanUit(child(F, "cmdZoeken")->isEnabled())};
    drive::click(F, "cmdZoeken");
    return uit << "vakken=" + drive::codeBoxes(F);
}

// The occupation overview's code boxes, then "Springen".
QStringList beroepCode(int vak, const QString& tekst, Wijze wijze) {
    appState().gsRvl92Code = QStringLiteral("33030");
    QStringList uit = codeVakken(form::Beroepen, "Springen", vak, tekst, wijze);
    if (uit.size() == 1)
        return uit;
    return uit << "rij=" + current(form::Beroepen, 0) << "melding=" + drive::closeNotice();
}

// The job-title search: the input, then Enter until the search runs (a key
// that is not a search key leaves "Zoeken" off; the first Enter switches it
// on).
QStringList zoekTekst(const QString& tekst, Wijze wijze) {
    const QString F = form::ZoekenFuncties;
    drive::show(F);
    auto* vak = child<QLineEdit>(F, "txtZoekstr");
    vak->setFocus();
    typ(tekst, wijze);
    const bool zoeken = child(F, "cmdZoeken")->isEnabled();
    if (!zoeken)
        QTest::keyClick(vak, Qt::Key_Return);
    QTest::keyClick(vak, Qt::Key_Return);
    return {"vak=" + kort(vak->text()), "Zoeken=" + aanUit(zoeken), "resultaat=" + resultaat(F),
            "melding=" + drive::closeNotice()};
}

// The code search's boxes, then "Zoeken".
QStringList zoekCode(int vak, const QString& tekst, Wijze wijze) {
    QStringList uit = codeVakken(form::ZoekenRvl92, "Zoeken", vak, tekst, wijze);
    if (uit.size() == 1)
        return uit;
    return uit << "resultaat=" + resultaat(form::ZoekenRvl92) << "melding=" + drive::closeNotice();
}

// The search on characteristics: typing in a drop-down list picks the entry
// that begins with the typed text, if any; then "Zoeken".
QStringList keuzelijst(const QString& lijst, const QString& tekst) {
    const QString F = form::ZoekenKenmerken;
    drive::show(F);
    auto* keuze = child<QComboBox>(F, lijst);
    keuze->setFocus();
    typ(tekst, Wijze::AlleToetsen);
    const bool open = keuze->view()->isVisible();
    if (open)
        QTest::keyClick(focus(), Qt::Key_Escape);
    QStringList gekozen;
    for (const char* l : {"lstNiveau", "lstRichting", "lstWerksoorten", "lstVaardigheden"})
        gekozen << QString::number(child<QListWidget>(F, QString::fromLatin1(l))->count());
    drive::click(F, "cmdZoeken");
    return {"lijst open=" + aanUit(open), "gekozen=" + gekozen.join('|'),
            "melding=" + drive::closeNotice()};
}

// Boxes that only show the current row: typing in each of them changes
// nothing, and the screen keeps its occupation.
QStringList alleenLezenVakken(const QString& form, const QString& tekst) {
    appState().gsRvl92Code = QStringLiteral("11010");
    drive::show(form);
    const QStringList voor = alleenLezen(form);
    int vakken = 0;
    for (QLineEdit* box : forms().find(form)->findChildren<QLineEdit*>()) {
        if (!box->isReadOnly() || !box->isVisibleTo(forms().find(form)))
            continue;
        box->setFocus();
        typ(tekst, Wijze::Toetsen);
        ++vakken;
    }
    const QStringList na = alleenLezen(form);
    QStringList anders;
    for (qsizetype i = 0; i < na.size(); ++i)
        if (i >= voor.size() || na[i] != voor[i])
            anders << na[i].section('=', 0, 0);
    return {"vakken=" + QString::number(vakken),
            "gewijzigd=" + (anders.isEmpty() ? QStringLiteral("niets") : anders.join(',')),
            "code=" + appState().gsRvl92Code,
            "actief=" + (forms().active() ? forms().active()->objectName() : QString())};
}

// The help viewer shows a text to read; typing in it changes nothing and
// keeps it open.
QStringList helptekst(const QString& tekst) {
    drive::show(form::ZoekenFuncties);
    child<QAction>(form::ZoekenFuncties, "mnuVraagteken")->trigger();
    Form* help = forms().find(form::ShowRtfHelp);
    if (!help)
        return {"geen help"};
    [[maybe_unused]] bool actief = QTest::qWaitForWindowActive(help);
    child(form::ShowRtfHelp, "RichTextBox1")->setFocus();
    typ(tekst, Wijze::Toetsen);
    help = forms().find(form::ShowRtfHelp);
    return {"open=" + aanUit(help && help->isVisible()),
            "tekst=" + (help ? child<QTextEdit>(form::ShowRtfHelp, "RichTextBox1")->toPlainText()
                             : QString()),
            "scherm=" + aanUit(forms().find(form::ZoekenFuncties)->isEnabled())};
}

// What holds for any input: the focus reached the box, a code box holds
// nothing but one digit, "*", "#" or blank, a box that only shows the current
// row keeps its text, and the help text stays as it was.
void alleInvoer(const QStringList& gezien) {
    QVERIFY2(!gezien.isEmpty() && !gezien.first().startsWith("focus niet"),
             qPrintable(gezien.join(' ')));
    for (const QString& regel : gezien) {
        const QString sleutel = regel.section('=', 0, 0), waarde = regel.section('=', 1);
        if (sleutel == "getypt" || (sleutel == "vakken" && waarde.contains('|')))
            for (const QString& v : waarde.split('|'))
                QVERIFY2(v.isEmpty() ||
                             (v.size() == 1 && (v[0].isDigit() || QString("*# ").contains(v[0]))),
                         qPrintable(regel));
        if (sleutel == "gewijzigd")
            QCOMPARE(waarde, QStringLiteral("niets"));
        if (sleutel == "tekst")
            QCOMPARE(waarde, QStringLiteral("Typ een deel van de functienaam."));
    }
}

} // namespace

// Every input in every box. The rows written out below compare everything the
// user sees; the others check what holds for any input.
void TestBadInput::invoer_data() {
    QTest::addColumn<QString>("vak");
    QTest::addColumn<QString>("invoer");
    QTest::addColumn<int>("wijze");
    QTest::addColumn<QStringList>("verwacht"); // empty: only what holds for any input
    const auto rij = [](const QString& vak, const QString& naam, const QString& invoer, Wijze wijze,
                        const QStringList& verwacht) {
        QTest::addRow("%s: %s", qPrintable(vak), qPrintable(naam))
            << vak << invoer << int(wijze) << verwacht;
    };
    const QString geenZoekwaarde = QStringLiteral("melding=Er is geen zoekwaarde opgegeven");
    const QString geenFuncties =
        QStringLiteral("melding=Er zijn geen functies met de opgegeven zoekwaarde gevonden");
    const QString geenKenmerken =
        QStringLiteral("melding=Er zijn geen kenmerken waarnaar  gezocht moet worden opgegeven");

    // Job-title overview: a mark never starts a jump value and the list stays
    // on "Oude code"; "_" does (it lies between "A" and "z"), finds no title
    // and goes to the first row. After "Vak" every character matches itself,
    // never as a wildcard ("Vak%" is not "Vak1man").
    const QString F = "frmFunctienamen/DataGrid1", FV = F + " na Vak";
    // Occupation overview: a code box takes only digits; another key leaves a
    // blank in boxes 2 to 4 and moves on from box 1; the jump adds "*".
    const QString B = "frmBeroepen/txtZ";
    // Code search: a blank is "#" and moves on; at the search every blank or
    // empty box is "#".
    const QString R = "frmZoekenRvl92/txtZ";
    const QString Z = "frmZoekenFuncties/txtZoekstr";
    const QHash<QString, QStringList> uitgeschreven{
        {F + "|quote", {"Springen=uit", "txtLoop=", "rij=Oude code", "melding=geen"}},
        {F + "|liggend streepje", {"Springen=uit", "txtLoop=", "rij=Bakker", "melding=geen"}},
        {F + "|accent", {"Springen=aan", "txtLoop=é", "rij=Écoleur", "melding=geen"}},
        {F + "|niet-Latijns", {"Springen=aan", "txtLoop=ψ", "rij=Ψυχολόγος", "melding=geen"}},
        {F + "|10000 tekens", {"Springen=aan", "txtLoop=Vak", "rij=Vak1man", "melding=geen"}},
        {FV + "|procent", {"Springen=aan", "txtLoop=Vak%", "rij=Vak%man", "melding=geen"}},
        {FV + "|hekje", {"Springen=aan", "txtLoop=Vak#", "rij=Vak#man", "melding=geen"}},
        {FV + "|emoji", {"Springen=aan", "txtLoop=Vak😀", "rij=Vak😀man", "melding=geen"}},
        {FV + "|stuurteken", {"Springen=aan", "txtLoop=Vak", "rij=Vak1man", "melding=geen"}},
        {B + "1|quote",
         {"getypt=||||", "focus=txtZ2", "Springen=uit", "vakken=||||", "rij=33030",
          "melding=geen"}},
        {B + "1|10000 tekens",
         {"getypt=| |||", "focus=txtZ2", "Springen=uit", "vakken=| |||", "rij=33030",
          "melding=geen"}},
        {B + "1|leeg",
         {"getypt=||||", "focus=txtZ1", "Springen=uit", "vakken=||||", "rij=33030",
          "melding=geen"}},
        {B + "3|quote",
         {"getypt=1|2| ||", "focus=txtZ3", "Springen=aan", "vakken=1|2|*||", "rij=12020",
          "melding=geen"}},
        {B + "5|ster",
         {"getypt=1|2|0|2|", "focus=txtZ5", "Springen=aan", "vakken=1|2|0|2|*", "rij=12020",
          "melding=geen"}},
        {Z + "|procent", {"vak=%", "Zoeken=uit", "resultaat=<20 rijen>", "melding=geen"}},
        {Z + "|liggend streepje", {"vak=_", "Zoeken=aan", "resultaat=<19 rijen>", "melding=geen"}},
        {Z + "|haak openen", {"vak=[", "Zoeken=aan", "resultaat=Vak[man", "melding=geen"}},
        {Z + "|accent", {"vak=é", "Zoeken=uit", "resultaat=Vakéman|Écoleur", "melding=geen"}},
        {Z + "|spaties", {"vak=   ", "Zoeken=aan", "resultaat=<20 rijen>", "melding=geen"}},
        {Z + "|10000 tekens", {"vak=<10000 tekens>", "Zoeken=aan", "resultaat=geen", geenFuncties}},
        {Z + "|stuurteken", {"vak=", "Zoeken=uit", "resultaat=geen", geenZoekwaarde}},
        {R + "1|procent",
         {"getypt= ||||", "focus=txtZ1", "Zoeken=aan", "vakken=#|#|#|#|#", "resultaat=<20 rijen>",
          "melding=geen"}},
        {R + "1|leeg",
         {"getypt=||||", "focus=txtZ1", "Zoeken=uit", "vakken=||||", "resultaat=geen",
          "melding=geen"}},
        {R + "2|spaties",
         {"getypt=1|#|#|#|", "focus=txtZ5", "Zoeken=aan", "vakken=1|#|#|#|#",
          "resultaat=<16 rijen>", "melding=geen"}},
        {R + "4|quote",
         {"getypt=1|2|0| |", "focus=txtZ4", "Zoeken=aan", "vakken=1|2|0|#|#", "resultaat=Bakker",
          "melding=geen"}},
        {"frmZoekenKenmerken/cboNiveau|spaties",
         {"lijst open=aan", "gekozen=0|0|0|0", geenKenmerken}},
        {"frmZoekenKenmerken/cboWerksoorten|quote",
         {"lijst open=uit", "gekozen=0|0|0|0", geenKenmerken}},
        // One read-only box per column of RVL.
        {"frmKenmerken/alle vakken|10000 tekens",
         {"vakken=34", "gewijzigd=niets", "code=11010", "actief=frmKenmerken"}},
        {"frmNamen/alle vakken|emoji",
         {"vakken=2", "gewijzigd=niets", "code=11010", "actief=frmNamen"}},
        {"frmShowRtfHelp/RichTextBox1|emoji",
         {"open=aan", "tekst=Typ een deel van de functienaam.", "scherm=uit"}}};

    QList<std::pair<QString, Wijze>> plekken{{F, Wijze::AlleToetsen}, {FV, Wijze::AlleToetsen}};
    for (int vak = 1; vak <= 5; ++vak)
        plekken << std::pair{B + QString::number(vak), Wijze::AlleToetsen}
                << std::pair{R + QString::number(vak), Wijze::AlleToetsen};
    plekken << std::pair{Z, Wijze::Toetsen};
    for (const char* lijst : {"cboNiveau", "cboHoofdrichting", "cboWerksoorten", "cboVaardigheden"})
        plekken << std::pair{QStringLiteral("frmZoekenKenmerken/") + lijst, Wijze::AlleToetsen};
    for (const char* vakken :
         {"frmKenmerken/alle vakken", "frmNamen/alle vakken", "frmShowRtfHelp/RichTextBox1"})
        plekken << std::pair{QString::fromLatin1(vakken), Wijze::Toetsen};
    for (const Invoer& in : Invoeren) {
        const QString naam = QString::fromUtf8(in.naam);
        for (const auto& [plek, wijze] : plekken)
            if (plek != FV || in.tekst != Tienduizend) // begins with "Vak" itself
                rij(plek, naam, in.tekst, wijze, uitgeschreven.value(plek + "|" + naam));
    }

    // Paste (Shift+Insert) and input-method text reach a box without its key
    // rules: a code box still takes nothing but a digit.
    const QList<Invoer> geplakt{{"procent", "%"}, {"ster", "*"},       {"hekje", "#"},
                                {"quote", "'"},   {"letter", "x"},     {"accent", "é"},
                                {"spatie", " "},  {"stuurteken", "\t"}};
    for (Wijze wijze : {Wijze::Plakken, Wijze::Invoermethode}) {
        const QString hoe = wijze == Wijze::Plakken ? "geplakt" : "invoermethode";
        for (const Invoer& in : geplakt) {
            rij("frmBeroepen/txtZ2 " + hoe, QString::fromUtf8(in.naam), in.tekst, wijze,
                {"getypt=1||||", "focus=txtZ2", "Springen=aan", "vakken=1|*|||", "rij=11010",
                 "melding=geen"});
            rij("frmZoekenRvl92/txtZ3 " + hoe, QString::fromUtf8(in.naam), in.tekst, wijze,
                {"getypt=1|2|||", "focus=txtZ3", "Zoeken=aan", "vakken=1|2|#|#|#",
                 "resultaat=Bakker", "melding=geen"});
        }
        // A pasted digit is a digit; "12" is cut to the box's one character.
        rij("frmZoekenRvl92/txtZ3 " + hoe, "cijfers", "12", wijze,
            {"getypt=1|2|1||", "focus=txtZ3", "Zoeken=aan", "vakken=1|2|1|#|#", "resultaat=geen",
             geenFuncties});
    }
    rij("frmZoekenFuncties/txtZoekstr invoermethode", "accent", "é", Wijze::Invoermethode,
        {"vak=é", "Zoeken=aan", "resultaat=Vakéman|Écoleur", "melding=geen"});
    rij("frmZoekenFuncties/txtZoekstr geplakt", "wildcards", "a*[b]?#", Wijze::Plakken,
        {"vak=a*[b]?#", "Zoeken=aan", "resultaat=geen", geenFuncties});
}

void TestBadInput::invoer() {
    QFETCH(QString, vak);
    QFETCH(QString, invoer);
    QFETCH(int, wijze);
    QFETCH(QStringList, verwacht);
    const Wijze w = Wijze(wijze);
    const QString plek = vak.section(' ', 0, 0);
    const QString scherm = plek.section('/', 0, 0);
    const QString box = plek.section('/', 1);

    QStringList gezien;
    if (scherm == form::Functienamen)
        gezien = springlijst(vak.endsWith("na Vak") ? QStringLiteral("Vak") : QString(), invoer, w);
    else if (scherm == form::Beroepen)
        gezien = beroepCode(box.right(1).toInt(), invoer, w);
    else if (scherm == form::ZoekenFuncties)
        gezien = zoekTekst(invoer, w);
    else if (scherm == form::ZoekenRvl92)
        gezien = zoekCode(box.right(1).toInt(), invoer, w);
    else if (scherm == form::ZoekenKenmerken)
        gezien = keuzelijst(box, invoer);
    else if (scherm == form::ShowRtfHelp)
        gezien = helptekst(invoer);
    else
        gezien = alleenLezenVakken(scherm, invoer);
    if (verwacht.isEmpty())
        alleInvoer(gezien);
    else
        QCOMPARE(gezien, verwacht);
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
