#include "agents/character_voices.h"

#include "agents/synthesised_speech.h"
#include "agents/voice_synthesis.h"
#include "agents/voices.h"
#include "platform/seam.h"

namespace tawen {

std::unique_ptr<SpeechEngine> NamedVoices::make(const QString& name) {
    const std::optional<VoiceRecipe> recipe = voiceNamed(name);
    if (!recipe || !canSpeak(*recipe)) return nullptr;
    return std::make_unique<SynthesisedSpeech>(SpeechVoices{name});
}

CharacterVoices& characterVoices() { return *platform::seamSlot<CharacterVoices, NamedVoices>(); }

void installCharacterVoices(std::unique_ptr<CharacterVoices> replacement) {
    platform::seamSlot<CharacterVoices, NamedVoices>() = std::move(replacement);
}

}  // namespace tawen
