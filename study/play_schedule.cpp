#include "study/play_schedule.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tawen {

namespace {

double boxNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

// Only what no timer can hold is cut.
int period(double milliseconds) {
    const double rounded = std::round(milliseconds);
    if (!(rounded > 0)) return 0;
    return int(std::min(rounded, double(std::numeric_limits<int>::max())));
}

}  // namespace

PlaySchedule::PlaySchedule(const QString& readings, const QString& seconds)
    : readings_(boxNumber(readings)), seconds_(boxNumber(seconds)) {}

int PlaySchedule::revealDelay() const { return period(seconds_ * 1000 / 2); }

int PlaySchedule::firstReading() const { return period(seconds_ * 1000 / 3); }

int PlaySchedule::betweenReadings() const { return period(seconds_ * 1000); }

int PlaySchedule::wordTime() const { return period(seconds_ * readings_ * 1000); }

}  // namespace tawen
