#pragma once

// Forms that record their life cycle, for the windowing tests.

#include "app/appstate.h"
#include "app/form.h"
#include "app/menuscreen.h"
#include "app/modrvl92.h"

#include <QKeyEvent>
#include <QStringList>

inline QStringList& probeLog() {
    static QStringList log;
    return log;
}

class ProbeForm : public rvl92::Form {
public:
    explicit ProbeForm(const QString& name) : rvl92::Form(name) { resize(200, 100); }
    void formLoad() override { probeLog() << objectName() + ":Load"; }
    void formResize() override { probeLog() << objectName() + ":Resize"; }
    void formActivate() override { probeLog() << objectName() + ":Activate"; }
    void formDeactivate() override { probeLog() << objectName() + ":Deactivate"; }
    void formUnload() override { probeLog() << objectName() + ":Unload"; }
    void closeData() override { probeLog() << objectName() + ":CloseData"; }
    int counter = 0; // a member that must start again after an unload
};

// A stand-in data screen with the shared menu bar and the history calls that
// every data screen makes.
class ProbeScreen : public rvl92::MenuScreen {
public:
    ProbeScreen(const QString& formName, const QString& screenName)
        : rvl92::MenuScreen(formName, screenName) {
        resize(300, 200);
    }
    void formResize() override {
        auto& s = rvl92::appState();
        if (s.gbVorigScherm == rvl92::True)
            s.gbVorigScherm = rvl92::False;
        s.gsHuidigScherm = screenName();
        rvl92::HistorieToevoegen();
    }
    void formActivate() override {
        rvl92::CheckSchermResolutie();
        rvl92::SynchroniseerRecordselector();
        rvl92::appState().gsHuidigScherm = screenName();
        rvl92::HistorieToevoegen();
    }
    void formUnload() override { rvl92::HistorieVerwijderen(); }
    void closeData() override { probeLog() << objectName() + ":CloseData"; }
    void applyRecordSelector(bool on) override { selectorShown = on; }
    bool selectorShown = true;

protected:
    // A screen that answers a key is not stranded behind a dialog.
    void keyPressEvent(QKeyEvent* e) override {
        probeLog() << objectName() + ":Key " + e->text();
        rvl92::MenuScreen::keyPressEvent(e);
    }
};
