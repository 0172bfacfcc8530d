// rvl92-rooktest: checks an installed program directory without a display.
// It starts the program's own screens on that directory, searches job titles
// on the search screen as a user types, exports the result through the menu
// (the save dialog answered beforehand) and checks that the file holds every
// row the screen shows. Used to prove a freshly installed package; exit
// code 0 only when everything held.
//
//   rvl92-rooktest [--programmamap DIR] [--zoektekst TEKST] [--uit BESTAND]

#include "app/appstate.h"
#include "app/form.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/messagebox.h"
#include "app/registerforms.h"
#include "app/startup.h"
#include "export/exportframe.h"
#include "export/exportlines.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

using namespace rvl92;

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "rvl92-rooktest: %s\n", qPrintable(message));
    for (const msgbox::Shown& box : msgbox::shown())
        std::fprintf(stderr, "  melding: %s: %s\n", qPrintable(box.title), qPrintable(box.text));
    return 1;
}

// A key press and release, delivered as the window system would.
void key(QWidget* target, int code, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QString programDir = QStringLiteral("/usr/lib/rvl92");
    QString text = QStringLiteral("er");
    QString out;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        QString* value = args[i] == QLatin1String("--programmamap") ? &programDir
                         : args[i] == QLatin1String("--zoektekst")  ? &text
                         : args[i] == QLatin1String("--uit")        ? &out
                                                                    : nullptr;
        if (!value || i + 1 >= args.size())
            return fail(QStringLiteral("onbekend of onvolledig argument: %1").arg(args[i]));
        *value = args[++i];
    }
    QTemporaryDir scratch;
    if (out.isEmpty())
        out = scratch.filePath(QStringLiteral("functies.txt"));

    installDutchTranslations(app);
    // No window may wait for a user here: a message box takes one of these
    // answers instead, and any box shown makes the check fail.
    for (int i = 0; i < 8; ++i)
        msgbox::setNextAnswer(msgbox::Answer::Ok);
    appState().programDir = QDir(programDir).absolutePath();
    registerForms();
    if (!forms().show(form::Startscherm))
        return fail(QStringLiteral("het startscherm opent niet"));
    Form* screen = forms().show(form::ZoekenFuncties);
    auto* box = screen ? screen->findChild<QLineEdit*>(QStringLiteral("txtZoekstr")) : nullptr;
    auto* grid = screen ? screen->findChild<QTableView*>(QStringLiteral("DataGrid1")) : nullptr;
    auto* exportItem =
        screen ? screen->findChild<QAction*>(QStringLiteral("mnuExporteren")) : nullptr;
    if (!box || !grid || !exportItem)
        return fail(QStringLiteral("het zoekscherm op functienamen opent niet"));

    for (const QChar c : text)
        key(box, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : Qt::Key_unknown,
            QString(c));
    key(box, Qt::Key_Return);
    const QAbstractItemModel* model = grid->model();
    const int rows = model ? model->rowCount() : 0;
    if (rows == 0)
        return fail(QStringLiteral("zoeken op '%1' vond geen functienamen").arg(text));

    exports::savedialog::setNextFileName(out, exports::ExportType::Text);
    if (!exportItem->isEnabled())
        return fail(QStringLiteral("Exporteren staat uit na een zoekopdracht met resultaat"));
    exportItem->trigger();

    if (!msgbox::shown().isEmpty())
        return fail(QStringLiteral("het programma meldde iets"));
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("de export %1 is niet geschreven").arg(out));
    QByteArray expected;
    for (int r = 0; r < rows; ++r)
        expected += exports::toWindows1252(model->index(r, 0).data().toString() + ' ' +
                                           model->index(r, 1).data().toString()) +
                    "\r\n";
    if (file.readAll() != expected)
        return fail(QStringLiteral("de export %1 wijkt af van wat het scherm toont").arg(out));
    std::printf("Zoeken op '%s' in %s: %d functienamen; export %s: %d regels, gelijk aan het "
                "scherm.\n",
                qPrintable(text), qPrintable(programDir), rows, qPrintable(out), rows);
    forms().unloadAll();
    return 0;
}
