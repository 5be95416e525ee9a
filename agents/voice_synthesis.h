#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

#include "agents/pcm.h"
#include "agents/voices.h"

namespace tawen {

// Every utterance is played at flite's own rate: resampling its speech costs
// clarity a recogniser can measure (slt: 44 of 50 words heard at 16 kHz, 37
// after a trip through 22.05 kHz), espeak-ng's loses little by coming down to it.
inline constexpr int kSpeechSampleRate = 16000;

// Who reads a text: an English voice and, for Chinese, a Mandarin one of
// espeak-ng ("cmn-latn-pinyin" speaks Mandarin; Debian's "cmn" reads the tone
// digits out in English).
struct Speaker {
    VoiceRecipe english = defaultVoice();
    QString mandarin = QStringLiteral("cmn-latn-pinyin");
};

// A piece of a text in one script: Chinese, or anything else (read as
// English). Blanks and punctuation stay with the run they stand in; a run of
// nothing else is dropped.
struct ScriptRun {
    QString text;
    bool chinese = false;
};

QList<ScriptRun> scriptRuns(const QString& text);

// Whether the voice's synthesiser and base voice are installed.
bool canSpeak(const VoiceRecipe& voice);
bool canSpeakMandarin(const QString& voice);

// The text read run by run, each in the voice of its script, as one sound at
// kSpeechSampleRate. Text flite cannot read (accented letters) goes to
// espeak-ng's en-us. Nothing when a voice is missing, when nothing in the text
// can be read, or when `cancelled` turned true.
std::optional<Pcm> synthesise(const QString& text, const Speaker& speaker,
                              const std::function<bool()>& cancelled);

}  // namespace tawen
