#pragma once

// The small window's beat: each word is read once a beat for its number of
// beats, then the next word comes.
namespace tawen {

struct SmallBeat {
    int seconds;  // per beat

    int interval() const { return seconds * 1000; }
    // The second text comes out 0.68 of a beat after the first.
    int revealDelay() const { return seconds * 680; }
};

// The beats the word on show has had.
class BeatCounter {
  public:
    // Counts a beat; true when it brings the next word instead.
    bool beat(int beatsPerWord) {
        const bool nextWord = beats_ >= beatsPerWord;
        if (nextWord) beats_ = 0;
        ++beats_;
        return nextWord;
    }

  private:
    int beats_ = 0;
};

}  // namespace tawen
