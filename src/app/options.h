#pragma once

#include <QString>
#include <QStringList>

namespace rvl92 {

struct StartOptions {
    QString programDir;          // empty: the executable's directory
    bool quitAfterStart = false; // quit once the start screen has been painted
    QString error;               // a Dutch message for a wrong command line
};

// Reads "--programmamap DIR" (or "--programmamap=DIR") and "--afsluiten-na-start".
StartOptions parseStartOptions(const QStringList& arguments);

} // namespace rvl92
