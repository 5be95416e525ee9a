#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;

namespace tawen {

// The windows a learner can switch between from the toolbar and study menu.
enum class Mode { Library, FirstLearn, Review, Consolidation, Small, Agent };

// The toolbar of eight buttons and the study menu, the same on the main
// window, the library window and the study windows. The host's own mode, if
// any, is inert: its button does nothing and its menu item is disabled.
class Navigation final : public QObject {
    Q_OBJECT
  public:
    Navigation(QMainWindow& host, std::optional<Mode> own);

    QToolBar* Toolbar1;
    QMenu* mnustudy;
    QAction* mnuwordstock;
    QAction* mnufirst;
    QAction* mnureview;
    QAction* mnustrong;
    QAction* mnusmall;
    QAction* mnueidolon;
    QAction* mnulgame;

    // The toolbar button with key "t1" to "t8".
    QAction* button(const QString& key) const;

  signals:
    void modeChosen(Mode target);

  private:
    void addButton(const QString& key, const QString& caption, std::optional<Mode> target);
    QAction* addStudyItem(const char* name, const QString& caption, Mode target);

    std::optional<Mode> own_;
};

// The main window's user, tool and help menus, which every mode window
// shows in its own menu bar.
struct MainMenus {
    QMenu* user;
    QMenu* tool;
    QMenu* help;
};

// How to reach a window (loading it on first reference).
using WindowReference = QWidget& (*)();

// Registered once at start-up (registerWindows), so that the navigation
// needs none of the windows it leads to.
void registerMainMenus(MainMenus (*menus)());
void registerModeWindow(Mode mode, WindowReference reference);

// Adds the reduced menu bar of a mode window: the main window's user, tool and
// help menus around the window's own study menu, and the hidden settings menu.
// toolMenu replaces the main window's tool menu when given.
void installModeMenus(QMainWindow& host, Navigation& navigation, QMenu* toolMenu = nullptr);

// How to reach the window of a mode; null for the modes that have no window yet.
WindowReference modeWindow(Mode mode);

// Loads the window of the mode and shows it; the agent window puts its
// characters on the desktop itself and is only loaded. False when the window
// could not load (it has told the learner why) or the mode has none.
bool openModeWindow(Mode mode);

// Switching from the main window hides it; a study window unloads itself.
// (The library window saves its choice and only hides, so the word table
// survives: it does that itself.) The agent window is loaded first, and when
// its characters cannot come, the window switched from stays as it was.
void switchFromMainWindow(Mode target);
void switchFromStudyWindow(QWidget& self, Mode target);

}  // namespace tawen
