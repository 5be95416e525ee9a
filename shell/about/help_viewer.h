#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace tawen {

// The program's help: the pages that ship in help/ under the program's
// folder, shown in a window of its own that stays open beside the others.
class HelpViewer final : public QMainWindow {
    Q_OBJECT
  public:
    HelpViewer();

    QTextBrowser* Browser;

  protected:
    void closeEvent(QCloseEvent* event) override;
};

// The first page of the help.
QString helpIndexPath();

enum class HelpFocus { Take, Leave };

// Opens the help (or brings it forward), taking the focus from the current
// window or leaving it there. A missing help file is reported instead.
void showHelp(HelpFocus focus);

}  // namespace tawen
