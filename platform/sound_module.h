#pragma once

#include <functional>
#include <memory>

class QIODevice;

namespace platform::sound {

// What the sound module (libtawen_sound.so, beside the program) offers. The
// module links Qt Multimedia and PulseAudio, which the program itself does not,
// so that a start that plays nothing never loads them. Only these plain
// classes cross between the two.

// One stream of mono 16-bit samples on the default output.
class Stream {
  public:
    virtual ~Stream() = default;
    // Plays the source to its end; may report a failure before it returns.
    virtual void start(QIODevice* source) = 0;
};

struct StreamEvents {
    std::function<void()> drained;  // every sample has gone to the output
    std::function<void()> failed;   // reported once at most
};

class Module {
  public:
    virtual ~Module() = default;
    virtual int countOutputs() const = 0;
    virtual std::unique_ptr<Stream> openStream(int sampleRate, StreamEvents events) const = 0;
};

// The one function the module exports, by this name (platform::moduleAt).
inline constexpr char kModuleEntry[] = "tawenSoundModule";
inline constexpr char kModuleFile[] = "libtawen_sound.so";

}  // namespace platform::sound
