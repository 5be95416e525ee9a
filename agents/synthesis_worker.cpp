#include "agents/synthesis_worker.h"

#include <limits>

namespace tawen {

SynthesisWorker::SynthesisWorker(QObject* context, Synthesis synthesis, Delivery deliver)
    : context_(context),
      synthesis_(std::move(synthesis)),
      deliver_(std::move(deliver)),
      thread_([this] { run(); }) {}

SynthesisWorker::~SynthesisWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    cancelUpTo(std::numeric_limits<quint64>::max());
    wake_.notify_one();
    thread_.join();
}

void SynthesisWorker::queue(quint64 utterance, const QString& text) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back({utterance, text});
    }
    wake_.notify_one();
}

void SynthesisWorker::cancelUpTo(quint64 utterance) {
    quint64 current = cancelledUpTo_.load();
    while (current < utterance && !cancelledUpTo_.compare_exchange_weak(current, utterance)) {
    }
}

std::optional<SynthesisWorker::Job> SynthesisWorker::nextJob() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    if (stopping_) return std::nullopt;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    return job;
}

void SynthesisWorker::run() {
    while (std::optional<Job> job = nextJob()) {
        const quint64 utterance = job->utterance;
        const auto cancelled = [this, utterance] { return utterance <= cancelledUpTo_.load(); };
        std::optional<Pcm> pcm;
        if (!cancelled()) pcm = synthesis_(job->text, cancelled);
        QMetaObject::invokeMethod(
            context_, [deliver = deliver_, utterance, pcm] { deliver(utterance, pcm); },
            Qt::QueuedConnection);
    }
}

}  // namespace tawen
