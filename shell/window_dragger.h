#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace tawen {

// Lets the learner move a window by pressing on a surface of it (its
// background, or the whole face of a borderless window) and dragging.
class WindowDragger final : public QObject {
    Q_OBJECT
  public:
    // Watches surface; moves surface's top-level window.
    explicit WindowDragger(QWidget& surface);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& surface_;
    bool dragging_ = false;
    QPoint grabbedAt_;  // pointer position within the window when the drag began
};

}  // namespace tawen
