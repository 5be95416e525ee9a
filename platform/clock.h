#pragma once

#include <QDateTime>

#include <chrono>
#include <memory>

namespace platform {

// Time of day and date, replaceable so tests can fix "now".
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    // A count of milliseconds that only ever grows: midnight, a changed time
    // zone or a clock set by hand do not move it. Measure durations with it.
    virtual qint64 steadyMilliseconds() const {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

class SystemClock final : public Clock {
  public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

const Clock& clock();
void installClock(std::unique_ptr<Clock> replacement);

}  // namespace platform
