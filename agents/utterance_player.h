#pragma once

#include <QBuffer>
#include <QObject>
#include <QtMultimedia/QAudio>

#include <deque>
#include <optional>

#include "agents/espeak_synthesizer.h"

class QAudioSink;

namespace tawen {

// Plays utterances one after another on the default sound output and tells
// when each has ended. Lives on the thread that runs the event loop.
class UtterancePlayer : public QObject {
    Q_OBJECT

  public:
    explicit UtterancePlayer(QObject* parent = nullptr);
    ~UtterancePlayer() override;

    void enqueue(quint64 utterance, const espeak::Pcm& pcm);

    // Cuts off the utterance playing and drops those waiting; each of them
    // still reports its end, so no one waits for it forever.
    void interrupt();

  signals:
    void finished(quint64 utterance);

  private:
    struct Item {
        quint64 utterance;
        espeak::Pcm pcm;
    };

    void playNext();
    void onStateChanged(QAudio::State state);
    void finishCurrent();
    void releaseSink();

    std::deque<Item> waiting_;
    std::optional<quint64> playing_;
    QBuffer buffer_;
    QAudioSink* sink_ = nullptr;
};

}  // namespace tawen
