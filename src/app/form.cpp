#include "app/form.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/forms.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace rvl92 {

Form::Form(const QString& formName, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowIcon(programIcon());
}

Form::~Form() = default;

QString Form::programFile(const QString& relativePath) {
    return QDir(appState().programDir).filePath(relativePath);
}

QIcon Form::programIcon() {
    const QString file = programFile(QStringLiteral("Programmabestanden/KVD Icoon.ico"));
    return QFile::exists(file) ? QIcon(file) : QIcon();
}

int Form::twipsToPixels(int twips) {
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return qRound(twips * dpi / 1440.0);
}

void Form::setWidthTwips(int twips) {
    resize(twipsToPixels(twips), height());
}

void Form::fireResize() {
    m_lastSize = size();
    m_lastState = windowState();
    formResize();
}

bool Form::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !m_unloading)
        forms().activated(this);
    return QWidget::event(e);
}

void Form::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    keepFocusVisible(this);
    if (!m_shownOnce && !e->spontaneous()) {
        m_shownOnce = true;
        fireResize();
    }
}

void Form::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (m_shownOnce && isVisible() && size() != m_lastSize)
        fireResize();
}

void Form::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && m_shownOnce && windowState() != m_lastState)
        fireResize();
}

void Form::closeEvent(QCloseEvent* e) {
    // Closing a window unloads its form, as the window's own close button does.
    e->accept();
    if (!m_unloading)
        forms().unload(this);
}

} // namespace rvl92
