#include "agents/voice_synthesis.h"

#include "agents/espeak_synthesizer.h"
#include "agents/flite_synthesizer.h"

namespace tawen {

namespace {

// Han characters and the punctuation written with them.
bool isChinese(char32_t c) {
    return QChar::script(c) == QChar::Script_Han || (c >= 0x3000 && c <= 0x303F) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

bool isNeutral(char32_t c) { return QChar::isSpace(c) || QChar::script(c) == QChar::Script_Common; }

bool hasSomethingToRead(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isLetterOrNumber(c)) return true;
    }
    return false;
}

std::optional<Pcm> english(const QString& text, const VoiceRecipe& voice,
                           const std::function<bool()>& cancelled) {
    using Effect = VoiceRecipe::Effect;
    std::optional<Pcm> pcm;
    if (voice.synthesiser == VoiceRecipe::Synthesiser::Flite && flite::canRead(text)) {
        pcm = flite::synthesise(text, {voice.base, voice.pitchHz});
    } else {
        const QString base = voice.synthesiser == VoiceRecipe::Synthesiser::Espeak
                                 ? voice.base
                                 : QStringLiteral("en-us");
        pcm = espeak::synthesise(text, base, cancelled);
    }
    if (!pcm) return std::nullopt;
    Pcm sound = effects::resampled(*pcm, kSpeechSampleRate);
    switch (voice.effect) {
        case Effect::None:
            return sound;
        case Effect::Telephone:
            return effects::telephone(sound);
        case Effect::Hall:
            return effects::inRoom(sound, effects::Room::Hall);
        case Effect::Space:
            return effects::inRoom(sound, effects::Room::Space);
        case Effect::Stadium:
            return effects::inRoom(sound, effects::Room::Stadium);
    }
    return sound;
}

}  // namespace

QList<ScriptRun> scriptRuns(const QString& text) {
    QList<ScriptRun> runs;
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        const bool chinese = isChinese(c);
        if (!runs.isEmpty() && (isNeutral(c) || runs.back().chinese == chinese)) {
            runs.back().text += character;
        } else {
            runs.append({character, chinese});
        }
    }
    runs.removeIf([](const ScriptRun& run) { return !hasSomethingToRead(run.text); });
    return runs;
}

bool canSpeak(const VoiceRecipe& voice) {
    return voice.synthesiser == VoiceRecipe::Synthesiser::Flite ? flite::hasVoice(voice.base)
                                                                : espeak::hasVoice(voice.base);
}

bool canSpeakMandarin(const QString& voice) { return espeak::hasVoice(voice); }

std::optional<Pcm> synthesise(const QString& text, const Speaker& speaker,
                              const std::function<bool()>& cancelled) {
    const QList<ScriptRun> runs = scriptRuns(text);
    if (runs.isEmpty()) return std::nullopt;
    Pcm whole{{}, kSpeechSampleRate};
    for (const ScriptRun& run : runs) {
        if (cancelled()) return std::nullopt;
        const std::optional<Pcm> part =
            run.chinese ? espeak::synthesise(run.text, speaker.mandarin, cancelled)
                        : english(run.text, speaker.english, cancelled);
        if (!part) return std::nullopt;
        whole.samples += effects::resampled(*part, kSpeechSampleRate).samples;
    }
    return whole;
}

}  // namespace tawen
