// rvl92-bench-hold PROGRAMDIR [--leeg]: the program holding the job-title
// overview of the database in PROGRAMDIR, as a user leaves it: the screen
// shown, a jump typed (the index of the titles), "Volgende Functienaam/RVL92-
// code" chosen (the index of the codes) and the list moved to its end. It
// prints its peak resident memory. With --leeg only the start screen is
// shown, for the program's own overhead.
#include "app/appstate.h"
#include "app/datascreen.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/registerforms.h"
#include "data/recordset.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTest>

#include <cstdio>

using namespace rvl92;

namespace {

// The high-water mark of this process's resident memory. Not getrusage():
// its ru_maxrss carries over the parent's size at the fork that started us.
long long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: rvl92-bench-hold PROGRAMDIR [--leeg]\n");
        return 2;
    }
    appState().programDir = args[1];
    registerForms();
    if (!forms().show(form::Startscherm))
        return 1;
    QApplication::processEvents();
    int rows = 0;
    if (!args.contains(QStringLiteral("--leeg"))) {
        auto* screen = dynamic_cast<DataScreen*>(forms().show(form::Functienamen));
        auto* grid = screen ? screen->findChild<QTableView*>(QStringLiteral("DataGrid1")) : nullptr;
        if (!grid || !screen->Rs->isOpen()) {
            std::fprintf(stderr, "the job-title overview did not open\n");
            return 1;
        }
        QApplication::processEvents();
        QTest::keyClick(grid, Qt::Key_M);
        QTest::keyClick(grid, Qt::Key_E);
        if (auto* next = screen->findChild<QAction*>(QStringLiteral("mnuVolgendeRvl")))
            next->trigger();
        screen->Rs->waitForIndexes();
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
        QApplication::processEvents();
        rows = screen->Rs->recordCount();
    }
    std::printf("peak_kb %lld\nrows %d\n", peakKilobytes(), rows);
    std::fflush(stdout);
    forms().unloadAll();
    return 0;
}
