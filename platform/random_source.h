#pragma once

#include <memory>
#include <random>

namespace platform {

// Draws r in [0, 1). One generator for the whole run, seeded from the clock
// once: reseeding before every draw would repeat a value within one tick.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

class SystemRandom final : public RandomSource {
  public:
    SystemRandom();
    double next() override;

  private:
    std::mt19937_64 generator_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
};

RandomSource& random();
void installRandom(std::unique_ptr<RandomSource> replacement);

}  // namespace platform
