#include "agents/espeak_synthesizer.h"

#include <dlfcn.h>
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

// The library's entry points, found when it is opened. It is opened on first
// use rather than linked: it brings the sound libraries of a whole desktop
// with it, and loading them at start would keep the login window waiting.
struct Library {
    decltype(&espeak_Initialize) initialize = nullptr;
    decltype(&espeak_SetSynthCallback) setSynthCallback = nullptr;
    decltype(&espeak_SetVoiceByName) setVoiceByName = nullptr;
    decltype(&espeak_Synth) synth = nullptr;
};

template <class Function>
bool find(void* handle, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

// Stays open for the life of the process, like the library's own state.
bool open(Library& library) {
    void* handle = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
    return handle != nullptr && find(handle, library.initialize, "espeak_Initialize") &&
           find(handle, library.setSynthCallback, "espeak_SetSynthCallback") &&
           find(handle, library.setVoiceByName, "espeak_SetVoiceByName") &&
           find(handle, library.synth, "espeak_Synth");
}

std::mutex libraryLock;
Library library;              // guarded by libraryLock
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
// end the whole program; a library that cannot be opened cannot start.
bool started() {
    if (!startAttempted) {
        startAttempted = true;
        const int rate = open(library) ? library.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                                            espeakINITIALIZE_DONT_EXIT)
                                       : 0;
        if (rate > 0) {
            sampleRate = rate;
            library.setSynthCallback(collect);
        }
    }
    return sampleRate > 0;
}

// Call with libraryLock held.
bool selectVoice(const QString& voice) {
    return started() && library.setVoiceByName(voice.toUtf8().constData()) == EE_OK;
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
    const espeak_ERROR result = library.synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                              POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    collecting = nullptr;
    if (result != EE_OK || collection.aborted) return std::nullopt;
    return Pcm{std::move(collection.samples), sampleRate};
}

}  // namespace tawen::espeak
