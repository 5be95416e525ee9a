#include "platform/audio_outputs.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include "platform/seam.h"

namespace platform {

int SystemAudioOutputs::count() const { return int(QMediaDevices::audioOutputs().size()); }

int audioOutputCount() { return seamSlot<AudioOutputs, SystemAudioOutputs>()->count(); }

void installAudioOutputs(std::unique_ptr<AudioOutputs> replacement) {
    seamSlot<AudioOutputs, SystemAudioOutputs>() = std::move(replacement);
}

}  // namespace platform
