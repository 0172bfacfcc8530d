// Bad input in every box a user can type in, on every screen: quotes, the
// characters with a meaning in a Like pattern, accented and non-Latin letters,
// an emoji, a control character, 10,000 characters, only blanks and nothing.
// Each row types one input into one box with real key events (or pastes it, or
// commits it through an input method), presses the screen's action and
// compares what the user then sees with the outcome written down for it. No
// row may raise a message box: every error of the program is shown in one.
#include "slechteinvoerdb.h"

#include "app/appstate.h"
#include "app/datascreen.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "app/registerforms.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace rvl92;

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

// Inputs by kind, for outcomes that depend only on that.
bool isTeken(const QString& t) {
    return slechteinvoerdb::Tekens.contains(t);
}
bool isStuurteken(const QString& t) {
    return t == QString(QChar(7));
}

template <typename T = QWidget> T* kind(const QString& form, const QString& naam) {
    Form* f = forms().find(form);
    return f ? f->findChild<T*>(naam) : nullptr;
}

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

QWidget* focus() {
    return QApplication::focusWidget();
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

// The message dialog's text, closed with OK; "geen" when none is up.
QString sluitMelding() {
    Form* d = forms().find(form::DialogNietGevonden);
    if (!d || !d->isVisible())
        return QStringLiteral("geen");
    const QString t = kind<QLabel>(form::DialogNietGevonden, "lblText")->text();
    QTest::mouseClick(kind(form::DialogNietGevonden, "OKButton"), Qt::LeftButton);
    return t;
}

QString vakken(const QString& form) {
    QStringList v;
    for (int k = 1; k <= 5; ++k)
        v << kind<QLineEdit>(form, QStringLiteral("txtZ%1").arg(k))->text();
    return v.join('|');
}

// The job titles a search shows: the titles themselves when few, else how many.
QString resultaat(const QString& form) {
    auto* grid = kind<QTableView>(form, "DataGrid1");
    if (!grid->isVisibleTo(forms().find(form)))
        return QStringLiteral("geen");
    QStringList titels;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        titels << grid->model()->index(r, 1).data().toString();
    if (titels.size() > 4)
        return QStringLiteral("<%1 rijen>").arg(titels.size());
    titels.sort();
    return titels.join('|');
}

QString huidig(const QString& form, int kolom) {
    auto* s = qobject_cast<DataScreen*>(forms().find(form));
    return s->Rs->onRow() ? s->Rs->text(kolom) : QStringLiteral("<geen rij>");
}

void klik(const QString& form, const char* knop) {
    QTest::mouseClick(kind<QPushButton>(form, QString::fromLatin1(knop)), Qt::LeftButton);
}

Form* toon(const QString& form) {
    Form* f = forms().show(form);
    if (f) [[maybe_unused]]
        bool actief = QTest::qWaitForWindowActive(f);
    return f;
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

class TstSlechteInvoer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void invoer_data();
    void invoer();

private:
    QStringList springlijst(const QString& voorvoegsel, const QString& tekst, Wijze wijze);
    QStringList codeVakken(const QString& F, const QString& knop, int vak, const QString& tekst,
                           Wijze wijze);
    QStringList beroepCode(int vak, const QString& tekst, Wijze wijze);
    QStringList zoekTekst(const QString& tekst, Wijze wijze);
    QStringList zoekCode(int vak, const QString& tekst, Wijze wijze);
    QStringList keuzelijst(const QString& lijst, const QString& tekst);
    QStringList alleenLezenVakken(const QString& form, const QString& tekst);
    QStringList helptekst(const QString& tekst);

    QTemporaryDir m_dir;
};

void TstSlechteInvoer::initTestCase() {
    vorigeMelder = qInstallMessageHandler(meldingZonderRuis);
    QVERIFY(m_dir.isValid());
    QVERIFY(slechteinvoerdb::schrijf(m_dir.path()));
    appState().programDir = m_dir.path();
    registerForms();
}

void TstSlechteInvoer::init() {
    resetAppState();
    msgbox::clearShown();
    // A message box that should not come is answered at once and recorded,
    // so that the row fails instead of waiting.
    for (int i = 0; i < 4; ++i)
        msgbox::setNextAnswer(msgbox::Answer::Ok);
    setDpiOverride(96, 96);
    forms().show(form::Startscherm);
}

void TstSlechteInvoer::cleanup() {
    QStringList boxen;
    for (const msgbox::Shown& m : msgbox::shown())
        boxen << m.title + ": " + m.text;
    forms().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    msgbox::clearShown();
    QVERIFY2(boxen.isEmpty(), qPrintable(boxen.join('\n')));
}

// The job-title overview: letters typed in the list jump to the first title
// that begins with them, literally; a value never begins with a mark.
QStringList TstSlechteInvoer::springlijst(const QString& voorvoegsel, const QString& tekst,
                                          Wijze wijze) {
    const QString F = form::Functienamen;
    appState().gsRvl92Code = QStringLiteral("1234"); // the list starts on "Oude code"
    toon(F);
    kind(F, "DataGrid1")->setFocus();
    typ(voorvoegsel, Wijze::AlleToetsen);
    typ(tekst, wijze);
    const bool springen = kind(F, "cmdZoeken")->isEnabled();
    klik(F, "cmdZoeken");
    return {"Springen=" + aanUit(springen), "txtLoop=" + kind<QLineEdit>(F, "txtLoop")->text(),
            "rij=" + huidig(F, 1), "melding=" + sluitMelding()};
}

// A screen's code boxes: the digits 1 2 0 2 up to box `vak`, then the input
// there; what the boxes, the focus and the button `knop` show before it is
// pressed. Empty when the focus did not reach the box.
QStringList TstSlechteInvoer::codeVakken(const QString& F, const QString& knop, int vak,
                                         const QString& tekst, Wijze wijze) {
    toon(F);
    kind(F, "txtZ1")->setFocus();
    typ(QStringLiteral("1202").left(vak - 1), Wijze::AlleToetsen);
    if (focus() != kind(F, QStringLiteral("txtZ%1").arg(vak)))
        return {"focus niet in txtZ" + QString::number(vak)};
    typ(tekst, wijze);
    QStringList uit{"getypt=" + vakken(F), "focus=" + focus()->objectName(),
                    knop + "=" + aanUit(kind(F, "cmdZoeken")->isEnabled())};
    klik(F, "cmdZoeken");
    return uit << "vakken=" + vakken(F);
}

// The occupation overview's code boxes, then "Springen".
QStringList TstSlechteInvoer::beroepCode(int vak, const QString& tekst, Wijze wijze) {
    appState().gsRvl92Code = QStringLiteral("33030");
    QStringList uit = codeVakken(form::Beroepen, "Springen", vak, tekst, wijze);
    if (uit.size() == 1)
        return uit;
    return uit << "rij=" + huidig(form::Beroepen, 0) << "melding=" + sluitMelding();
}

// The job-title search: the input, then Enter until the search runs (a key
// that is not a search key leaves "Zoeken" off; the first Enter switches it
// on).
QStringList TstSlechteInvoer::zoekTekst(const QString& tekst, Wijze wijze) {
    const QString F = form::ZoekenFuncties;
    toon(F);
    auto* vak = kind<QLineEdit>(F, "txtZoekstr");
    vak->setFocus();
    typ(tekst, wijze);
    const bool zoeken = kind(F, "cmdZoeken")->isEnabled();
    if (!zoeken)
        QTest::keyClick(vak, Qt::Key_Return);
    QTest::keyClick(vak, Qt::Key_Return);
    return {"vak=" + kort(vak->text()), "Zoeken=" + aanUit(zoeken), "resultaat=" + resultaat(F),
            "melding=" + sluitMelding()};
}

// The code search's boxes, then "Zoeken".
QStringList TstSlechteInvoer::zoekCode(int vak, const QString& tekst, Wijze wijze) {
    QStringList uit = codeVakken(form::ZoekenRvl92, "Zoeken", vak, tekst, wijze);
    if (uit.size() == 1)
        return uit;
    return uit << "resultaat=" + resultaat(form::ZoekenRvl92) << "melding=" + sluitMelding();
}

// The search on characteristics: typing in a drop-down list picks the entry
// that begins with the typed text, if any; then "Zoeken".
QStringList TstSlechteInvoer::keuzelijst(const QString& lijst, const QString& tekst) {
    const QString F = form::ZoekenKenmerken;
    toon(F);
    auto* keuze = kind<QComboBox>(F, lijst);
    keuze->setFocus();
    typ(tekst, Wijze::AlleToetsen);
    const bool open = keuze->view()->isVisible();
    if (open)
        QTest::keyClick(focus(), Qt::Key_Escape);
    QStringList gekozen;
    for (const char* l : {"lstNiveau", "lstRichting", "lstWerksoorten", "lstVaardigheden"})
        gekozen << QString::number(kind<QListWidget>(F, QString::fromLatin1(l))->count());
    klik(F, "cmdZoeken");
    return {"lijst open=" + aanUit(open), "gekozen=" + gekozen.join('|'),
            "melding=" + sluitMelding()};
}

// Boxes that only show the current row: typing in each of them changes
// nothing, and the screen keeps its occupation.
QStringList TstSlechteInvoer::alleenLezenVakken(const QString& form, const QString& tekst) {
    appState().gsRvl92Code = QStringLiteral("11010");
    toon(form);
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
QStringList TstSlechteInvoer::helptekst(const QString& tekst) {
    toon(form::ZoekenFuncties);
    kind<QAction>(form::ZoekenFuncties, "mnuVraagteken")->trigger();
    Form* help = forms().find(form::ShowRtfHelp);
    if (!help)
        return {"geen help"};
    [[maybe_unused]] bool actief = QTest::qWaitForWindowActive(help);
    kind(form::ShowRtfHelp, "RichTextBox1")->setFocus();
    typ(tekst, Wijze::Toetsen);
    help = forms().find(form::ShowRtfHelp);
    return {"open=" + aanUit(help && help->isVisible()),
            "tekst=" + (help ? kind<QTextEdit>(form::ShowRtfHelp, "RichTextBox1")->toPlainText()
                             : QString()),
            "scherm=" + aanUit(forms().find(form::ZoekenFuncties)->isEnabled())};
}

void TstSlechteInvoer::invoer_data() {
    QTest::addColumn<QString>("vak");
    QTest::addColumn<QString>("invoer");
    QTest::addColumn<int>("wijze");
    QTest::addColumn<QStringList>("verwacht");
    const auto rij = [](const QString& vak, const QString& naam, const QString& invoer, Wijze wijze,
                        const QStringList& verwacht) {
        QTest::addRow("%s: %s", qPrintable(vak), qPrintable(naam))
            << vak << invoer << int(wijze) << verwacht;
    };
    const QString geenZoekwaarde = QStringLiteral("Er is geen zoekwaarde opgegeven");
    const QString geenFuncties =
        QStringLiteral("Er zijn geen functies met de opgegeven zoekwaarde gevonden");
    const QString geenKenmerken =
        QStringLiteral("Er zijn geen kenmerken waarnaar  gezocht moet worden opgegeven");

    for (const Invoer& in : Invoeren) {
        const QString t = in.tekst;
        const QString naam = QString::fromUtf8(in.naam);

        // Job-title overview, typed into the list as the first characters: a
        // mark, a digit, a blank or an emoji never starts a jump value, and
        // the list stays on "Oude code"; "_", "[", "\" and "]" do start one
        // (they lie between "A" and "z") but no title begins with them, so the
        // value is taken back and the list goes to its first row.
        {
            QString loop, titel = QStringLiteral("Oude code");
            if (t == "é")
                loop = t, titel = QStringLiteral("Écoleur");
            else if (t == "ψ")
                loop = t, titel = QStringLiteral("Ψυχολόγος");
            else if (t == Tienduizend)
                loop = QStringLiteral("Vak"), titel = QStringLiteral("Vak1man");
            else if (QStringList{"_", "[", "\\", "]"}.contains(t))
                titel = QStringLiteral("Bakker");
            rij("frmFunctienamen/DataGrid1", naam, t, Wijze::AlleToetsen,
                {"Springen=" + aanUit(!loop.isEmpty()), "txtLoop=" + loop, "rij=" + titel,
                 "melding=geen"});
        }
        // ... and after "Vak": every character matches itself, never as a
        // wildcard ("Vak#" is not "Vak1man"). The 10,000 characters begin
        // with "Vak" themselves: the row above.
        if (t != Tienduizend) {
            const bool eigenTitel = isTeken(t);
            rij("frmFunctienamen/DataGrid1 na Vak", naam, t, Wijze::AlleToetsen,
                {"Springen=aan", "txtLoop=Vak" + (eigenTitel ? t : QString()),
                 "rij=" + (eigenTitel ? "Vak" + t + "man" : QStringLiteral("Vak1man")),
                 "melding=geen"});
        }

        // Occupation overview, code boxes. A box takes only digits: any other
        // key leaves a blank in boxes 2 to 4, empties box 5 and moves on from
        // box 1; a control character types nothing. The jump completes the
        // digits with "*".
        for (int vak = 1; vak <= 5; ++vak) {
            const QString v = QString::number(vak);
            QStringList verwacht;
            if (vak == 1) {
                // Box 1 never holds anything but a digit; "Springen" stays off.
                // After the first key the focus is in box 2, where the rest
                // of a longer input lands as a blank.
                const bool verder = !isStuurteken(t) && !t.isEmpty();
                const QString getypt = t.toUcs4().size() > 1 ? "| |||" : "||||";
                verwacht =
                    QStringList{"getypt=" + getypt, "focus=txtZ" + QString(verder ? "2" : "1"),
                                "Springen=uit",     "vakken=" + getypt,
                                "rij=33030",        "melding=geen"};
            } else {
                const QStringList cijfers = QStringLiteral("1|2|0|2").split('|').mid(0, vak - 1);
                QStringList getypt = cijfers, na = cijfers;
                while (getypt.size() < 5)
                    getypt << QString();
                if (vak < 5 && !isStuurteken(t) && !t.isEmpty())
                    getypt[vak - 1] = QStringLiteral(" ");
                na << QStringLiteral("*");
                while (na.size() < 5)
                    na << QString();
                verwacht = QStringList{"getypt=" + getypt.join('|'),
                                       "focus=txtZ" + v,
                                       "Springen=aan",
                                       "vakken=" + na.join('|'),
                                       "rij=" + QString(vak == 2 ? "11010" : "12020"),
                                       "melding=geen"};
            }
            rij("frmBeroepen/txtZ" + v, naam, t, Wijze::AlleToetsen, verwacht);
        }

        // Job-title search. Blanks are "%", and "%" and "_" are the pattern's
        // wildcards; every other character matches itself. Only "(", ")",
        // digits and "A" to "z" switch "Zoeken" on; Enter does too.
        {
            QString vak = t, gevonden = "Vak" + t + "man", melding = QStringLiteral("geen");
            bool zoeken = false;
            if (t == "%" || t == "   ") {
                gevonden = QStringLiteral("<20 rijen>"); // every title but the NULL one
            } else if (t == "_") {
                gevonden = QStringLiteral("<19 rijen>"); // and not the empty one
            } else if (t == "é") {
                gevonden = QStringLiteral("Vakéman|Écoleur");
            } else if (t == "ψ") {
                gevonden = QStringLiteral("Vakψman|Ψυχολόγος");
            } else if (t == Tienduizend) {
                vak = kort(t), gevonden = QStringLiteral("geen"), melding = geenFuncties;
            } else if (isStuurteken(t) || t.isEmpty()) {
                vak.clear(), gevonden = QStringLiteral("geen"), melding = geenZoekwaarde;
            }
            if (QStringList{"_", "[", "]", "\\", "   ", Tienduizend}.contains(t))
                zoeken = true;
            rij("frmZoekenFuncties/txtZoekstr", naam, t, Wijze::Toetsen,
                {"vak=" + vak, "Zoeken=" + aanUit(zoeken), "resultaat=" + gevonden,
                 "melding=" + melding});
        }

        // Code search boxes. A blank is "#" (any digit) and moves on, any other
        // key leaves a blank; at the search every blank or empty box is "#".
        for (int vak = 1; vak <= 5; ++vak) {
            const QString v = QString::number(vak);
            const QStringList cijfers = QStringLiteral("1|2|0|2").split('|').mid(0, vak - 1);
            QStringList getypt = cijfers;
            while (getypt.size() < 5)
                getypt << QString();
            int focusNa = vak;
            if (t == "   ") {
                for (int i = 0; i < 3; ++i) {
                    getypt[focusNa - 1] = QStringLiteral("#");
                    focusNa = qMin(focusNa + 1, 5);
                }
            } else if (!t.isEmpty()) {
                getypt[vak - 1] = QStringLiteral(" ");
            }
            const QStringList treffers{"<20 rijen>", "<16 rijen>", "Bakker", "Bakker", "Bakker"};
            QStringList na = cijfers;
            while (na.size() < 5)
                na << QStringLiteral("#");
            const bool niets = vak == 1 && t.isEmpty(); // "Zoeken" is still off
            rij("frmZoekenRvl92/txtZ" + v, naam, t, Wijze::AlleToetsen,
                {"getypt=" + getypt.join('|'), "focus=txtZ" + QString::number(focusNa),
                 "Zoeken=" + aanUit(!niets), "vakken=" + (niets ? getypt.join('|') : na.join('|')),
                 "resultaat=" + (niets ? QStringLiteral("geen") : treffers[vak - 1]),
                 "melding=geen"});
        }

        // Search on characteristics: no entry of a drop-down list begins with
        // any of these, so nothing is chosen; a blank opens the list.
        for (const char* lijst :
             {"cboNiveau", "cboHoofdrichting", "cboWerksoorten", "cboVaardigheden"}) {
            rij(QStringLiteral("frmZoekenKenmerken/") + lijst, naam, t, Wijze::AlleToetsen,
                {"lijst open=" + aanUit(t == "   "), "gekozen=0|0|0|0",
                 "melding=" + geenKenmerken});
        }

        // Boxes that show the current row.
        rij("frmKenmerken/alle vakken", naam, t, Wijze::Toetsen,
            {"vakken=34", "gewijzigd=niets", "code=11010", "actief=frmKenmerken"});
        rij("frmNamen/alle vakken", naam, t, Wijze::Toetsen,
            {"vakken=2", "gewijzigd=niets", "code=11010", "actief=frmNamen"});

        rij("frmShowRtfHelp/RichTextBox1", naam, t, Wijze::Toetsen,
            {"open=aan", "tekst=Typ een deel van de functienaam.", "scherm=uit"});
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
             "melding=" + geenFuncties});
    }
    rij("frmZoekenFuncties/txtZoekstr invoermethode", "accent", "é", Wijze::Invoermethode,
        {"vak=é", "Zoeken=aan", "resultaat=Vakéman|Écoleur", "melding=geen"});
    rij("frmZoekenFuncties/txtZoekstr geplakt", "wildcards", "a*[b]?#", Wijze::Plakken,
        {"vak=a*[b]?#", "Zoeken=aan", "resultaat=geen", "melding=" + geenFuncties});
}

void TstSlechteInvoer::invoer() {
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
    QCOMPARE(gezien, verwacht);
}

QTEST_MAIN(TstSlechteInvoer)
#include "tst_slechteinvoer.moc"
