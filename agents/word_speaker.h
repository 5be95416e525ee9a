#pragma once

#include <QObject>
#include <QString>

#include <set>

namespace tawen {

// Reads the study windows' words aloud and tells the learner when one cannot
// be spoken: refused by the engine, or lost at a sound output that would not
// start or failed while playing. Readings the timers make report a failure
// once, not on every tick that follows (each box would stack on the last while
// the timers go on), until a word is heard again; a reading the learner asked
// for always reports. A box is never put up over another.
class WordSpeaker : public QObject {
    Q_OBJECT

  public:
    enum class Reading { Timed, Asked };

    explicit WordSpeaker(int flags);

    void speak(const QString& text, Reading reading);

  private:
    void onPlayed(quint64 utterance);
    void onSoundFault(quint64 utterance);
    bool isMine(quint64 utterance);
    void report(Reading reading);

    int flags_;
    std::set<quint64> mine_;  // utterances asked for here, not yet heard or lost
    Reading lastReading_ = Reading::Timed;
    bool soundFault_ = false;    // the last word of ours met a sound fault
    bool failureShown_ = false;  // since a word was last spoken
    bool reporting_ = false;
};

}  // namespace tawen
