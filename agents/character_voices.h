#pragma once

#include <QString>

#include <memory>

#include "agents/speech_engine.h"

namespace tawen {

// Where a character gets a voice chosen by name (the names of agents/voices.h).
// The default voice, the empty name, is the engine of the run; any other
// voice is an engine of its own, as each engine speaks in one English voice.
class CharacterVoices {
  public:
    virtual ~CharacterVoices() = default;
    // An engine speaking in the named voice, or none when that voice cannot
    // be produced (no voice has the name, or its synthesiser is missing).
    virtual std::unique_ptr<SpeechEngine> make(const QString& name) = 0;
};

// Our named voices, each a synthesised speech of its own.
class NamedVoices final : public CharacterVoices {
  public:
    std::unique_ptr<SpeechEngine> make(const QString& name) override;
};

CharacterVoices& characterVoices();
void installCharacterVoices(std::unique_ptr<CharacterVoices> replacement);

}  // namespace tawen
