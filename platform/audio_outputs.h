#pragma once

#include <memory>

namespace platform {

// How many sound outputs the system offers; without one nothing can be heard.
class AudioOutputs {
  public:
    virtual ~AudioOutputs() = default;
    virtual int count() const = 0;
};

// The outputs of the desktop's sound server.
class SystemAudioOutputs final : public AudioOutputs {
  public:
    int count() const override;
};

int audioOutputCount();
void installAudioOutputs(std::unique_ptr<AudioOutputs> replacement);

}  // namespace platform
