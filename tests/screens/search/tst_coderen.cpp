// "Coderen van functienamen" and its "Bestand coderen" dialog driven as a user
// would: typing, the list keys, the hand-off, the export and a whole file.
#include "searchdriver.h"
#include "support/datafiles.h"
#include "support/datarow.h"

#include "coding/codingindex.h"
#include "export/exportframe.h"
#include "screens/search/frmcoderen.h"
#include "screens/search/frmdialogbestandcoderen.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableWidget>

using namespace rvl92;
using namespace searchtest;

namespace {

const QString F = form::Coderen;
const QString D = form::DialogBestandCoderen;

QStringList regels(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("<niet te lezen>")};
    QString tekst = QString::fromLatin1(f.readAll());
    if (tekst.endsWith(QLatin1String("\r\n")))
        tekst.chop(2);
    return tekst.split(QStringLiteral("\r\n"));
}

} // namespace

class TestCoderen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(opzetten(m_dir)); }
    void init() {
        exports::savedialog::clear();
        begin(F);
    }
    void cleanup() { drive::unloadAll(); }

    void typenToontVoorstellen_data();
    void typenToontVoorstellen();
    void naarKenmerken_data();
    void naarKenmerken();
    void menuEnVorigScherm();
    void exporteren_data();
    void exporteren();
    void bestandCoderen();
    void bestandAnnuleren();
    void kolomKiezenEnOnschrijfbaar();
    void slechteInvoer_data();
    void slechteInvoer();

private:
    QLineEdit* vak() { return child<QLineEdit>(F, "txtFunctienaam"); }
    QString zekerheidTekst() { return child<QLabel>(F, "lblZekerheid")->text(); }
    frmDialogBestandCoderen* dialoog() {
        return qobject_cast<frmDialogBestandCoderen*>(forms().find(D));
    }
    // The proposals follow as soon as the engine is there.
    void klaar() {
        coding::codingIndex().waitForBuild();
        QCoreApplication::processEvents();
    }
    void typ(const QString& tekst) {
        klaar();
        vak()->clear();
        drive::type(vak(), tekst);
    }
    // Opens the dialog and chooses `pad` in its file dialog.
    void kiesInvoer(const QString& pad) {
        QVERIFY(click(F, "cmdBestandCoderen"));
        QVERIFY(dialoog());
        exports::savedialog::setNextFileName(pad, exports::ExportType::Csv);
        QVERIFY(click(D, "cmdKiesInvoer"));
    }
    QString pad(const QString& naam) { return QDir(m_dir.path()).filePath(naam); }
    QTemporaryDir m_dir;
};

void TestCoderen::typenToontVoorstellen_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("eerste"); // code, occupation, title and score of the best
    QTest::addColumn<QString>("zekerheid");
    row("exact, other case", "BANKETBAKKER", "22020|Banketbakker|Banketbakker|100",
        "Zekerheid: zeker");
    row("accents lost", "chef d'equipe", "33030|Ploegleider|Chef d'équipe|100", "Zekerheid: zeker");
    row("typo", "broodbakkr", "11010|Bakker van brood|Broodbakker|", "");
    row("nothing like it", "qqqq zzzz", "", "Er is geen passende RVL92-code gevonden.");
}

void TestCoderen::typenToontVoorstellen() {
    QFETCH(QString, tekst);
    QFETCH(QString, eerste);
    QFETCH(QString, zekerheid);
    QCOMPARE(forms().find(F)->windowTitle(), QString("Coderen van functienamen"));
    QCOMPARE(forms().find(F)->focusWidget(), vak());
    QCOMPARE(aan(F, Resultaat), {});
    // Typed before the engine may be ready: the list follows once it is.
    drive::type(vak(), tekst);
    klaar();
    auto* scherm = qobject_cast<frmCoderen*>(forms().find(F));
    QCOMPARE(grid(F)->model()->rowCount(), int(scherm->candidates().size()));
    if (eerste.isEmpty()) {
        QCOMPARE(grid(F)->model()->rowCount(), 0);
        QCOMPARE(aan(F, Resultaat), {});
    } else {
        QStringList rij;
        for (int c = 0; c < 4; ++c)
            rij << grid(F)->model()->index(0, c).data().toString();
        const QStringList verwacht = eerste.split('|');
        QCOMPARE(rij.mid(0, 3), verwacht.mid(0, 3));
        if (!verwacht[3].isEmpty())
            QCOMPARE(rij[3], verwacht[3]);
        else
            QVERIFY2(rij[3].toInt() < 100 && rij[3].toInt() >= 30, qPrintable(rij[3]));
        QCOMPARE(aan(F, Resultaat), Resultaat);
    }
    if (!zekerheid.isEmpty())
        QCOMPARE(zekerheidTekst(), zekerheid);
    else
        QVERIFY2(zekerheidTekst().startsWith("Zekerheid: "), qPrintable(zekerheidTekst()));
    // Clearing the text clears the proposals.
    vak()->clear();
    QCOMPARE(grid(F)->model()->rowCount(), 0);
    QCOMPARE(zekerheidTekst(), QString());
}

void TestCoderen::naarKenmerken_data() {
    QTest::addColumn<QString>("hoe");
    QTest::addColumn<int>("rij");
    row("Enter on the second", "enter", 1);
    row("double-click on the second", "dubbelklik", 1);
}

void TestCoderen::naarKenmerken() {
    QFETCH(QString, hoe);
    QFETCH(int, rij);
    typ("bakker");
    QVERIFY(grid(F)->model()->rowCount() > rij);
    const QString code = grid(F)->model()->index(rij, 0).data().toString();
    // Down goes from the text into the list, on the best proposal.
    drive::type(vak(), QString(QChar(0x2193)));
    QCOMPARE(drive::focus(), grid(F));
    QCOMPARE(grid(F)->currentIndex().row(), 0);
    if (hoe == "enter") {
        for (int i = 0; i < rij; ++i)
            QTest::keyClick(grid(F), Qt::Key_Down);
        QTest::keyClick(grid(F), Qt::Key_Return);
    } else {
        const QRect r = grid(F)->visualRect(grid(F)->model()->index(rij, 1));
        QTest::mouseClick(grid(F)->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(grid(F)->viewport(), Qt::LeftButton, {}, r.center());
    }
    QCOMPARE(actief(), form::Kenmerken);
    QCOMPARE(appState().gsRvl92Code, code);
    // And back, with the text and the proposals as they were.
    vorigScherm();
    QCOMPARE(actief(), F);
    QCOMPARE(vak()->text(), QString("bakker"));
    QCOMPARE(grid(F)->model()->index(rij, 0).data().toString(), code);
}

void TestCoderen::menuEnVorigScherm() {
    // The screen does not offer itself; every other screen with the menu does.
    QVERIFY(!menu(F, "mnuCoderen"));
    forms().show(form::ZoekenFuncties);
    QVERIFY(menu(form::ZoekenFuncties, "mnuCoderen"));
    QCOMPARE(actief(), F);
    // A letter typed in the list goes on in the text.
    typ("bakke");
    grid(F)->setFocus();
    drive::type(grid(F), "r");
    QCOMPARE(vak()->text(), QString("bakker"));
    QCOMPARE(drive::focus(), vak());
    vorigScherm();
    QCOMPARE(actief(), form::ZoekenFuncties);
}

void TestCoderen::exporteren_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<QString>("eersteRegel");
    row("csv", int(exports::ExportType::Csv), "22020;Banketbakker;Banketbakker;100");
    row("text", int(exports::ExportType::Text), "22020 100 Banketbakker (Banketbakker)");
}

void TestCoderen::exporteren() {
    QFETCH(int, soort);
    QFETCH(QString, eersteRegel);
    QVERIFY(!menu(F, "mnuExporteren"));
    typ("banketbakker");
    const int rijen = grid(F)->model()->rowCount();
    const QString bestand = pad(soort == int(exports::ExportType::Csv) ? "lijst.csv" : "lijst.txt");
    exports::savedialog::setNextFileName(bestand, exports::ExportType(soort));
    QVERIFY(menu(F, "mnuExporteren"));
    QCOMPARE(exports::savedialog::shown().last().title,
             QStringLiteral("Opslaan van %1 records").arg(rijen));
    const QStringList uit = regels(bestand);
    QCOMPARE(uit.size(), rijen);
    QCOMPARE(uit.first(), eersteRegel);
    QCOMPARE(msgbox::shown().size(), 0);
}

void TestCoderen::bestandCoderen() {
    klaar();
    const QString invoer = pad("antwoorden.csv");
    const QByteArray inhoud = "nr;functie\r\n1;Banketbakker\r\n2;\"chef d'equipe; ploeg\"\r\n\r\n"
                              "3;bakker\r\n";
    QVERIFY(writeFile(invoer, inhoud));
    kiesInvoer(invoer);
    QVERIFY(!forms().find(F)->isEnabled());
    QCOMPARE(child<QLabel>(D, "lblHerkend")->text(),
             QString("Tekenset: UTF-8; scheidingsteken: puntkomma; kopregel: ja; 3 regels met "
                     "gegevens."));
    QCOMPARE(child<QComboBox>(D, "cboKolom")->currentText(), QString("Kolom 2: functie"));
    auto* voorbeeld = child<QTableWidget>(D, "grdVoorbeeld");
    QCOMPARE(voorbeeld->rowCount(), 4);
    QCOMPARE(voorbeeld->item(1, 1)->text(), QString("chef d'equipe; ploeg"));
    const QString uitvoer = pad("antwoorden-gecodeerd.csv");
    QCOMPARE(child<QLineEdit>(D, "txtUitvoer")->text(), QDir::toNativeSeparators(uitvoer));

    QVERIFY(click(D, "cmdCoderen"));
    dialoog()->waitForJob();
    QVERIFY2(child<QLabel>(D, "lblResultaat")->text().startsWith("3 regels gecodeerd in "),
             qPrintable(child<QLabel>(D, "lblResultaat")->text()));
    QCOMPARE(child<QProgressBar>(D, "prbVoortgang")->value(), 100);
    const QStringList uit = regels(uitvoer);
    QCOMPARE(uit.size(), 5);
    QVERIFY2(uit[0].startsWith("nr;functie;RVL92;Beroep;Functienaam;Score;Zekerheid;"),
             qPrintable(uit[0]));
    QVERIFY2(uit[1].startsWith("1;Banketbakker;22020;Banketbakker;Banketbakker;100;zeker;"),
             qPrintable(uit[1]));
    QVERIFY2(uit[2].startsWith("2;\"chef d'equipe; ploeg\";33030;"), qPrintable(uit[2]));
    QCOMPARE(uit[3], QString());
    QVERIFY2(uit[4].startsWith("3;bakker;11010;"), qPrintable(uit[4]));
    QCOMPARE(regels(invoer).join("\r\n") + "\r\n", QString::fromLatin1(inhoud));

    // Coding it again asks before the file it wrote is replaced.
    msgbox::setNextAnswer(msgbox::Answer::No);
    QVERIFY(click(D, "cmdCoderen"));
    QVERIFY(!dialoog()->isRunning());
    QCOMPARE(msgbox::shown().last().text, "Het bestand " + QDir::toNativeSeparators(uitvoer) +
                                              " bestaat al.\nWilt u het vervangen?");

    QVERIFY(click(D, "cmdSluiten"));
    QVERIFY(!dialoog());
    QVERIFY(forms().find(F)->isEnabled());
    QCOMPARE(actief(), F);
}

void TestCoderen::bestandAnnuleren() {
    klaar();
    const QString invoer = pad("groot.txt");
    QVERIFY(writeFile(invoer, QByteArray("broodbakker\n").repeated(300000)));
    kiesInvoer(invoer);
    const QString uitvoer = pad("groot-gecodeerd.csv");
    QFile::remove(uitvoer);
    QVERIFY(click(D, "cmdCoderen"));
    QVERIFY(dialoog()->isRunning());
    QVERIFY(!child<QPushButton>(D, "cmdCoderen")->isEnabled());
    // Escape is Annuleren while it runs.
    QTest::keyClick(dialoog(), Qt::Key_Escape);
    dialoog()->waitForJob();
    QCOMPARE(child<QLabel>(D, "lblResultaat")->text(),
             QString("Het coderen is geannuleerd; er is geen bestand geschreven."));
    QVERIFY(!QFile::exists(uitvoer));
    QCOMPARE(QDir(m_dir.path()).entryList({"groot-gecodeerd*"}, QDir::Files), {});
    // The dialog can be used again, and closing it gives the screen back.
    QVERIFY(child<QPushButton>(D, "cmdCoderen")->isEnabled());
    QVERIFY(child<QPushButton>(D, "cmdKiesInvoer")->isEnabled());
    QVERIFY(!forms().find(F)->isEnabled());
    QTest::keyClick(dialoog(), Qt::Key_Escape);
    QVERIFY(!dialoog());
    QVERIFY(forms().find(F)->isEnabled());
}

void TestCoderen::kolomKiezenEnOnschrijfbaar() {
    klaar();
    const QString invoer = pad("drie.csv");
    QVERIFY(writeFile(invoer, "a,b,c\r\n1,bakker,x\r\n"));
    kiesInvoer(invoer);
    // No header names the job title: the user chooses before coding can start.
    auto* kolom = child<QComboBox>(D, "cboKolom");
    QCOMPARE(kolom->currentIndex(), -1);
    QCOMPARE(child<QLabel>(D, "lblResultaat")->text(),
             QString("Het bestand heeft 3 kolommen; kies de kolom met de functienaam."));
    QVERIFY(!child<QPushButton>(D, "cmdCoderen")->isEnabled());
    kolom->setCurrentIndex(1);
    emit kolom->activated(1);
    QVERIFY(child<QPushButton>(D, "cmdCoderen")->isEnabled());
    QCOMPARE(child<QLabel>(D, "lblResultaat")->text(), QString());

    // A folder that does not exist: told, nothing written, the dialog usable.
    const QString uitvoer = pad("bestaat-niet/uit.csv");
    child<QLineEdit>(D, "txtUitvoer")->setText(QDir::toNativeSeparators(uitvoer));
    msgbox::setNextAnswer(msgbox::Answer::Ok);
    QVERIFY(click(D, "cmdCoderen"));
    dialoog()->waitForJob();
    QCOMPARE(msgbox::shown().size(), 1);
    QVERIFY2(msgbox::shown().last().text.startsWith("Kan " + QDir::toNativeSeparators(uitvoer) +
                                                    " niet schrijven: "),
             qPrintable(msgbox::shown().last().text));
    QVERIFY(!QFile::exists(uitvoer));
    QVERIFY(child<QPushButton>(D, "cmdCoderen")->isEnabled());
}

// Why a file cannot be coded is worded by the file reader; the dialog puts it
// after the file's name: a file that cannot be decoded, one without records,
// and a folder each take their own way there.
void TestCoderen::slechteInvoer_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QByteArray>("inhoud"); // "<map>": a folder; "<geen>": no file
    QTest::addColumn<QString>("melding");   // %1: the path as shown
    QTest::newRow("empty") << "leeg.csv" << QByteArray("")
                           << "Het bestand %1 kan niet worden gecodeerd. Het bestand is leeg: er "
                              "is niets te coderen.";
    QTest::newRow("only empty lines")
        << "wit.csv" << QByteArray("\r\n\r\n")
        << "Het bestand %1 kan niet worden gecodeerd. Het bestand bevat alleen lege regels: er "
           "is niets te coderen.";
    QTest::newRow("folder") << "map.csv" << QByteArray("<map>")
                            << "Het bestand %1 kan niet worden gelezen: het is een map.";
}

void TestCoderen::slechteInvoer() {
    QFETCH(QString, naam);
    QFETCH(QByteArray, inhoud);
    QFETCH(QString, melding);
    klaar();
    const QString bestand = pad(naam);
    if (inhoud == "<map>")
        QVERIFY(QDir(m_dir.path()).mkpath(naam));
    else
        QVERIFY(writeFile(bestand, inhoud));
    msgbox::setNextAnswer(msgbox::Answer::Ok);
    kiesInvoer(bestand);
    QCOMPARE(msgbox::shown().size(), 1);
    QCOMPARE(msgbox::shown().last().text, melding.arg(QDir::toNativeSeparators(bestand)));
    QCOMPARE(child<QLineEdit>(D, "txtInvoer")->text(), QString());
    QVERIFY(!child<QPushButton>(D, "cmdCoderen")->isEnabled());
    QVERIFY(!QFile::exists(pad(QFileInfo(naam).completeBaseName() + "-gecodeerd.csv")));
    // A good file after a bad one is taken as usual.
    const QString goed = pad("goed.txt");
    QVERIFY(writeFile(goed, "bakker\n"));
    exports::savedialog::setNextFileName(goed, exports::ExportType::Csv);
    QVERIFY(click(D, "cmdKiesInvoer"));
    QVERIFY(child<QPushButton>(D, "cmdCoderen")->isEnabled());
}

QTEST_MAIN(TestCoderen)
#include "tst_coderen.moc"
