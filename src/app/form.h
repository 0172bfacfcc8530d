#pragma once

#include <QAbstractButton>
#include <QIcon>
#include <QPointer>
#include <QSize>
#include <QWidget>

namespace rvl92 {

// Base of every screen and dialog. A form is loaded, shown, enabled or
// disabled, and unloaded through Forms; it reacts to Load, Resize, Activate,
// Deactivate and Unload like the screens of the program expect:
//  - Load runs once, when Forms first creates the form;
//  - Resize on the first display and on every later change of size or window
//    state (minimise, maximise, restore);
//  - Activate when the form becomes the program's active form, Deactivate when
//    another of the program's forms does (not when the user switches to
//    another program);
//  - Unload when Forms unloads it, after which the object is destroyed.
// A dialog that behaves as modal disables its caller through Forms; however
// the dialog goes, the caller is enabled again when it is unloaded.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& formName, QWidget* parent = nullptr);
    ~Form() override;

    virtual void formLoad() {}
    virtual void formResize() {}
    virtual void formActivate() {}
    virtual void formDeactivate() {}
    virtual void formUnload() {}
    // Shutdown: close the form's open recordset and connection, if it has them.
    virtual void closeData() {}

    bool isUnloading() const { return m_unloading; }

    // Width in twips, converted with the display's twips per pixel.
    virtual void setWidthTwips(int twips);
    static int twipsToPixels(int twips);

    // The program's icon and logo from the installed tree; empty when missing.
    static QIcon programIcon();
    static QString programFile(const QString& relativePath);

protected:
    // The button that Escape and the window's close button press: a dialog is
    // left the way its cancelling button leaves it. Without one, closing the
    // window unloads the form.
    void setCancelButton(QAbstractButton* button) { m_cancelButton = button; }

    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class Forms;
    void fireResize();
    void giveTitleToWindowSystem();

    bool m_unloading = false;
    QPointer<QAbstractButton> m_cancelButton;
    // The form this one disabled while it is up (see Forms::disableCaller).
    QPointer<Form> m_disabledCaller;
    bool m_shownOnce = false;
    QSize m_lastSize;
    Qt::WindowStates m_lastState;
};

} // namespace rvl92
