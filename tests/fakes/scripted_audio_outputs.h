#pragma once

#include <QIODevice>
#include <QTimer>

#include <deque>

#include "platform/audio_outputs.h"

// Sound outputs whose sinks behave as a test says, one behaviour per sink in
// the order they are opened (the last one repeats): an output that plays,
// one that refuses to open, one that is lost in the middle of a word.
class ScriptedAudioOutputs final : public platform::AudioOutputs {
  public:
    enum class Sink { Plays, Refuses, DiesMidWord };

    explicit ScriptedAudioOutputs(std::deque<Sink> script) : script_(std::move(script)) {}

    int count() const override { return 1; }

    std::unique_ptr<platform::SoundSink> openSink(int) const override {
        ++opened;
        const Sink behaviour = script_.front();
        if (script_.size() > 1) script_.pop_front();
        switch (behaviour) {
            case Sink::Refuses:
                return std::make_unique<RefusingSink>();
            case Sink::DiesMidWord:
                return std::make_unique<DyingSink>();
            case Sink::Plays:
                break;
        }
        return std::make_unique<PlayingSink>();
    }

    mutable int opened = 0;

  private:
    // Says it cannot open before start returns, as Qt's sinks do.
    class RefusingSink final : public platform::SoundSink {
      public:
        void start(QIODevice*) override { emit failed(); }
    };

    // Takes part of the word, then loses its output.
    class DyingSink final : public platform::SoundSink {
      public:
        void start(QIODevice* source) override {
            source->read(source->size() / 2);
            QTimer::singleShot(20, this, [this] { emit failed(); });
        }
    };

    class PlayingSink final : public platform::SoundSink {
      public:
        void start(QIODevice* source) override {
            QTimer::singleShot(20, this, [this, source] {
                source->readAll();
                emit drained();
            });
        }
    };

    mutable std::deque<Sink> script_;
};
