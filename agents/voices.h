#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "agents/voice_effects.h"

namespace tawen {

// How one named voice is made: which synthesiser reads the text, in which of
// its voices, and what is done to the sound afterwards.
struct VoiceRecipe {
    enum class Synthesiser { Flite, Espeak };
    enum class Effect { None, Telephone, Hall, Space, Stadium };

    Synthesiser synthesiser = Synthesiser::Flite;
    QString base;       // flite: "slt", "rms"; espeak-ng: "en-us+robosoft"
    float pitchHz = 0;  // flite only; 0 keeps the voice's own
    Effect effect = Effect::None;
};

struct NamedVoice {
    QString name;
    VoiceRecipe recipe;
};

// The English voices a learner can choose for a character, in the order the
// choice lists them, under the names it shows:
//
//   默认声音              flite slt, the clearest voice measured (the default)
//   Mary                 slt a little higher
//   Mary(for Telephone)  Mary through a telephone's band, 300-3400 Hz
//   Mike                 flite rms, an American man
//   Mike(for Telephone)  Mike through a telephone's band
//   Mike in Hall         Mike in a concert hall's reverberation
//   Mike in Space        Mike ringing like metal, with a long repeating echo
//   Mike in Stadium      Mike in a long reverberation with an echo off the stands
//   RoboSoft One         espeak-ng en-us+robosoft
//   RoboSoft Two         espeak-ng en-us+robosoft2
//   RoboSoft Three       espeak-ng en-us+robosoft6, a monotone
const QList<NamedVoice>& namedVoices();

// The default voice, read when no voice is chosen.
const VoiceRecipe& defaultVoice();

// The voice of that name; the empty name is the default voice. Nothing for a
// name the list does not hold.
std::optional<VoiceRecipe> voiceNamed(const QString& name);

}  // namespace tawen
