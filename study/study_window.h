#pragma once

#include <QList>
#include <QMainWindow>

#include <initializer_list>

#include "shell/navigation.h"
#include "shell/settings_section.h"
#include "study/word_cursor.h"

class QLabel;
class QMenu;

namespace platform {
class WindowTimer;
}

namespace tawen {

// What every study window repeats: the toolbar and study menu that switch to
// another mode, the status bar's three panels (course, range, progress), the
// range read from the library window, its own settings section, and the steps
// of closing. A window built on it holds its controls and handlers.
class StudyWindow : public QMainWindow {
    Q_OBJECT
  public:
    Navigation* navigation;
    QLabel* StatusPanel1;  // course
    QLabel* StatusPanel2;  // range
    QLabel* StatusPanel3;  // progress

    WordRow currentRow() const { return cursor_.row(); }
    // The range as the window holds it, smaller bound first, as decimal text.
    QString rangeStart() const;
    QString rangeEnd() const;

  protected:
    // own: the mode of this window, inert in its navigation; section: the
    // name of its settings section, whose keys the window binds; toolMenu:
    // the window's own tool menu in place of the main window's, if it has one.
    StudyWindow(Mode own, const QString& section, QMenu* toolMenu = nullptr);

    // A load step: the course and the range as the library window's boxes
    // give them, in the first two panels; the cursor before the first row of
    // that range; hint in the progress panel until the first word.
    void readRange(const QString& hint);
    // The progress panel names the current row: "第" + row + "词".
    void showProgress();
    // These timers stop first when the window closes, so none fires while
    // its settings are written.
    void stopOnClose(std::initializer_list<platform::WindowTimer*> timers);

    WordCursor& cursor() { return cursor_; }
    const WordCursor& cursor() const { return cursor_; }
    SettingsSection& settings() { return settings_; }

    // What a window leaves behind as it closes, before its section is saved
    // and with its timers already stopped: a test window's score record.
    virtual void finishing() {}

    // Closing: stop the timers, finish, save the section, bring back the main
    // window and go.
    void closeEvent(QCloseEvent* event) override;

  private:
    WordCursor cursor_;
    SettingsSection settings_;
    QList<platform::WindowTimer*> timers_;
};

}  // namespace tawen
