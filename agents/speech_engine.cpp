#include "agents/speech_engine.h"

#include "agents/espeak_speech.h"
#include "platform/seam.h"

namespace tawen {

SpeechEngine& speech() { return *platform::seamSlot<SpeechEngine, EspeakSpeech>(); }

void installSpeech(std::unique_ptr<SpeechEngine> replacement) {
    platform::seamSlot<SpeechEngine, EspeakSpeech>() = std::move(replacement);
}

}  // namespace tawen
