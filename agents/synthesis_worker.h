#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "agents/pcm.h"

namespace tawen {

// Turns texts into samples one after another on a thread of its own, so the
// window that asked never waits for the synthesiser (nor for it to load: that
// happens on this thread with the first text). Each result is handed to
// `deliver` on the thread of `context`, in the order the texts were queued;
// the owner must outlive the worker, as the context of the deliveries.
class SynthesisWorker {
  public:
    using Delivery = std::function<void(quint64 utterance, std::optional<Pcm> pcm)>;
    // Runs on the worker's thread; stops early, with nothing, once `cancelled` is true.
    using Synthesis = std::function<std::optional<Pcm>(const QString& text,
                                                       const std::function<bool()>& cancelled)>;

    SynthesisWorker(QObject* context, Synthesis synthesis, Delivery deliver);
    ~SynthesisWorker();
    SynthesisWorker(const SynthesisWorker&) = delete;
    SynthesisWorker& operator=(const SynthesisWorker&) = delete;

    void queue(quint64 utterance, const QString& text);

    // Utterances numbered up to this one are not spoken, not even the one in
    // hand: they come back without samples.
    void cancelUpTo(quint64 utterance);

  private:
    struct Job {
        quint64 utterance;
        QString text;
    };

    void run();
    std::optional<Job> nextJob();

    QObject* context_;
    Synthesis synthesis_;
    Delivery deliver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;   // guarded by mutex_
    bool stopping_ = false;  // guarded by mutex_
    std::atomic<quint64> cancelledUpTo_{0};
    std::thread thread_;  // last, so it starts once everything it uses exists
};

}  // namespace tawen
