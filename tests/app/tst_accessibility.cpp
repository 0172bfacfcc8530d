// Every form as a screen reader and a keyboard user meet it, on the demo
// installation built beside the program: each control that takes the focus or
// shows data has a name, changing texts are read out as they change, Tab
// follows the reading order and Escape closes every dialog. (The change events
// themselves only flow with a screen reader attached; the check in
// tools/accessibility listens for them.)
#include "app/appstate.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "app/modrvl92.h"
#include "app/registerforms.h"
#include "screens/search/choicedialog.h"
#include "support/appdemo.h"
#include "support/datarow.h"
#include "support/formdriver.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <functional>

using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

using namespace rvl92;

namespace {

using drive::child;

QString nameOf(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<geen interface>");
}

// What a screen reader finds unnamed below `iface`: controls that take the
// focus, and boxes, lists and grids that show data. The items of a grid or
// list are its data, named by their text; of a grid the column headers count.
void collectUnnamed(QAccessibleInterface* iface, QStringList* out) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* c = iface->child(i);
        if (!c || c->state().invisible)
            continue;
        const QAccessible::Role role = c->role();
        const QString name = c->object() ? c->object()->objectName() : QString();
        const bool view =
            role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree;
        const bool data =
            view || role == QAccessible::EditableText || role == QAccessible::ComboBox;
        // A label is read by its text, whatever it shows.
        const bool control = role != QAccessible::StaticText && (c->state().focusable || data);
        if (control && c->text(QAccessible::Name).trimmed().isEmpty())
            *out << QStringLiteral("%1 (rol %2)").arg(name).arg(int(role));
        if (!view) {
            collectUnnamed(c, out);
        } else if (QAccessibleTableInterface* t = c->tableInterface();
                   t && role == QAccessible::Table) {
            for (int k = 0; k < t->columnCount(); ++k)
                if (t->columnDescription(k).isEmpty())
                    *out << QStringLiteral("%1, kolomkop %2").arg(name).arg(k);
        }
    }
}

// An occupation of the demo data that has job titles.
QString s_code;

bool hasResult(const QString& form) {
    auto* grid = child<QTableView>(form, "DataGrid1");
    return !grid || (grid->isVisibleTo(grid->window()) && grid->model()->rowCount() > 0);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        appState().programDir = QStringLiteral(RVL92_TREE_DIR);
        registerForms();
        s_code = demoCodeWithTitles(appState().programDir);
        QCOMPARE(s_code.size(), 5);
    }
    void init() {
        resetAppState();
        msgbox::clearShown();
        // Settled, so that its activation does not arrive after the form under test.
        QVERIFY(QTest::qWaitForWindowActive(forms().show(form::Startscherm)));
    }
    void cleanup() { drive::unloadAll(); }

    void everyControlNamed_data() {
        QTest::addColumn<QString>("form");
        // Names that must be exactly so: control → accessible name.
        QTest::addColumn<QStringList>("names");
        const QStringList dialogs{
            form::Startscherm,        form::Zoekprogramma,      form::About,
            form::DialogYesNo,        form::DialogNietGevonden, form::DialogExporteren,
            form::DialogPdfOrWord,    form::ShowRtfHelp,        form::DialogSchakelSchema,
            form::DialogNiveau,       form::DialogRichting,     form::DialoogWerksoorten,
            form::DialoogVaardigheden};
        for (const QString& f : dialogs)
            row(qPrintable(f), f, QStringList());
        row("functienamen", form::Functienamen,
            QStringList{"txtRVL", "RVL92-code", "txtBeroep", "Beroep", "txtLoop",
                        "Spring naar:", "DataGrid1", "Lijst functienamen"});
        row("beroepen", form::Beroepen,
            QStringList{"txtZ1", "RVL92-code, cijfer 1", "txtZ5", "RVL92-code, cijfer 5",
                        "DataGrid1", "Lijst beroepen"});
        row("namen", form::Namen, QStringList{"txtBeroep", "Beroep"});
        row("kenmerken", form::Kenmerken,
            QStringList{"txtWerksoortCode2", "Werksoort 2, code", "txtVaardigheden7",
                        "Vaardigheid 7", "txtNiveau", "Niveau bekwaamheden"});
        row("zoeken functies", form::ZoekenFuncties,
            QStringList{"txtZoekstr", "Zoeken naar:", "txtBeroep", "Beroep", "txtBeroepGeheel",
                        "Beroep", "DataGrid1", "Gevonden functienamen"});
        row("zoeken code", form::ZoekenRvl92,
            QStringList{"txtZ2", "RVL92-code, cijfer 2", "txtRVL", "RVL92-code"});
        row("zoeken kenmerken", form::ZoekenKenmerken,
            QStringList{"lstRichting", "Gekozen (hoofd)richting", "cboWerksoorten", "Werksoorten",
                        "DataGrid1", "Gevonden beroepen"});
    }

    void everyControlNamed() {
        QFETCH(QString, form);
        QFETCH(QStringList, names);
        appState().gsRvl92Code = s_code;
        Form* f = forms().show(form);
        QVERIFY(f);
        drive::search(form);
        QVERIFY2(hasResult(form), "the screen shows no result to check");

        QStringList unnamed;
        collectUnnamed(QAccessible::queryAccessibleInterface(f), &unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable("zonder naam: " + unnamed.join(", ")));
        for (int i = 0; i + 1 < names.size(); i += 2)
            QCOMPARE(nameOf(child<QObject>(form, names[i])), names[i + 1]);
    }

    void changingTextsReadOut_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("dialog"); // where the label is; empty: the screen itself
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");

        row("teller na laatste record", form::Beroepen,
            Action([] { child<QAction>(form::Beroepen, "mnuLast")->trigger(); }), QString(),
            "lblRecordCount", QString());
        row("teller na zoeken", form::ZoekenRvl92, Action([] { drive::search(form::ZoekenRvl92); }),
            QString(), "lblRecordCount", QString());
        row("niets gevonden", form::ZoekenFuncties,
            Action([] { drive::type(child(form::ZoekenFuncties, "txtZoekstr"), "qqqqxq\r"); }),
            form::DialogNietGevonden, "lblText",
            "Er zijn geen functies met de opgegeven zoekwaarde gevonden");
    }

    void changingTextsReadOut() {
        QFETCH(QString, form);
        QFETCH(Action, action);
        QFETCH(QString, dialog);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QVERIFY(forms().show(form));
        action();

        auto* l = child<QLabel>(dialog.isEmpty() ? form : dialog, label);
        QVERIFY(l);
        if (text.isEmpty()) {
            // The record counter: its last row, as the screen shows it.
            auto* grid = child<QTableView>(form, "DataGrid1");
            const int rows = grid->model()->rowCount();
            const int row = grid->currentIndex().row() + 1;
            text = QStringLiteral(" Record  %1 van %2 ").arg(row).arg(rows);
        }
        QCOMPARE(l->text(), text);
        // A label announces a new text (name changed) only while it has no fixed
        // accessible name of its own, and the screen reader then reads its name.
        QVERIFY(l->accessibleName().isEmpty());
        QCOMPARE(nameOf(l), text);
    }

    void tabFollowsReadingOrder_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("order"); // from the first control round to it again

        row("startscherm", form::Startscherm,
            QStringList{"cmdZoekprogramma", "cmdHelp", "cmdInfo", "cmdSluiten",
                        "cmdPublicatietekst", "cmdClassificatieschema", "cmdCodelijsten",
                        "cmdConversie", "cmdZoekprogramma"});
        row("functienamen", form::Functienamen,
            QStringList{"DataGrid1", "cmdZoeken", "cmdWissen", "DataGrid1"});
        row("beroepen", form::Beroepen,
            QStringList{"DataGrid1", "txtZ1", "txtZ2", "txtZ3", "txtZ4", "txtZ5", "cmdZoeken",
                        "cmdWissen", "DataGrid1"});
        QStringList kenmerken{"txtRVL", "txtBeroep"};
        for (const char* veld : {"Beroepsniveau", "Beroepsklasse", "Beroepsgroep", "Niveau",
                                 "Hoofdrichting", "Richting"})
            kenmerken << QStringLiteral("txt%1Code").arg(veld) << QStringLiteral("txt%1").arg(veld);
        for (int k = 1; k <= 3; ++k)
            kenmerken << QStringLiteral("txtWerksoortCode%1").arg(k)
                      << QStringLiteral("txtWerksoort%1").arg(k);
        for (int k = 1; k <= 7; ++k)
            kenmerken << QStringLiteral("txtVaardighedenCode%1").arg(k)
                      << QStringLiteral("txtVaardigheden%1").arg(k);
        row("kenmerken", form::Kenmerken, (kenmerken << "txtRVL"));
        row("zoeken functies", form::ZoekenFuncties,
            QStringList{"txtRVL", "txtBeroep", "DataGrid1", "txtZoekstr", "cmdZoeken", "cmdWissen",
                        "txtRVL"});
        row("zoeken code", form::ZoekenRvl92,
            QStringList{"txtRVL", "txtBeroep", "DataGrid1", "txtZ1", "txtZ2", "txtZ3", "txtZ4",
                        "txtZ5", "cmdZoeken", "cmdWissen", "txtRVL"});
        row("zoeken kenmerken", form::ZoekenKenmerken,
            QStringList{"lstNiveau", "cboNiveau", "lstRichting", "cboHoofdrichting",
                        "lstWerksoorten", "cboWerksoorten", "lstVaardigheden", "cboVaardigheden",
                        "cmdZoeken", "cmdWissen", "DataGrid1", "lstNiveau"});
    }

    void tabFollowsReadingOrder() {
        QFETCH(QString, form);
        QFETCH(QStringList, order);
        appState().gsRvl92Code = s_code;
        Form* f = forms().show(form);
        QVERIFY(f);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        drive::search(form);
        // The buttons' enabled state follows what was typed; the order is what is
        // tested here.
        for (QPushButton* b : f->findChildren<QPushButton*>())
            b->setEnabled(true);

        child(form, order.first())->setFocus(Qt::TabFocusReason);
        QStringList seen{QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                     : QString()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                 : QString());
        }
        QCOMPARE(seen, order);
    }

    void escapeCloses_data() {
        QTest::addColumn<QString>("form");
        // The dialogs that disable a screen are left by Escape in the shell's test of
        // their ways out, the choice of document format in the launcher's.
        for (const QString& f : {form::About, form::DialogSchakelSchema})
            row(qPrintable(f), f);
    }

    // The about box and the conversions dialog go with Escape too.
    void escapeCloses() {
        QFETCH(QString, form);
        QPointer<Form> f = forms().show(form);
        QVERIFY(f);
        f->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), f.data());
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : f;
        QTest::keyClick(target, Qt::Key_Escape);
        QTRY_VERIFY(!forms().find(form));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
