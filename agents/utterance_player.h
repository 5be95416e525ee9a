#pragma once

#include <QBuffer>
#include <QObject>

#include <deque>
#include <memory>
#include <optional>

#include "agents/pcm.h"
#include "platform/audio_outputs.h"

namespace tawen {

// Where every player tells how each reading went at the sound output, so the
// windows that read words aloud can tell the learner of a sound fault once
// instead of on every reading.
class PlaybackReports : public QObject {
    Q_OBJECT

  signals:
    void played(quint64 utterance);  // heard to its end
    void failed(quint64 utterance);  // the output would not start or was lost
};

PlaybackReports& playbackReports();

// Plays utterances one after another on the default sound output and tells
// when each has ended. A sound fault ends the utterance it meets like any
// other end, and the next one gets a fresh try. Lives on the thread that runs
// the event loop.
class UtterancePlayer : public QObject {
    Q_OBJECT

  public:
    explicit UtterancePlayer(QObject* parent = nullptr);
    ~UtterancePlayer() override;

    void enqueue(quint64 utterance, const Pcm& pcm);

    // Cuts off the utterance playing and drops those waiting; each of them
    // still reports its end, so no one waits for it forever.
    void interrupt();

  signals:
    void finished(quint64 utterance);

  private:
    struct Item {
        quint64 utterance;
        Pcm pcm;
    };

    void playNext();
    void startSink(const Pcm& pcm);
    void onDrained();
    void onFailed();
    void finishCurrent();
    void releaseSink();

    std::deque<Item> waiting_;
    std::optional<quint64> playing_;
    QBuffer buffer_;
    std::unique_ptr<platform::SoundSink> sink_;
    bool starting_ = false;  // inside playNext: an end met there is not followed up there
};

}  // namespace tawen
