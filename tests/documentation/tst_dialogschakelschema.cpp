// "Schakelschema's naar andere classificaties" and the documentation notices
// of the start screen, as the user sees them.
#include "app/appstate.h"
#include "app/form.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/registerforms.h"
#include "documentation/notices.h"
#include "support/datarow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace rvl92;

Q_DECLARE_METATYPE(rvl92::Notice)

namespace {

void click(const QString& formName, const char* button) {
    Form* f = forms().find(formName);
    QVERIFY2(f, qPrintable(formName));
    auto* b = f->findChild<QPushButton*>(button);
    QVERIFY2(b, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

Form* noticeDialog() {
    return forms().find(form::DialogExporteren);
}

} // namespace

class TestDialogSchakelschema : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        appState().programDir = QStringLiteral("/opt/RVL 92");
        registerForms();
        QVERIFY(forms().show(form::Startscherm));
    }
    void cleanup() {
        for (Form* f : forms().loaded())
            if (f->objectName() != form::Startscherm)
                forms().unload(f);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        forms().find(form::Startscherm)->setEnabled(true);
    }

    void dialogTexts() {
        click(form::Startscherm, "cmdConversie");
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
        click(form::DialogSchakelSchema, "cmdAfsluiten");
        QVERIFY(!forms().isLoaded(form::DialogSchakelSchema));
    }

    // Each button shows its notice, centred, in the information dialog; the
    // conversion dialog stays for the next one.
    void conversionNotices_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Notice>("expected");
        const QString dir = appState().programDir;
        row("ISCO", "cmdIsco", notice::isco(dir));
        row("LK84 beroep", "cmdLk82Beroep", notice::lk84ToOccupation(dir));
        row("LK84 beroepsgroep", "cmdLk84Beroepsgroep", notice::lk84ToOccupationGroup(dir));
        row("sociale stratificatie", "cmdSocStratificatie", notice::socialStratification(dir));
    }
    void conversionNotices() {
        QFETCH(QString, button);
        QFETCH(Notice, expected);
        click(form::Startscherm, "cmdConversie");
        // A notice is up; the conversion dialog still takes the next choice,
        // whose notice replaces it, in front of the disabled start screen.
        click(form::DialogSchakelSchema, button == "cmdIsco" ? "cmdLk82Beroep" : "cmdIsco");
        Form* schakel = forms().find(form::DialogSchakelSchema);
        QVERIFY(schakel->isEnabled());
        QCOMPARE(schakel->windowHandle()->transientParent(),
                 forms().find(form::Startscherm)->windowHandle());
        click(form::DialogSchakelSchema, qPrintable(button));
        QVERIFY(noticeDialog());
        QVERIFY(!forms().find(form::Startscherm)->isEnabled());
        QCOMPARE(noticeDialog()->windowTitle(), expected.caption);
        auto* label = noticeDialog()->findChild<QLabel*>("lblText");
        QCOMPARE(label->text(), expected.text);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        checkPlacement(false);
        click(form::DialogExporteren, "OKButton");
        QVERIFY(!noticeDialog());
        QVERIFY(forms().isLoaded(form::DialogSchakelSchema));
        QVERIFY(forms().find(form::Startscherm)->isEnabled());
    }

    void startScreenNotices_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("leftAligned");
        row("classification scheme", "cmdClassificatieschema", false);
        row("code lists", "cmdCodelijsten", true);
    }
    void startScreenNotices() {
        QFETCH(QString, button);
        QFETCH(bool, leftAligned);
        click(form::Startscherm, qPrintable(button));
        QVERIFY(noticeDialog());
        const QString text = noticeDialog()->findChild<QLabel*>("lblText")->text();
        const QString dir = appState().programDir;
        QCOMPARE(noticeDialog()->windowTitle(), leftAligned
                                                    ? notice::codeLists(dir).caption
                                                    : notice::classificationScheme(dir).caption);
        if (leftAligned) {
            QCOMPARE(text, notice::codeLists(appState().programDir).text);
            // The twelve list names on lines of their own, below an empty line.
            const QStringList lines = text.split("\r\n");
            QCOMPARE(lines[2], QString());
            QCOMPARE(lines.mid(3, 12), notice::codeLists());
        } else {
            QCOMPARE(text, notice::classificationScheme(appState().programDir).text);
        }
        checkPlacement(leftAligned);
        QVERIFY(!forms().find(form::Startscherm)->isEnabled());
        click(form::DialogExporteren, "OKButton");
        QVERIFY(forms().find(form::Startscherm)->isEnabled());
    }

private:
    // As wide as the text plus its margin, centred on the start screen, with
    // the OK button in the middle; the code-list notice as high as its text
    // plus its margin.
    void checkPlacement(bool codeList) {
        Form* dlg = noticeDialog();
        QVERIFY(dlg);
        auto* label = dlg->findChild<QLabel*>("lblText");
        auto* ok = dlg->findChild<QPushButton*>("OKButton");
        QCOMPARE(label->alignment() & Qt::AlignLeft ? true : false, codeList);
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
