#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

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

// Adds the reduced menu bar of a mode window: the main window's user, tool and
// help menus around the window's own study menu, and the hidden settings menu.
// toolMenu replaces the main window's tool menu when given.
void installModeMenus(QMainWindow& host, Navigation& navigation, QMenu* toolMenu = nullptr);

// How to reach the window of a mode (loading it on first reference); null for
// the modes that have no window yet.
using WindowReference = QWidget& (*)();
WindowReference modeWindow(Mode mode);

// Switching, as each kind of window does it. The library window saves its
// choice and only hides, so the word table survives; a study window unloads.
void switchFromMainWindow(Mode target);
void switchFromLibraryWindow(Mode target);
void switchFromStudyWindow(QWidget& self, Mode target);

}  // namespace tawen
