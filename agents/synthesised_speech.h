#pragma once

#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

#include "agents/speech_engine.h"
#include "agents/voice_synthesis.h"

namespace tawen {

class SpeechSession;

// The voices of one engine: an English voice by the name the voice choice
// shows (agents/voices.h; empty for the default) and espeak-ng's Mandarin.
struct SpeechVoices {
    QString english;
    QString mandarin = QStringLiteral("cmn-latn-pinyin");
};

// Whether a voice can be produced, asked once: answering from memory keeps
// Speak quick.
class KnownVoice {
  public:
    explicit KnownVoice(std::function<bool()> check) : check_(std::move(check)) {}
    bool installed();

  private:
    std::function<bool()> check_;
    std::optional<bool> installed_;
};

// Pronunciation through flite (English) and espeak-ng (Mandarin, the robotic
// voices, and English flite cannot read): the text is synthesised on a worker
// thread and played on the default sound output. Nothing is loaded before
// the first Speak, so creating or registering one costs a start nothing, and
// the libraries load on the worker thread. One engine speaks in one English
// voice; a character with a voice of its own has an engine of its own. Used
// from the event-loop thread.
class SynthesisedSpeech final : public SpeechEngine {
  public:
    explicit SynthesisedSpeech(const SpeechVoices& voices = {});
    ~SynthesisedSpeech() override;

    void Register(const QString& site, const QString& application) override;
    std::optional<Utterance> Speak(const QString& text, int flags) override;

  private:
    bool canSpeak(const QString& text);
    SpeechSession* session();

    std::optional<VoiceRecipe> englishVoice_;  // nothing: a name the list does not hold
    QString mandarinVoice_;
    KnownVoice english_;
    KnownVoice mandarin_;
    // Playback belongs to the application object, so it is torn down with the
    // event loop it needs even when this engine lives on until the process ends.
    QPointer<SpeechSession> session_;
    Utterance lastUtterance_ = 0;
};

}  // namespace tawen
