#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <map>
#include <typeindex>
#include <vector>

namespace tawen {

class FormRegistry;
FormRegistry& forms();

// Windows come into being on first reference, which runs their load steps,
// and go away when unloaded, which runs their closing steps (closeEvent). A
// window whose closeEvent accepts calls release(this).
//
// A window is known to the registry before its load() runs, because loading
// may reach windows that refer back to it (the main window loads the library
// window, whose menus are the main window's).
class FormRegistry final : public QObject {
    Q_OBJECT
  public:
    template <class F>
    F& form() {
        if (F* loaded = existing<F>()) return *loaded;
        auto* created = new F();
        forms_[typeid(F)] = created;
        emit loading(created);
        if constexpr (requires { created->load(); }) created->load();
        return *created;
    }

    template <class F>
    F* existing() const {
        return static_cast<F*>(find(typeid(F)));
    }

    // Closes the window if it is loaded; its closing steps may keep it open.
    template <class F>
    void unload() {
        if (F* loaded = existing<F>()) loaded->close();
    }

    // Forgets a window whose closing steps have run and deletes it later.
    void release(QWidget* form);

    // Whether the window is loaded: made and not released since. A window
    // whose load steps fail releases itself, and its opener asks this.
    bool isLoaded(const QWidget& form) const;

    // Deletes every window at once, without closing steps (ending the run).
    void discardAll();

    // Names the main window, which the other windows return to, and the
    // windows its closing unloads, in that order. Set once at start-up, so
    // that neither this registry nor the main window needs to know them all.
    template <class Main, class... UnloadedFirst>
    void setMainWindow() {
        loadMainWindow_ = []() -> QWidget& { return forms().form<Main>(); };
        mainWindow_ = typeid(Main);
        unloadOrder_ = {typeid(UnloadedFirst)...};
    }

    // The main window, loaded on first reference.
    QWidget& mainWindow();

    // Shows the main window again as a window closes, unless the run is
    // closing or the main window is not loaded.
    void returnToMainWindow();

    // The main window's closing: unloads the other windows in their order,
    // each running its own closing steps, none bringing the main window back.
    void unloadForMainWindow();
    bool closing() const { return closing_; }

  signals:
    // A window has been made and is about to run its load steps.
    void loading(QWidget* form);

  private:
    QWidget* find(std::type_index type) const;

    std::map<std::type_index, QPointer<QWidget>> forms_;
    QWidget& (*loadMainWindow_)() = nullptr;
    std::type_index mainWindow_ = typeid(void);
    std::vector<std::type_index> unloadOrder_;
    bool closing_ = false;
};

}  // namespace tawen
