#pragma once

#include <QList>

#include "platform/random_source.h"

// Draws the given r values in order, then the last one for ever; counts the
// draws, so a test sees how many a rule took.
class ScriptedRandom final : public platform::RandomSource {
  public:
    explicit ScriptedRandom(QList<double> values) : values_(std::move(values)) {}

    double next() override {
        ++draws;
        return values_.size() > 1 ? values_.takeFirst() : values_.first();
    }

    int draws = 0;

  private:
    QList<double> values_;
};
