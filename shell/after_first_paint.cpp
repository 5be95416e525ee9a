#include "shell/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace tawen {

namespace {

class FirstPaintWatch final : public QObject {
  public:
    FirstPaintWatch(QWidget& window, std::function<void()> step)
        : QObject(&window), step_(std::move(step)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, std::move(step_));
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
