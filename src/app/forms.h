#pragma once

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

namespace rvl92 {

class Form;

// The program's set of named forms (one per application). Names are compared
// without regard to case. Showing a form that is not loaded loads it first;
// unloading destroys it, so the next show starts from a fresh object.
class Forms {
public:
    using Factory = std::function<Form*()>;

    static Forms& instance();

    void registerForm(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;

    // The form of that name, loading it when needed (its Load runs then). Null
    // for a name that no form carries.
    Form* load(const QString& name);
    // Load if needed, make visible and activate. Null for an unknown name.
    Form* show(const QString& name);
    Form* show(Form* form);
    void unload(const QString& name);
    void unload(Form* form);
    // Unloads every loaded form, the main form last.
    void unloadAll();

    Form* find(const QString& name) const;
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    QList<Form*> loaded() const;
    Form* active() const { return m_active; }

    // The first loaded form of that name is enabled or disabled.
    void setEnabled(const QString& name, bool enabled);

    // A dialog that behaves as modal: the first loaded form named `caller`
    // (not the dialog itself) is disabled while `dialog` is loaded. When the
    // dialog is unloaded, by whatever path, the caller is enabled again unless
    // another loaded dialog still holds it.
    void disableCaller(Form* dialog, const QString& caller);

    // The form whose unload ends the program, and what to do then.
    void setMainForm(const QString& name) { m_mainName = name; }
    void setOnMainUnloaded(std::function<void()> f) { m_onMainUnloaded = std::move(f); }

    // Called by a form when the window system makes it the active window.
    void activated(Form* form);

private:
    Forms() = default;
    void releaseCaller(Form* dialog);
    std::map<QString, Factory> m_factories; // by upper-cased name
    QList<QPointer<Form>> m_loaded;         // in load order
    QPointer<Form> m_active;
    QString m_mainName;
    std::function<void()> m_onMainUnloaded;
};

inline Forms& forms() {
    return Forms::instance();
}

} // namespace rvl92
