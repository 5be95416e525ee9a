#include "agents/word_speaker.h"

#include "agents/speech_engine.h"
#include "agents/utterance_player.h"
#include "platform/prompt.h"

namespace tawen {

WordSpeaker::WordSpeaker(int flags) : flags_(flags) {
    connect(&playbackReports(), &PlaybackReports::played, this, &WordSpeaker::onPlayed);
    // Queued: the box waits until the player has finished with the fault, and
    // the player's next word does not wait for the learner's OK.
    connect(&playbackReports(), &PlaybackReports::failed, this, &WordSpeaker::onSoundFault,
            Qt::QueuedConnection);
}

void WordSpeaker::speak(const QString& text, Reading reading) {
    lastReading_ = reading;
    if (const std::optional<quint64> utterance = speech().Speak(text, flags_)) {
        mine_.insert(*utterance);
        // Accepted is not yet heard: while the output keeps failing, the box
        // already shown stands for the words that follow.
        if (!soundFault_) failureShown_ = false;
        return;
    }
    report(reading);
}

void WordSpeaker::onPlayed(quint64 utterance) {
    if (!isMine(utterance)) return;
    soundFault_ = false;
    failureShown_ = false;
}

void WordSpeaker::onSoundFault(quint64 utterance) {
    if (!isMine(utterance)) return;
    soundFault_ = true;
    report(lastReading_);
}

// Utterances end in the order they were asked for, so an end also settles
// every earlier one of ours (those cut off end without a report).
bool WordSpeaker::isMine(quint64 utterance) {
    const bool mine = mine_.contains(utterance);
    mine_.erase(mine_.begin(), mine_.upper_bound(utterance));
    return mine;
}

void WordSpeaker::report(Reading reading) {
    if (reporting_ || (failureShown_ && reading == Reading::Timed)) return;
    failureShown_ = true;
    reporting_ = true;
    platform::prompt().message(QStringLiteral("本程序只能阅读英文文档"),
                               QStringLiteral("错误提示"));
    reporting_ = false;
}

}  // namespace tawen
