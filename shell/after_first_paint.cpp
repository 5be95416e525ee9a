#include "shell/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace tawen {

namespace {

// Long enough for the X server and the window manager to put the first frame
// on the screen without sharing the processor with the deferred work; short
// beside anything a learner does next.
constexpr int kSettleMilliseconds = 250;

class FirstPaintWatch final : public QObject {
  public:
    FirstPaintWatch(QWidget& window, std::function<void()> step)
        : QObject(&window), step_(std::move(step)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(kSettleMilliseconds, std::move(step_));
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> step_;
};

}  // namespace

void afterFirstPaint(QWidget& window, std::function<void()> step) {
    window.installEventFilter(new FirstPaintWatch(window, std::move(step)));
}

}  // namespace tawen
