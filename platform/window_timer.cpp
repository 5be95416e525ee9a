#include "platform/window_timer.h"

namespace platform {

WindowTimer::WindowTimer(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &WindowTimer::Timer);
}

void WindowTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    apply();
}

void WindowTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    apply();
}

void WindowTimer::apply() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

}  // namespace platform
