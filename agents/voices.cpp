#include "agents/voices.h"

namespace tawen {

namespace {

using Synth = VoiceRecipe::Synthesiser;
using Effect = VoiceRecipe::Effect;

VoiceRecipe flite(const char* base, Effect effect = Effect::None, float pitchHz = 0) {
    return {Synth::Flite, QString::fromLatin1(base), pitchHz, effect};
}

VoiceRecipe espeak(const char* base) { return {Synth::Espeak, QString::fromLatin1(base)}; }

constexpr float kMaryPitchHz = 205;  // slt speaks at about 170 Hz by itself

}  // namespace

const QList<NamedVoice>& namedVoices() {
    static const QList<NamedVoice> voices = {
        {QStringLiteral("默认声音"), flite("slt")},
        {QStringLiteral("Mary"), flite("slt", Effect::None, kMaryPitchHz)},
        {QStringLiteral("Mary(for Telephone)"), flite("slt", Effect::Telephone, kMaryPitchHz)},
        {QStringLiteral("Mike"), flite("rms")},
        {QStringLiteral("Mike(for Telephone)"), flite("rms", Effect::Telephone)},
        {QStringLiteral("Mike in Hall"), flite("rms", Effect::Hall)},
        {QStringLiteral("Mike in Space"), flite("rms", Effect::Space)},
        {QStringLiteral("Mike in Stadium"), flite("rms", Effect::Stadium)},
        {QStringLiteral("RoboSoft One"), espeak("en-us+robosoft")},
        {QStringLiteral("RoboSoft Two"), espeak("en-us+robosoft2")},
        {QStringLiteral("RoboSoft Three"), espeak("en-us+robosoft6")},
    };
    return voices;
}

const VoiceRecipe& defaultVoice() { return namedVoices().front().recipe; }

std::optional<VoiceRecipe> voiceNamed(const QString& name) {
    if (name.isEmpty()) return defaultVoice();
    for (const NamedVoice& voice : namedVoices()) {
        if (voice.name == name) return voice.recipe;
    }
    return std::nullopt;
}

}  // namespace tawen
