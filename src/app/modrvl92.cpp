#include "app/modrvl92.h"

#include "app/appstate.h"
#include "app/form.h"
#include "app/forms.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

#include <optional>
#include <utility>

namespace rvl92 {

namespace {

std::optional<std::pair<double, double>>& dpiOverride() {
    static std::optional<std::pair<double, double>> o;
    return o;
}

QAction* recordselectorItem(Form* f) {
    return f->findChild<QAction*>(QStringLiteral("mnuRecordselector"));
}

} // namespace

void setDpiOverride(double dpiX, double dpiY) {
    dpiOverride() = std::make_pair(dpiX, dpiY);
}

void clearDpiOverride() {
    dpiOverride().reset();
}

void CheckSchermResolutie() {
    double x = 96.0, y = 96.0;
    if (dpiOverride()) {
        std::tie(x, y) = *dpiOverride();
    } else if (const QScreen* s = QGuiApplication::primaryScreen()) {
        // The record selector is made for the ordinary desktop setting of 96
        // dots per inch. A desktop set larger (120 dots per inch, or a scale
        // factor of 1.25) reaches Qt 6 as a device pixel ratio on top of its
        // logical 96: together they give the setting the user chose, and
        // that is what twips per pixel stands for.
        x = s->logicalDotsPerInchX() * s->devicePixelRatio();
        y = s->logicalDotsPerInchY() * s->devicePixelRatio();
    }
    if (isStandardResolution(x, y))
        return;
    appState().gbRecordselector = False;
    for (Form* f : forms().loaded()) {
        if (QAction* a = recordselectorItem(f)) {
            a->setChecked(false);
            a->setEnabled(false);
        }
    }
}

void ActiveerAanroeper() {
    forms().setEnabled(appState().gsHuidigScherm, true);
}

void HistorieToevoegen() {
    HistorieToevoegen(appState());
}

void HistorieVerwijderen() {
    HistorieVerwijderen(appState());
}

void ToonVorigScherm() {
    const QString name =
        previousScreenName(appState(), [](const QString& n) { return forms().isLoaded(n); });
    if (!name.isEmpty())
        forms().show(name);
}

void SynchroniseerRecordselector() {
    const bool on = appState().gbRecordselector == True;
    for (Form* f : forms().loaded())
        if (QAction* a = recordselectorItem(f))
            a->setChecked(on);
}

} // namespace rvl92
