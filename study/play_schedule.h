#pragma once

#include <QString>

namespace tawen {

// When the parts of a first-learn word come, from the texts of the two boxes:
// readings per word and seconds per reading. A box is read as a number; text
// that is not one counts as 0. Periods are whole milliseconds, rounded to the
// nearest; 0 (also for a negative product) is a timer that never fires, and
// periods past 65535 ms are kept.
class PlaySchedule {
  public:
    PlaySchedule(const QString& readings, const QString& seconds);

    // The part held back comes half a reading after the word.
    int revealDelay() const;
    // The first reading comes a third of a reading after the word ...
    int firstReading() const;
    // ... and each further one a whole reading later.
    int betweenReadings() const;
    // The reading count-th (from 1) is made; past the last one, the readings stop.
    bool reads(int count) const { return count <= readings_; }
    // A word stays for all its readings.
    int wordTime() const;

    // The first word after play comes a second later.
    static constexpr int kFirstWordDelay = 1000;

  private:
    double readings_;
    double seconds_;
};

}  // namespace tawen
