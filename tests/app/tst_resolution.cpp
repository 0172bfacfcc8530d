// The record selector on a desktop set to another resolution, as the desktop
// itself tells Qt: each case starts the program's forms in a process of its
// own with the setting in its environment.
#include "app/appstate.h"
#include "app/form.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/registerforms.h"
#include "support/datarow.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QTest>

#include <cstdio>

using namespace rvl92;

namespace {

// In the child: the start screen and the hub, then what the hub's
// "Recordselector" shows.
int kind(int argc, char** argv) {
    QApplication app(argc, argv);
    appState().programDir = QStringLiteral(RVL92_TREE_DIR);
    registerForms();
    forms().show(form::Startscherm);
    Form* hub = forms().show(form::Zoekprogramma);
    auto* item = hub ? hub->findChild<QAction*>(QStringLiteral("mnuRecordselector")) : nullptr;
    if (!item)
        return 1;
    std::printf("%d %d %d\n", int(appState().gbRecordselector), int(item->isChecked()),
                int(item->isEnabled()));
    forms().unloadAll();
    return 0;
}

} // namespace

class TestResolution : public QObject {
    Q_OBJECT
private slots:
    void recordselector_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("shown"); // gbRecordselector, checked, enabled
        row("96 dots per inch", "", "-1 1 1");
        row("QT_FONT_DPI=120", "QT_FONT_DPI=120", "0 0 0");
        row("scale factor 1.25", "QT_SCALE_FACTOR=1.25", "0 0 0");
    }
    void recordselector() {
        QFETCH(QString, setting);
        QFETCH(QString, shown);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"QT_FONT_DPI", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"})
            env.remove(QString::fromLatin1(v));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!setting.isEmpty())
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--kind")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromLatin1(p.readAllStandardOutput()).trimmed(), shown);
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--kind") == 0)
        return kind(argc, argv);
    QCoreApplication app(argc, argv);
    TestResolution t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_resolution.moc"
