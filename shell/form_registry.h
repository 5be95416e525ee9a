#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <typeindex>

namespace tawen {

// Windows come into being on first reference, which runs their load steps,
// and go away when unloaded, which runs their closing steps (closeEvent). A
// window whose closeEvent accepts calls release(this).
//
// A window is known to the registry before its load() runs, because loading
// may reach windows that refer back to it (the main window loads the library
// window, whose menus are the main window's).
class FormRegistry {
  public:
    template <class F>
    F& form() {
        if (F* loaded = existing<F>()) return *loaded;
        auto* created = new F();
        forms_[typeid(F)] = created;
        if constexpr (requires { created->load(); }) created->load();
        return *created;
    }

    template <class F>
    F* existing() const {
        const auto found = forms_.find(typeid(F));
        return found == forms_.end() ? nullptr : static_cast<F*>(found->second.data());
    }

    // Closes the window if it is loaded; its closing steps may keep it open.
    template <class F>
    void unload() {
        if (F* loaded = existing<F>()) loaded->close();
    }

    // Forgets a window whose closing steps have run and deletes it later.
    void release(QWidget* form);

    // Deletes every window at once, without closing steps (ending the run).
    void discardAll();

  private:
    std::map<std::type_index, QPointer<QWidget>> forms_;
};

FormRegistry& forms();

}  // namespace tawen
