#include "platform/audio_outputs.h"

#include <utility>

#include "platform/install_layout.h"
#include "platform/module_library.h"
#include "platform/seam.h"
#include "platform/sound_module.h"

namespace platform {

namespace {

const sound::Module* loadSoundModule(const QString& path) {
    return moduleAt<sound::Module>(path, sound::kModuleEntry);
}

// A stream of the module, told to the program as a sink.
class ModuleSoundSink final : public SoundSink {
  public:
    ModuleSoundSink(const sound::Module& module, int sampleRate)
        : stream_(module.openStream(sampleRate, {.drained = [this] { emit drained(); },
                                                 .failed = [this] { emit failed(); }})) {}

    void start(QIODevice* source) override { stream_->start(source); }

  private:
    std::unique_ptr<sound::Stream> stream_;
};

// Stands in for a sink when there is no module to play through.
class MissingSoundSink final : public SoundSink {
  public:
    void start(QIODevice*) override { emit failed(); }
};

}  // namespace

std::unique_ptr<SoundSink> AudioOutputs::openSink(int sampleRate) const {
    return SystemAudioOutputs().openSink(sampleRate);
}

SystemAudioOutputs::SystemAudioOutputs(QString module) : module_(std::move(module)) {}

QString SystemAudioOutputs::installedSoundModule() {
    return besideOrInstalled(QLatin1String(sound::kModuleFile), kBinToModules);
}

int SystemAudioOutputs::count() const {
    const sound::Module* module = loadSoundModule(module_);
    return module == nullptr ? 0 : module->countOutputs();
}

std::unique_ptr<SoundSink> SystemAudioOutputs::openSink(int sampleRate) const {
    const sound::Module* module = loadSoundModule(module_);
    if (module == nullptr) return std::make_unique<MissingSoundSink>();
    return std::make_unique<ModuleSoundSink>(*module, sampleRate);
}

int audioOutputCount() { return seamSlot<AudioOutputs, SystemAudioOutputs>()->count(); }

std::unique_ptr<SoundSink> openSoundSink(int sampleRate) {
    return seamSlot<AudioOutputs, SystemAudioOutputs>()->openSink(sampleRate);
}

void installAudioOutputs(std::unique_ptr<AudioOutputs> replacement) {
    seamSlot<AudioOutputs, SystemAudioOutputs>() = std::move(replacement);
}

}  // namespace platform
