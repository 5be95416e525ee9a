#pragma once

#include "platform/clock.h"

// A clock the test moves by hand: the time of day and the steady count go on
// together, as they do on a real machine.
class ManualClock final : public platform::Clock {
  public:
    explicit ManualClock(QDateTime now) : now_(std::move(now)) {}

    QDateTime now() const override { return now_; }
    qint64 steadyMilliseconds() const override { return steady_; }

    void advance(qint64 milliseconds) {
        now_ = now_.addMSecs(milliseconds);
        steady_ += milliseconds;
    }

  private:
    QDateTime now_;
    qint64 steady_ = 1'000'000;
};

// Installs a ManualClock for the life of a test and hands it out.
inline ManualClock& installManualClock(QDateTime now) {
    auto fake = std::make_unique<ManualClock>(std::move(now));
    ManualClock& handle = *fake;
    platform::installClock(std::move(fake));
    return handle;
}
