#include "agents/utterance_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace tawen {

UtterancePlayer::UtterancePlayer(QObject* parent) : QObject(parent) {}

UtterancePlayer::~UtterancePlayer() { delete sink_; }

void UtterancePlayer::enqueue(quint64 utterance, const espeak::Pcm& pcm) {
    waiting_.push_back({utterance, pcm});
    if (!playing_) playNext();
}

void UtterancePlayer::interrupt() {
    if (playing_) {
        releaseSink();
        emit finished(*std::exchange(playing_, std::nullopt));
    }
    while (!waiting_.empty()) {
        const quint64 utterance = waiting_.front().utterance;
        waiting_.pop_front();
        emit finished(utterance);
    }
}

void UtterancePlayer::playNext() {
    while (!playing_ && !waiting_.empty()) {
        Item item = std::move(waiting_.front());
        waiting_.pop_front();
        playing_ = item.utterance;
        if (item.pcm.samples.isEmpty()) {
            finishCurrent();
            continue;
        }

        QAudioFormat format;
        format.setSampleRate(item.pcm.sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        // A new sink for every utterance follows the learner's current default
        // output. It has no parent: Qt gives a sink's inner device the same
        // parent, and deleting the parent would then delete that device twice.
        sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format);
        connect(sink_, &QAudioSink::stateChanged, this, &UtterancePlayer::onStateChanged);
        buffer_.setData(item.pcm.samples);
        buffer_.open(QIODevice::ReadOnly);
        sink_->start(&buffer_);
        if (sink_->error() != QAudio::NoError) finishCurrent();
    }
}

void UtterancePlayer::onStateChanged(QAudio::State state) {
    // Idle: the samples have all gone to the output. Stopped with an error: the
    // output failed or vanished; the utterance ends either way.
    const bool ended = state == QAudio::IdleState ||
                       (state == QAudio::StoppedState && sink_->error() != QAudio::NoError);
    if (ended && playing_) {
        finishCurrent();
        playNext();
    }
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
    sink_->stop();
    sink_->deleteLater();
    sink_ = nullptr;
    buffer_.close();
}

}  // namespace tawen
