#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// A window timer as the study windows use it: it ticks every Interval
// milliseconds while Enabled, and a period of 0 never ticks, so setting the
// period to 0 is a way to stop it. Periods above 65535 ms are kept as they are.
// Changing the period of a running timer starts the count again.
class WindowTimer final : public QObject {
    Q_OBJECT

  public:
    explicit WindowTimer(QObject* parent = nullptr);

    int Interval() const { return interval_; }
    void setInterval(int milliseconds);

    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Whether a tick will come: enabled with a period above 0.
    bool isTicking() const { return timer_.isActive(); }

  signals:
    void Timer();

  private:
    void apply();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

}  // namespace platform
