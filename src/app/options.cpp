#include "app/options.h"

namespace rvl92 {

StartOptions parseStartOptions(const QStringList& args) {
    StartOptions o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--programmamap")) {
            if (i + 1 >= args.size()) {
                o.error = QStringLiteral("Bij --programmamap ontbreekt de map.");
                return o;
            }
            o.programDir = args[++i];
        } else if (a.startsWith(QLatin1String("--programmamap="))) {
            o.programDir = a.mid(int(qstrlen("--programmamap=")));
        } else if (a == QLatin1String("--afsluiten-na-start")) {
            o.quitAfterStart = true;
        } else {
            o.error = QStringLiteral("Onbekende optie: %1").arg(a);
            return o;
        }
    }
    return o;
}

} // namespace rvl92
