#include "agents/flite_synthesizer.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

extern "C" {
#include <flite/flite.h>
}

namespace tawen::flite {

namespace {

// The entry points of the library itself, found through the first voice
// opened (each voice's library brings flite with it).
struct Library {
    decltype(&flite_init) init = nullptr;
    decltype(&flite_text_to_wave) textToWave = nullptr;
    decltype(&flite_feat_set_float) setFloat = nullptr;
    decltype(&get_param_float) getFloat = nullptr;
    decltype(&feat_remove) remove = nullptr;
    decltype(&delete_wave) deleteWave = nullptr;
};

template <class Function>
bool find(void* handle, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

std::mutex libraryLock;
Library library;       // guarded by libraryLock
bool started = false;  // guarded by libraryLock

// A voice opened, with the pitch it speaks at by itself.
struct Registered {
    cst_voice* voice = nullptr;  // null: missing
    float ownPitch = 0;          // 0: the voice's model sets it
};

constexpr const char* kPitch = "int_f0_target_mean";
std::map<QString, Registered> registeredVoices;  // guarded by libraryLock

// The voice's library and its entry point, opened once; dlopen may be called
// from any thread, so this needs no lock and never waits for a synthesis.
using RegisterVoice = cst_voice* (*)(const char*);

struct VoiceLibrary {
    void* handle = nullptr;
    RegisterVoice registerVoice = nullptr;
};

VoiceLibrary openVoice(const QString& name) {
    VoiceLibrary library;
    const QByteArray file = "libflite_cmu_us_" + name.toLatin1() + ".so.1";
    library.handle = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
    const QByteArray entry = "register_cmu_us_" + name.toLatin1();
    if (library.handle != nullptr) find(library.handle, library.registerVoice, entry.constData());
    return library;
}

// Call with libraryLock held. Opened voices stay open for the life of the
// process, like the library's own state.
Registered voiceNamed(const QString& name) {
    const auto known = registeredVoices.find(name);
    if (known != registeredVoices.end()) return known->second;
    Registered voice;
    const VoiceLibrary opened = openVoice(name);
    if (opened.registerVoice != nullptr) {
        void* handle = opened.handle;
        if (!started) {
            started = find(handle, library.init, "flite_init") &&
                      find(handle, library.textToWave, "flite_text_to_wave") &&
                      find(handle, library.setFloat, "flite_feat_set_float") &&
                      find(handle, library.getFloat, "get_param_float") &&
                      find(handle, library.remove, "feat_remove") &&
                      find(handle, library.deleteWave, "delete_wave") && library.init() == 0;
        }
        if (started) voice.voice = opened.registerVoice(nullptr);
        if (voice.voice != nullptr)
            voice.ownPitch = library.getFloat(voice.voice->features, kPitch, 0);
    }
    registeredVoices[name] = voice;
    return voice;
}

}  // namespace

bool hasVoice(const QString& name) { return openVoice(name).registerVoice != nullptr; }

bool canRead(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0x7E || (c.unicode() < 0x20 && !c.isSpace())) return false;
    }
    return true;
}

std::optional<Pcm> synthesise(const QString& text, const Voice& voice) {
    std::lock_guard lock(libraryLock);
    const Registered registered = voiceNamed(voice.name);
    cst_voice* engine = registered.voice;
    if (engine == nullptr) return std::nullopt;
    // The voice is shared by every named voice built on it: each synthesis
    // sets the pitch it wants.
    const float pitch = voice.pitchHz > 0 ? voice.pitchHz : registered.ownPitch;
    if (pitch > 0) {
        library.setFloat(engine->features, kPitch, pitch);
    } else {
        library.remove(engine->features, kPitch);
    }

    cst_wave* wave = library.textToWave(text.toLatin1().constData(), engine);
    std::optional<Pcm> pcm;
    if (wave != nullptr && wave->num_samples > 0 && wave->num_channels == 1) {
        pcm = Pcm{QByteArray(reinterpret_cast<const char*>(wave->samples),
                             qsizetype(wave->num_samples) * qsizetype(sizeof(short))),
                  wave->sample_rate};
    }
    if (wave != nullptr) library.deleteWave(wave);
    return pcm;
}

}  // namespace tawen::flite
