// "Schakelschema's naar andere classificaties" and the documentation notices
// of the start screen, as the user sees them: every text whole and exact.
#include "app/appstate.h"
#include "app/form.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/registerforms.h"
#include "support/datarow.h"
#include "support/formdriver.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace rvl92;

namespace {

Form* noticeDialog() {
    return forms().find(form::DialogExporteren);
}

} // namespace

class TestDialogSchakelschema : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // A folder with a blank and a trailing separator, as users have them.
        appState().programDir = QStringLiteral("/opt/RVL 92/");
        registerForms();
    }
    void init() { QVERIFY(forms().show(form::Startscherm)); }
    void cleanup() { drive::unloadAll(); }

    void dialogTexts() {
        QVERIFY(drive::click(form::Startscherm, "cmdConversie"));
        Form* dlg = forms().find(form::DialogSchakelSchema);
        QVERIFY(dlg);
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->windowTitle(), QString("Schakelschema's naar andere classificaties"));
        QCOMPARE(dlg->findChild<QLineEdit*>("txtInfo")->text(),
                 QString("Handleidingen en overige informatie met betrekking tot:"));
        QVERIFY(dlg->findChild<QLineEdit*>("txtInfo")->isReadOnly());
        const QList<QPair<const char*, QString>> captions = {
            {"cmdIsco", "RVL92 naar International standard\r\nclassification of occupations 1988"},
            {"cmdLk82Beroep", "LK84 naar beroep RVL92"},
            {"cmdLk84Beroepsgroep", "LK84 naar beroepsgroep RVL92"},
            {"cmdSocStratificatie", "Sociale stratificatie\r\n(drie verschillende classificaties)"},
            {"cmdAfsluiten", "Afsluiten"}};
        for (const auto& [name, caption] : captions)
            QCOMPARE(dlg->findChild<QPushButton*>(name)->text(), caption);
        QVERIFY(drive::click(form::DialogSchakelSchema, "cmdAfsluiten"));
        QVERIFY(!forms().isLoaded(form::DialogSchakelSchema));
    }

    // Each button shows its notice, whole and exact, in the information dialog
    // in front of the disabled start screen. The conversion dialog stays for
    // the next choice, whose notice replaces the one that is up.
    void notices_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("leftAligned");
        const auto native = [](const QString& p) { return QDir::toNativeSeparators(p); };
        row("classificatieschema", "cmdClassificatieschema", "Classificatieschema RVL92",
            "Het Classificatieschema RVL92 vindt u op de volgende locatie: \r\n" +
                native("/opt/RVL 92"),
            false);
        row("codelijsten", "cmdCodelijsten", "Codelijsten",
            "In " + native("/opt/RVL 92/Codelijsten RVL/") +
                "\r\nzijn de codelijsten en bijbehorende recordbeschrijvingen te vinden \r\n\r\n"
                "Niveau bekwaamheden\r\nHoofdrichting bekwaamheden\r\nRichting bekwaamheden\r\n"
                "Beroepsniveaus\r\nBeroepsklassen\r\nBeroepsgroepen\r\nBeroepen\r\n"
                "Werksoorten\r\nSpecifieke vaardigheden\r\nBeroepsvariabelen\r\n"
                "Functiebenamingen alfabetisch\r\nFunctiebenamingen systematisch\r\n",
            true);
        row("LK84 naar beroep", "cmdLk82Beroep", "LK84 naar beroep RVL92",
            "De afleiding van Lokaalstelsel 1984 naar beroep RVL vindt u in:\r\n" +
                native("/opt/RVL 92/Schakelschema's/LK84-RVL92/"),
            false);
        row("LK84 naar beroepsgroep", "cmdLk84Beroepsgroep", "LK84 naar beroepsgroep RVL92",
            "De afleiding van Lokaalstelsel 1984 naar beroepsgroep RVL vindt u in: \r\n" +
                native("/opt/RVL 92/Schakelschema's/LK84-BERGRRVL92/"),
            false);
        row("ISCO", "cmdIsco", "International standard classification of occupations 1988",
            "De afleiding van RVL naar ISCO1988 vindt u in: \r\n" +
                native("/opt/RVL 92/Schakelschema's/RVL92-ISCO88/"),
            false);
        row("sociale stratificatie", "cmdSocStratificatie", "Sociale stratificatie",
            "De afleidingen van RVL naar drie sociale stratificatievariabelen vindt u in: \r\n" +
                native("/opt/RVL 92/Schakelschema's/Sociale stratificatie/"),
            false);
    }
    void notices() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(bool, leftAligned);
        const bool conversion = !drive::child(form::Startscherm, button);
        if (conversion) {
            QVERIFY(drive::click(form::Startscherm, "cmdConversie"));
            QVERIFY(drive::click(form::DialogSchakelSchema,
                                 button == "cmdIsco" ? "cmdLk82Beroep" : "cmdIsco"));
            Form* schakel = forms().find(form::DialogSchakelSchema);
            QVERIFY(schakel->isEnabled());
            QCOMPARE(schakel->windowHandle()->transientParent(),
                     forms().find(form::Startscherm)->windowHandle());
        }
        QVERIFY(drive::click(conversion ? form::DialogSchakelSchema : form::Startscherm, button));
        QVERIFY(noticeDialog());
        QVERIFY(!forms().find(form::Startscherm)->isEnabled());
        QCOMPARE(noticeDialog()->windowTitle(), caption);
        QCOMPARE(noticeDialog()->findChild<QLabel*>("lblText")->text(), text);
        checkPlacement(leftAligned);
        QVERIFY(drive::click(form::DialogExporteren, "OKButton"));
        QVERIFY(!noticeDialog());
        QCOMPARE(forms().isLoaded(form::DialogSchakelSchema), conversion);
        QVERIFY(forms().find(form::Startscherm)->isEnabled());
    }

private:
    // Its text centred, the code list's flush left; as wide as the text plus
    // its margin, centred on the start screen, with the OK button in the
    // middle; the code-list notice as high as its text plus its margin.
    void checkPlacement(bool codeList) {
        Form* dlg = noticeDialog();
        QVERIFY(dlg);
        auto* label = dlg->findChild<QLabel*>("lblText");
        auto* ok = dlg->findChild<QPushButton*>("OKButton");
        QCOMPARE(label->alignment() & Qt::AlignLeft ? true : false, codeList);
        QCOMPARE(label->alignment() & Qt::AlignHCenter ? true : false, !codeList);
        QCOMPARE(dlg->width(), label->sizeHint().width() + Form::twipsToPixels(500));
        if (codeList)
            QVERIFY(dlg->height() >= label->sizeHint().height() + Form::twipsToPixels(1500) - 1);
        const QRect start = forms().find(form::Startscherm)->frameGeometry();
        QVERIFY(qAbs(dlg->geometry().center().x() - start.center().x()) <= 2);
        QVERIFY(qAbs(ok->geometry().center().x() - dlg->width() / 2) <= 2);
        QVERIFY(label->isVisible() && ok->isVisible());
    }
};

QTEST_MAIN(TestDialogSchakelschema)
#include "tst_dialogschakelschema.moc"
