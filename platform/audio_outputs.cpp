#include "platform/audio_outputs.h"

#include <QAudioSink>
#include <QDeadlineTimer>
#include <QMediaDevices>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>

#include <utility>

#include "platform/seam.h"

namespace platform {

namespace {

// A sink of Qt Multimedia on the default output, following the learner's
// choice of output at the moment it is opened.
class QtSoundSink final : public SoundSink {
  public:
    explicit QtSoundSink(const QAudioFormat& format)
        : sink_(QMediaDevices::defaultAudioOutput(), format) {
        connect(&sink_, &QAudioSink::stateChanged, this, &QtSoundSink::follow);
    }

    ~QtSoundSink() override {
        sink_.disconnect(this);
        sink_.stop();
    }

    void start(QIODevice* source) override {
        sink_.start(source);
        // Not every refusal passes through a change of state.
        if (sink_.error() != QAudio::NoError) fail();
    }

  private:
    void follow(QAudio::State state) {
        if (state == QAudio::IdleState) {
            emit drained();
        } else if (state == QAudio::StoppedState && sink_.error() != QAudio::NoError) {
            fail();
        }
    }

    void fail() {
        if (std::exchange(failed_, true)) return;
        emit failed();
    }

    // No parent: Qt gives a sink's inner device the sink's parent, and deleting
    // that parent would delete the device twice.
    QAudioSink sink_;
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

}  // namespace

std::unique_ptr<SoundSink> AudioOutputs::openSink(const QAudioFormat& format) const {
    return std::make_unique<QtSoundSink>(format);
}

int SystemAudioOutputs::count() const { return SoundServerQuery().countSinks(); }

int audioOutputCount() { return seamSlot<AudioOutputs, SystemAudioOutputs>()->count(); }

std::unique_ptr<SoundSink> openSoundSink(const QAudioFormat& format) {
    return seamSlot<AudioOutputs, SystemAudioOutputs>()->openSink(format);
}

void installAudioOutputs(std::unique_ptr<AudioOutputs> replacement) {
    seamSlot<AudioOutputs, SystemAudioOutputs>() = std::move(replacement);
}

}  // namespace platform
