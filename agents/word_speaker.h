#pragma once

#include <QString>

namespace tawen {

// Reads the study windows' words aloud and tells the learner when one cannot
// be spoken. Readings the timers make report a failure once, not on every
// tick that follows (each box would stack on the last while the timers go
// on), until speech works again; a reading the learner asked for always
// reports. A box is never put up over another.
class WordSpeaker {
  public:
    enum class Reading { Timed, Asked };

    explicit WordSpeaker(int flags) : flags_(flags) {}

    void speak(const QString& text, Reading reading);

  private:
    int flags_;
    bool failureShown_ = false;  // since speech last worked
    bool reporting_ = false;
};

}  // namespace tawen
