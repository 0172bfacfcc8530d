#include "app/forms.h"

#include "support/formdriver.h"
#include "support/probeform.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>

using namespace rvl92;

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        for (const char* n : {"frmA", "frmB", "frmC"}) {
            const QString name = QString::fromLatin1(n);
            forms().registerForm(name, [name] { return new ProbeForm(name); });
        }
    }

    void init() { probeLog().clear(); }

    void cleanup() { drive::unloadAll(); }

    void firstShowRunsLoadResizeActivate() {
        QVERIFY(forms().show("frmA"));
        QCOMPARE(probeLog(), QStringList({"frmA:Load", "frmA:Resize", "frmA:Activate"}));
        probeLog().clear();
        forms().show("frmA"); // already visible and active: nothing fires
        QCOMPARE(probeLog(), QStringList());
    }

    void namesIgnoreCase() {
        Form* a = forms().show("FRMA");
        QVERIFY(a);
        QCOMPARE(a->objectName(), QString("frmA"));
        QCOMPARE(forms().find("frma"), a);
        QCOMPARE(forms().load("FrMa"), a); // no second form
        QCOMPARE(forms().loaded().size(), 1);
    }

    void touchingLoads() {
        Form* b = forms().load("frmB");
        QVERIFY(b);
        QVERIFY(!b->isVisible());
        QCOMPARE(probeLog(), QStringList({"frmB:Load"}));
    }

    void activationSwitchesWithoutRepeats() {
        forms().show("frmA");
        forms().show("frmB");
        probeLog().clear();
        forms().show("frmA");
        QCOMPARE(probeLog(), QStringList({"frmB:Deactivate", "frmA:Activate"}));
        QCOMPARE(forms().active(), forms().find("frmA"));
    }

    void windowSystemActivationFiresOnce() {
        Form* a = forms().show("frmA");
        forms().show("frmB");
        probeLog().clear();
        // The window system activates A: exactly one Deactivate and one Activate,
        // however many activation events arrive.
        QEvent act(QEvent::WindowActivate);
        QApplication::sendEvent(a, &act);
        QApplication::sendEvent(a, &act);
        QCOMPARE(probeLog(), QStringList({"frmB:Deactivate", "frmA:Activate"}));
        // Losing the activation to another program is no deactivation.
        probeLog().clear();
        QEvent deact(QEvent::WindowDeactivate);
        QApplication::sendEvent(a, &deact);
        QCOMPARE(probeLog(), QStringList());
    }

    void unloadDestroysAndShowStartsFresh() {
        auto* a = static_cast<ProbeForm*>(forms().show("frmA"));
        a->counter = 5;
        QPointer<Form> guard(a);
        forms().unload("frmA");
        QCOMPARE(probeLog().last(), QString("frmA:Unload"));
        QVERIFY(!forms().find("frmA"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
        auto* again = static_cast<ProbeForm*>(forms().show("frmA"));
        QCOMPARE(again->counter, 0);
        QCOMPARE(probeLog().count("frmA:Load"), 2);
    }

    void callerEnabledWhenLastDialogGoes() {
        Form* caller = forms().show("frmA");
        Form* first = forms().show("frmB");
        Form* second = forms().show("frmC");
        forms().disableCaller(first, "FRMA");
        forms().disableCaller(second, "frmA");
        forms().disableCaller(second, "frmC"); // never itself
        QVERIFY(second->isEnabled());
        // The window system closes one: the other dialog still holds the caller.
        first->windowHandle()->close();
        QVERIFY(!forms().find("frmB"));
        QCOMPARE(probeLog().last(), QString("frmB:Unload"));
        QVERIFY(!caller->isEnabled());
        forms().unload(second);
        QVERIFY(caller->isEnabled());
    }

    void loadedInLoadOrder() {
        forms().load("frmC");
        forms().show("frmA");
        forms().load("frmB");
        QStringList names;
        for (Form* f : forms().loaded())
            names << f->objectName();
        QCOMPARE(names, QStringList({"frmC", "frmA", "frmB"}));
        forms().setEnabled("FRMC", false);
        QVERIFY(!forms().find("frmC")->isEnabled());
        forms().setEnabled("frmc", true);
        QVERIFY(forms().find("frmC")->isEnabled());
    }

    void windowStateChangesFireResize() {
        Form* a = forms().show("frmA");
        probeLog().clear();
        a->setWindowState(Qt::WindowMinimized);
        QCOMPARE(probeLog(), QStringList({"frmA:Resize"}));
        a->setWindowState(Qt::WindowNoState);
        QCOMPARE(probeLog().count("frmA:Resize"), 2);
        a->resize(a->width() + 40, a->height());
        QCOMPARE(probeLog().count("frmA:Resize"), 3);
    }

    void unknownNamesDoNothing() {
        QVERIFY(!forms().show("frmBestaatNiet"));
        QVERIFY(!forms().load("frmBestaatNiet"));
        forms().unload("frmBestaatNiet");
        forms().setEnabled("frmBestaatNiet", false);
        QVERIFY(forms().loaded().isEmpty());
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
