#include "agents/espeak_synthesizer.h"

#include <espeak-ng/speak_lib.h>

#include <mutex>

namespace tawen::espeak {

namespace {

// What one synthesis collects; the callback finds it here because the lock is
// held for the whole call.
struct Collection {
    QByteArray samples;
    const std::function<bool()>* cancelled = nullptr;
    bool aborted = false;
};

std::mutex libraryLock;
bool startAttempted = false;  // guarded by libraryLock
int sampleRate = 0;           // guarded by libraryLock; 0 = the library could not start
Collection* collecting = nullptr;

int collect(short* wav, int count, espeak_EVENT*) {
    if (wav != nullptr && count > 0) {
        collecting->samples.append(reinterpret_cast<const char*>(wav),
                                   qsizetype(count) * qsizetype(sizeof(short)));
    }
    collecting->aborted = (*collecting->cancelled)();
    return collecting->aborted ? 1 : 0;
}

// Call with libraryLock held. Without DONT_EXIT a missing data folder would
// end the whole program.
bool started() {
    if (!startAttempted) {
        startAttempted = true;
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate > 0) {
            sampleRate = rate;
            espeak_SetSynthCallback(collect);
        }
    }
    return sampleRate > 0;
}

// Call with libraryLock held.
bool selectVoice(const QString& voice) {
    return started() && espeak_SetVoiceByName(voice.toUtf8().constData()) == EE_OK;
}

}  // namespace

bool hasVoice(const QString& voice) {
    std::lock_guard lock(libraryLock);
    return selectVoice(voice);
}

std::optional<Pcm> synthesise(const QString& text, const QString& voice,
                              const std::function<bool()>& cancelled) {
    std::lock_guard lock(libraryLock);
    if (!selectVoice(voice)) return std::nullopt;

    Collection collection;
    collection.cancelled = &cancelled;
    collecting = &collection;
    const QByteArray utf8 = text.toUtf8();
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    collecting = nullptr;
    if (result != EE_OK || collection.aborted) return std::nullopt;
    return Pcm{std::move(collection.samples), sampleRate};
}

}  // namespace tawen::espeak
