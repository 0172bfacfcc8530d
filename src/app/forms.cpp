#include "app/forms.h"

#include "app/appstate.h"
#include "app/form.h"

#include <QApplication>

namespace rvl92 {

Forms& Forms::instance() {
    static Forms f;
    return f;
}

void Forms::registerForm(const QString& name, Factory factory) {
    m_factories[name.toUpper()] = std::move(factory);
}

bool Forms::isRegistered(const QString& name) const {
    return m_factories.count(name.toUpper()) > 0;
}

Form* Forms::find(const QString& name) const {
    for (const QPointer<Form>& f : m_loaded)
        if (f && !f->m_unloading && sameName(f->objectName(), name))
            return f;
    return nullptr;
}

QList<Form*> Forms::loaded() const {
    QList<Form*> out;
    for (const QPointer<Form>& f : m_loaded)
        if (f && !f->m_unloading)
            out << f.data();
    return out;
}

Form* Forms::load(const QString& name) {
    if (Form* f = find(name))
        return f;
    auto it = m_factories.find(name.toUpper());
    if (it == m_factories.end())
        return nullptr;
    Form* f = it->second();
    m_loaded.append(f);
    f->formLoad();
    // Load may have decided to unload the form again.
    return find(name) == f ? f : nullptr;
}

Form* Forms::show(const QString& name) {
    Form* f = load(name);
    return f ? show(f) : nullptr;
}

Form* Forms::show(Form* f) {
    if (!f || f->m_unloading)
        return nullptr;
    QPointer<Form> guard(f);
    if (!f->isVisible())
        f->show(); // fires the first Resize
    if (!guard || guard->m_unloading)
        return nullptr;
    if (f->isMinimized())
        f->setWindowState(f->windowState() & ~Qt::WindowMinimized);
    f->raise();
    f->activateWindow();
    activated(f);
    return guard && !guard->m_unloading ? guard.data() : nullptr;
}

void Forms::activated(Form* f) {
    if (!f || f->m_unloading || f == m_active)
        return;
    QPointer<Form> old = m_active;
    QPointer<Form> next = f;
    m_active = f;
    if (old && !old->m_unloading)
        old->formDeactivate();
    // Deactivate may have moved on to yet another form.
    if (next && m_active == next && !next->m_unloading)
        next->formActivate();
}

void Forms::unload(const QString& name) {
    unload(find(name));
}

void Forms::unload(Form* f) {
    if (!f || f->m_unloading || !m_loaded.contains(f))
        return;
    f->m_unloading = true;
    f->formUnload();
    m_loaded.removeAll(f);
    if (m_active == f)
        m_active = nullptr;
    releaseCaller(f);
    f->hide();
    f->deleteLater();
    if (!m_mainName.isEmpty() && sameName(f->objectName(), m_mainName) && m_onMainUnloaded)
        m_onMainUnloaded();
}

void Forms::unloadAll() {
    Form* main = m_mainName.isEmpty() ? nullptr : find(m_mainName);
    for (Form* f : loaded())
        if (f != main)
            unload(f);
    if (main)
        unload(main);
    m_active = nullptr;
}

void Forms::setEnabled(const QString& name, bool enabled) {
    if (Form* f = find(name))
        f->setEnabled(enabled);
}

void Forms::disableCaller(Form* dialog, const QString& caller) {
    Form* c = find(caller);
    if (!dialog || !c || c == dialog)
        return;
    if (dialog->m_disabledCaller && dialog->m_disabledCaller != c)
        releaseCaller(dialog);
    dialog->m_disabledCaller = c;
    c->setEnabled(false);
}

void Forms::releaseCaller(Form* dialog) {
    QPointer<Form> caller = dialog->m_disabledCaller;
    dialog->m_disabledCaller = nullptr;
    if (!caller || caller->m_unloading)
        return;
    for (const QPointer<Form>& f : m_loaded)
        if (f && f != dialog && !f->m_unloading && f->m_disabledCaller == caller)
            return;
    caller->setEnabled(true);
}

} // namespace rvl92
