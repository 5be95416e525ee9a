#pragma once

#include <QPointer>
#include <QString>

#include <optional>

#include "agents/speech_engine.h"

namespace tawen {

class SpeechSession;

// The voices of one engine, as espeak-ng names them (a "+variant" may follow).
struct SpeechVoices {
    QString english = QStringLiteral("en-us");
    QString mandarin = QStringLiteral("cmn");  // for any text with Chinese characters in it
};

// A voice name with the answer to whether it is installed, asked once: answering
// from memory keeps Speak from waiting on a synthesis in progress.
class KnownVoice {
  public:
    explicit KnownVoice(QString name) : name_(std::move(name)) {}
    const QString& name() const { return name_; }
    bool installed();

  private:
    QString name_;
    std::optional<bool> installed_;
};

// Pronunciation through espeak-ng: the text is synthesised on a worker thread
// and played on the default sound output. Everything heavy starts on first
// use or, after Register, on the worker thread, so neither creating nor
// registering one keeps a window waiting. Used from the event-loop thread.
class EspeakSpeech final : public SpeechEngine {
  public:
    explicit EspeakSpeech(const SpeechVoices& voices = {});
    ~EspeakSpeech() override;

    void Register(const QString& site, const QString& application) override;
    std::optional<Utterance> Speak(const QString& text, int flags) override;

  private:
    KnownVoice& voiceFor(const QString& text);
    SpeechSession* session();

    KnownVoice english_;
    KnownVoice mandarin_;
    // Playback belongs to the application object, so it is torn down with the
    // event loop it needs even when this engine lives on until the process ends.
    QPointer<SpeechSession> session_;
    Utterance lastUtterance_ = 0;
};

}  // namespace tawen
