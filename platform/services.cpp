#include <chrono>

#include "platform/clock.h"
#include "platform/random_source.h"
#include "platform/seam.h"

namespace platform {

const Clock& clock() { return *seamSlot<Clock, SystemClock>(); }

void installClock(std::unique_ptr<Clock> replacement) {
    seamSlot<Clock, SystemClock>() = std::move(replacement);
}

SystemRandom::SystemRandom()
    : generator_(
          static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
}

double SystemRandom::next() { return unit_(generator_); }

RandomSource& random() { return *seamSlot<RandomSource, SystemRandom>(); }

void installRandom(std::unique_ptr<RandomSource> replacement) {
    seamSlot<RandomSource, SystemRandom>() = std::move(replacement);
}

}  // namespace platform
