#pragma once

#include <QObject>

namespace rvl92 {

// While the program waits for a viewer that it started, its windows go on
// being painted and show the busy cursor, but they take no input: clicks, keys,
// shortcuts, the wheel and the windows' close buttons are swallowed, so that
// nothing happens behind the waiting handler's back. Lives as long as the wait.
class ViewerWait : public QObject {
    Q_OBJECT
public:
    ViewerWait();
    ~ViewerWait() override;
    ViewerWait(const ViewerWait&) = delete;
    ViewerWait& operator=(const ViewerWait&) = delete;

    // Whether the program is waiting for a viewer now.
    static bool active();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace rvl92
