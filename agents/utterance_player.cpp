#include "agents/utterance_player.h"

#include <utility>

namespace tawen {

PlaybackReports& playbackReports() {
    static PlaybackReports reports;
    return reports;
}

UtterancePlayer::UtterancePlayer(QObject* parent) : QObject(parent) {}

UtterancePlayer::~UtterancePlayer() = default;

void UtterancePlayer::enqueue(quint64 utterance, const Pcm& pcm) {
    waiting_.push_back({utterance, pcm});
    if (!playing_) playNext();
}

void UtterancePlayer::interrupt() {
    if (playing_) finishCurrent();
    while (!waiting_.empty()) {
        const quint64 utterance = waiting_.front().utterance;
        waiting_.pop_front();
        emit finished(utterance);
    }
}

void UtterancePlayer::playNext() {
    starting_ = true;
    while (!playing_ && !waiting_.empty()) {
        Item item = std::move(waiting_.front());
        waiting_.pop_front();
        playing_ = item.utterance;
        if (item.pcm.samples.isEmpty()) {
            finishCurrent();
        } else {
            // A sink that will not start ends the utterance before start
            // returns; the loop then goes on to the next one.
            startSink(item.pcm);
        }
    }
    starting_ = false;
}

void UtterancePlayer::startSink(const Pcm& pcm) {
    // A new sink for every utterance follows the learner's current default output.
    sink_ = platform::openSoundSink(pcm.sampleRate);
    connect(sink_.get(), &platform::SoundSink::drained, this, &UtterancePlayer::onDrained);
    connect(sink_.get(), &platform::SoundSink::failed, this, &UtterancePlayer::onFailed);
    buffer_.setData(pcm.samples);
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
}

void UtterancePlayer::onDrained() {
    if (!playing_) return;
    emit playbackReports().played(*playing_);
    finishCurrent();
    if (!starting_) playNext();
}

void UtterancePlayer::onFailed() {
    if (!playing_) return;
    emit playbackReports().failed(*playing_);
    finishCurrent();
    if (!starting_) playNext();
}

void UtterancePlayer::finishCurrent() {
    releaseSink();
    emit finished(*std::exchange(playing_, std::nullopt));
}

void UtterancePlayer::releaseSink() {
    if (sink_ == nullptr) return;
    // The sink may be the sender of the signal being handled: stop listening
    // and delete it once control has left it.
    sink_->disconnect(this);
    sink_.release()->deleteLater();
    buffer_.close();
}

}  // namespace tawen
