#include "app/appstate.h"
#include "app/form.h"
#include "app/formnames.h"
#include "app/forms.h"
#include "app/options.h"
#include "app/registerforms.h"
#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

// Quits as soon as the start screen has been painted once (for timing start-up).
class QuitAfterPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] { rvl92::forms().unloadAll(); });
        }
        return QObject::eventFilter(watched, e);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    rvl92::setApplicationIdentity();
    QApplication::setQuitOnLastWindowClosed(false);

    const rvl92::StartOptions options = rvl92::parseStartOptions(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(options.error));
        return 2;
    }
    rvl92::installDutchTranslations(app);
    rvl92::appState().programDir = options.programDir.isEmpty()
                                       ? QApplication::applicationDirPath()
                                       : QDir(options.programDir).absolutePath();

    rvl92::registerForms();
    rvl92::forms().setOnMainUnloaded([] { QTimer::singleShot(0, qApp, &QApplication::quit); });
    rvl92::Form* start = rvl92::forms().show(rvl92::form::Startscherm);
    if (!start)
        return 1;
    QuitAfterPaint quitter;
    if (options.quitAfterStart)
        start->installEventFilter(&quitter);
    return app.exec();
}
