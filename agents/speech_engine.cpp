#include "agents/speech_engine.h"

#include "agents/synthesised_speech.h"
#include "platform/seam.h"

namespace tawen {

SpeechEngine& speech() { return *platform::seamSlot<SpeechEngine, SynthesisedSpeech>(); }

void installSpeech(std::unique_ptr<SpeechEngine> replacement) {
    platform::seamSlot<SpeechEngine, SynthesisedSpeech>() = std::move(replacement);
}

}  // namespace tawen
