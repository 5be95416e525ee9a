// The sound module: Qt Multimedia's sinks for playing, and the sound server
// itself for counting the outputs. Built as libtawen_sound.so and loaded the
// first time the program plays or counts.

#include "platform/sound_module.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QMediaDevices>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>

#include <utility>

namespace platform::sound {

namespace {

QAudioFormat monoSamples(int sampleRate) {
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// A sink of Qt Multimedia on the default output, following the learner's
// choice of output at the moment it is opened.
class QtStream final : public Stream {
  public:
    QtStream(int sampleRate, StreamEvents events)
        : sink_(QMediaDevices::defaultAudioOutput(), monoSamples(sampleRate)),
          events_(std::move(events)) {
        QObject::connect(&sink_, &QAudioSink::stateChanged, &sink_,
                         [this](QAudio::State state) { follow(state); });
    }

    ~QtStream() override {
        sink_.disconnect();
        sink_.stop();
    }

    QtStream(const QtStream&) = delete;
    QtStream& operator=(const QtStream&) = delete;

    void start(QIODevice* source) override {
        sink_.start(source);
        // Not every refusal passes through a change of state.
        if (sink_.error() != QAudio::NoError) fail();
    }

  private:
    void follow(QAudio::State state) {
        if (state == QAudio::IdleState) {
            events_.drained();
        } else if (state == QAudio::StoppedState && sink_.error() != QAudio::NoError) {
            fail();
        }
    }

    void fail() {
        if (std::exchange(failed_, true)) return;
        events_.failed();
    }

    // No parent: Qt gives a sink's inner device the sink's parent, and deleting
    // that parent would delete the device twice.
    QAudioSink sink_;
    StreamEvents events_;
    bool failed_ = false;
};

// Asks the sound server itself, on a connection of its own: the list Qt keeps
// is only brought up to date by the event loop, and not at all once the
// server has gone away.
class SoundServerQuery {
  public:
    SoundServerQuery()
        : loop_(pa_mainloop_new()),
          context_(loop_ ? pa_context_new(pa_mainloop_get_api(loop_), "tawen") : nullptr) {}

    ~SoundServerQuery() {
        if (context_ != nullptr) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        if (loop_ != nullptr) pa_mainloop_free(loop_);
    }

    SoundServerQuery(const SoundServerQuery&) = delete;
    SoundServerQuery& operator=(const SoundServerQuery&) = delete;

    int countSinks() {
        if (!connect()) return 0;
        int sinks = 0;
        pa_operation* listing = pa_context_get_sink_info_list(
            context_,
            [](pa_context*, const pa_sink_info* info, int last, void* counter) {
                if (last == 0 && info != nullptr) ++*static_cast<int*>(counter);
            },
            &sinks);
        if (listing == nullptr) return 0;
        while (pa_operation_get_state(listing) == PA_OPERATION_RUNNING && turn()) {
        }
        const bool complete = pa_operation_get_state(listing) == PA_OPERATION_DONE;
        pa_operation_unref(listing);
        return complete ? sinks : 0;
    }

  private:
    bool connect() {
        if (context_ == nullptr ||
            pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            return false;
        }
        while (true) {
            const pa_context_state_t state = pa_context_get_state(context_);
            if (state == PA_CONTEXT_READY) return true;
            if (!PA_CONTEXT_IS_GOOD(state) || !turn()) return false;
        }
    }

    // One round of the loop, waiting a little at most; false once the server
    // has kept us waiting too long or the loop broke.
    bool turn() {
        if (deadline_.hasExpired()) return false;
        constexpr int kWaitMicroseconds = 50'000;
        return pa_mainloop_prepare(loop_, kWaitMicroseconds) >= 0 && pa_mainloop_poll(loop_) >= 0 &&
               pa_mainloop_dispatch(loop_) >= 0;
    }

    pa_mainloop* loop_;
    pa_context* context_;
    QDeadlineTimer deadline_{2000};
};

class SystemModule final : public Module {
  public:
    int countOutputs() const override { return SoundServerQuery().countSinks(); }

    std::unique_ptr<Stream> openStream(int sampleRate, StreamEvents events) const override {
        return std::make_unique<QtStream>(sampleRate, std::move(events));
    }
};

}  // namespace

}  // namespace platform::sound

extern "C" Q_DECL_EXPORT const platform::sound::Module* tawenSoundModule() {
    static const platform::sound::SystemModule module;
    return &module;
}
