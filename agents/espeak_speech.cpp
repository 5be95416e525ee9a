#include "agents/espeak_speech.h"

#include <QCoreApplication>

#include "agents/espeak_synthesizer.h"
#include "agents/synthesis_worker.h"
#include "agents/utterance_player.h"
#include "platform/audio_outputs.h"

namespace tawen {

// The running part of an engine: synthesis in the background, playback here,
// and the cut-off point of the last very-high request.
class SpeechSession : public QObject {
  public:
    explicit SpeechSession(QObject* parent)
        : QObject(parent), worker_(this, [this](quint64 utterance, std::optional<espeak::Pcm> pcm) {
              // Cut-off and failed utterances still pass through the player,
              // empty, so every end is reported in the order spoken.
              const bool playable = pcm && utterance > cutOffUpTo_;
              player.enqueue(utterance, playable ? *pcm : espeak::Pcm{});
          }) {}

    void speak(quint64 utterance, const QString& text, const QString& voice) {
        worker_.queue(utterance, text, voice);
    }

    void preload(const QStringList& voices) { worker_.preload(voices); }

    void cutOffBefore(quint64 utterance) {
        cutOffUpTo_ = utterance - 1;
        worker_.cancelUpTo(cutOffUpTo_);
        player.interrupt();
    }

    UtterancePlayer player;

  private:
    quint64 cutOffUpTo_ = 0;
    SynthesisWorker worker_;  // last: stopped before the player it feeds goes
};

bool KnownVoice::installed() {
    if (!installed_) installed_ = espeak::hasVoice(name_);
    return *installed_;
}

EspeakSpeech::EspeakSpeech(const SpeechVoices& voices)
    : english_(voices.english), mandarin_(voices.mandarin) {}

EspeakSpeech::~EspeakSpeech() { delete session_.data(); }

void EspeakSpeech::Register(const QString&, const QString&) {
    // Starting the library and loading both voices now spares the first word
    // the delay; doing it in the background spares the window that registers.
    if (SpeechSession* running = session()) running->preload({english_.name(), mandarin_.name()});
}

std::optional<SpeechEngine::Utterance> EspeakSpeech::Speak(const QString& text, int flags) {
    KnownVoice& voice = voiceFor(text);
    SpeechSession* running = session();
    if (running == nullptr || !voice.installed() || platform::audioOutputCount() == 0) {
        return std::nullopt;
    }
    const Utterance utterance = ++lastUtterance_;
    if (flags & kVeryHighPriority) running->cutOffBefore(utterance);
    running->speak(utterance, text, voice.name());
    return utterance;
}

KnownVoice& EspeakSpeech::voiceFor(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (QChar::script(c) == QChar::Script_Han) return mandarin_;
    }
    return english_;
}

SpeechSession* EspeakSpeech::session() {
    if (session_ == nullptr && QCoreApplication::instance() != nullptr) {
        session_ = new SpeechSession(QCoreApplication::instance());
        connect(&session_->player, &UtterancePlayer::finished, this,
                &SpeechEngine::utteranceFinished);
    }
    return session_;
}

}  // namespace tawen
