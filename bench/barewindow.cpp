// rvl92-bench-bare: the least a Qt Widgets program does to put a window on
// the screen: it shows an empty window and quits once that has been painted.
// The floor of the start-up benchmark.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class QuitAfterPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(watched, e);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    QuitAfterPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return app.exec();
}
