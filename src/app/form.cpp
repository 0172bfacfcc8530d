#include "app/form.h"

#include "app/accessibility.h"
#include "app/appstate.h"
#include "app/forms.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

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
    const bool handled = QWidget::event(e);
    if (e->type() == QEvent::WindowTitleChange)
        giveTitleToWindowSystem();
    return handled;
}

// Window systems put the program's name on a window whose title is empty. A
// form without a caption hands them one blank instead, so that its title bar
// stays as empty as it was designed; a caption goes as it is.
void Form::giveTitleToWindowSystem() {
    QWindow* w = windowHandle();
    if (w && windowTitle().isEmpty() && w->title().isEmpty())
        w->setTitle(QStringLiteral(" "));
}

void Form::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    keepFocusVisible(this);
    giveTitleToWindowSystem();
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
    // The window's close button (or Alt+F4) leaves a dialog as its cancelling
    // button does; whatever that button decides, the window goes.
    e->accept();
    if (m_unloading)
        return;
    QPointer<Form> self(this);
    if (m_cancelButton && m_cancelButton->isEnabled())
        m_cancelButton->click();
    if (self && !self->m_unloading)
        forms().unload(self);
}

void Form::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && m_cancelButton &&
        m_cancelButton->isEnabled()) {
        m_cancelButton->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace rvl92
