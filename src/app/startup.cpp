#include "app/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace rvl92 {

void setApplicationIdentity() {
    QApplication::setApplicationName(QStringLiteral("RVL92"));
    QGuiApplication::setDesktopFileName(QStringLiteral("rvl92"));
}

bool installDutchTranslations(QApplication& app) {
    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    QLocale::setDefault(dutch);
    auto* qt = new QTranslator(&app);
    if (!qt->load(dutch, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    app.installTranslator(qt);
    return true;
}

} // namespace rvl92
