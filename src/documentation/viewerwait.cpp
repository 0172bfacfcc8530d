#include "documentation/viewerwait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace rvl92 {

namespace {

int& waits() {
    static int n = 0;
    return n;
}

bool isUserInput(QEvent::Type t) {
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
    case QEvent::ToolTip:
        return true;
    default:
        return false;
    }
}

} // namespace

ViewerWait::ViewerWait() {
    ++waits();
    QCoreApplication::instance()->installEventFilter(this);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

ViewerWait::~ViewerWait() {
    QGuiApplication::restoreOverrideCursor();
    QCoreApplication::instance()->removeEventFilter(this);
    --waits();
}

bool ViewerWait::active() {
    return waits() > 0;
}

bool ViewerWait::eventFilter(QObject* watched, QEvent* event) {
    if (isUserInput(event->type()))
        return true;
    // The close button of a window would unload a form under the waiting
    // handler; the program's own closing is not spontaneous and goes on.
    if (event->type() == QEvent::Close && event->spontaneous() && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace rvl92
