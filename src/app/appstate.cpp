#include "app/appstate.h"

#include <cmath>

namespace rvl92 {

AppState& appState() {
    static AppState state;
    return state;
}

void resetAppState() {
    const QString dir = appState().programDir;
    appState() = AppState{};
    appState().programDir = dir;
}

QStringList AppState::history() const {
    QStringList out;
    for (const QString& e : gsSchermHistorie) {
        if (e.isEmpty())
            break;
        out << e;
    }
    return out;
}

void HistorieToevoegen(AppState& s) {
    auto& h = s.gsSchermHistorie;
    const int U = AppState::HistoryUpper;
    if (U < 1)
        return;
    for (int i = 1; i <= U; ++i) {
        if (h[i].isEmpty()) {
            h[i] = s.gsHuidigScherm;
            s.giHistorieIndex = std::int16_t(i);
            return;
        }
        if (h[i] == s.gsHuidigScherm) {
            if (i == U || h[i + 1].isEmpty()) {
                s.giHistorieIndex = std::int16_t(i);
                return;
            }
            // Move the later entries one place forward; this screen goes last.
            for (int j = i; j <= U; ++j) {
                if (j == U) {
                    h[U] = s.gsHuidigScherm;
                    s.giHistorieIndex = std::int16_t(U);
                    return;
                }
                if (h[j + 1].isEmpty()) {
                    h[j] = s.gsHuidigScherm;
                    s.giHistorieIndex = std::int16_t(j);
                    return;
                }
                h[j] = h[j + 1];
            }
        }
    }
    // Full and not present: nothing changes.
}

void HistorieVerwijderen(AppState& s) {
    auto& h = s.gsSchermHistorie;
    const int U = AppState::HistoryUpper;
    if (U < 1)
        return;
    for (int i = 1; i <= U; ++i) {
        if (h[i] != s.gsHuidigScherm)
            continue;
        if (i == U || h[i + 1].isEmpty()) {
            h[i].clear();
        } else {
            for (int j = i; j <= U; ++j) {
                if (j == U) {
                    h[U].clear();
                    break;
                }
                if (h[j + 1].isEmpty()) {
                    h[j].clear();
                    break;
                }
                h[j] = h[j + 1];
            }
        }
        s.giHistorieIndex = std::int16_t(i - 1);
        return;
    }
}

int twipsPerPixel(double dpi) {
    if (!(dpi > 0))
        return 0;
    return static_cast<int>(std::lround(1440.0 / dpi));
}

bool isStandardResolution(double dpiX, double dpiY) {
    return twipsPerPixel(dpiX) == 15 && twipsPerPixel(dpiY) == 15;
}

} // namespace rvl92
