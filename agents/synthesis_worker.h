#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "agents/espeak_synthesizer.h"

namespace tawen {

// Turns texts into samples one after another on a thread of its own, so the
// window that asked never waits for the synthesiser. Each result is handed to
// `deliver` on the thread of `context`, in the order the texts were queued;
// the owner must outlive the worker, as the context of the deliveries.
class SynthesisWorker {
  public:
    using Delivery = std::function<void(quint64 utterance, std::optional<espeak::Pcm> pcm)>;

    SynthesisWorker(QObject* context, Delivery deliver);
    ~SynthesisWorker();
    SynthesisWorker(const SynthesisWorker&) = delete;
    SynthesisWorker& operator=(const SynthesisWorker&) = delete;

    void queue(quint64 utterance, const QString& text, const QString& voice);

    // Starts the library and loads the voices on the worker's thread, ahead
    // of any text: neither the window that asks nor the first word waits.
    void preload(const QStringList& voices);

    // Utterances numbered up to this one are not spoken, not even the one in
    // hand: they come back without samples.
    void cancelUpTo(quint64 utterance);

  private:
    // A job without an utterance only loads its voice.
    struct Job {
        std::optional<quint64> utterance;
        QString text;
        QString voice;
    };

    void run();
    std::optional<Job> nextJob();

    QObject* context_;
    Delivery deliver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;   // guarded by mutex_
    bool stopping_ = false;  // guarded by mutex_
    std::atomic<quint64> cancelledUpTo_{0};
    std::thread thread_;  // last, so it starts once everything it uses exists
};

}  // namespace tawen
