#pragma once

#include <QDateTime>

#include <memory>

namespace platform {

// Time of day and date, replaceable so tests can fix "now".
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
  public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

const Clock& clock();
void installClock(std::unique_ptr<Clock> replacement);

}  // namespace platform
