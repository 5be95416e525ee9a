#pragma once

#include "platform/random_source.h"

// Always draws the same r, so a random stride is known in advance.
class FixedRandom final : public platform::RandomSource {
  public:
    explicit FixedRandom(double r) : r_(r) {}
    double next() override { return r_; }

  private:
    double r_;
};
