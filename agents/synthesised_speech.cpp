#include "agents/synthesised_speech.h"

#include <QCoreApplication>

#include "agents/synthesis_worker.h"
#include "agents/utterance_player.h"
#include "platform/audio_outputs.h"

namespace tawen {

// The running part of an engine: synthesis in the background, playback here,
// and the cut-off point of the last very-high request.
class SpeechSession : public QObject {
  public:
    SpeechSession(QObject* parent, const Speaker& speaker)
        : QObject(parent),
          worker_(
              this,
              [speaker](const QString& text, const std::function<bool()>& cancelled) {
                  return synthesise(text, speaker, cancelled);
              },
              [this](quint64 utterance, std::optional<Pcm> pcm) {
                  // Cut-off and failed utterances still pass through the player,
                  // empty, so every end is reported in the order spoken.
                  const bool playable = pcm && utterance > cutOffUpTo_;
                  player.enqueue(utterance, playable ? *pcm : Pcm{});
              }) {}

    void speak(quint64 utterance, const QString& text) { worker_.queue(utterance, text); }

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
    if (!installed_) installed_ = check_();
    return *installed_;
}

SynthesisedSpeech::SynthesisedSpeech(const SpeechVoices& voices)
    : englishVoice_(voiceNamed(voices.english)),
      mandarinVoice_(voices.mandarin),
      english_([this] { return englishVoice_ && tawen::canSpeak(*englishVoice_); }),
      mandarin_([this] { return canSpeakMandarin(mandarinVoice_); }) {}

SynthesisedSpeech::~SynthesisedSpeech() { delete session_.data(); }

// Nothing to prepare: the libraries load with the first word, on the
// synthesis thread, so the window that registers never waits for them.
void SynthesisedSpeech::Register(const QString&, const QString&) {}

std::optional<SpeechEngine::Utterance> SynthesisedSpeech::Speak(const QString& text, int flags) {
    if (!canSpeak(text) || platform::audioOutputCount() == 0) return std::nullopt;
    SpeechSession* running = session();
    if (running == nullptr) return std::nullopt;
    const Utterance utterance = ++lastUtterance_;
    if (flags & kVeryHighPriority) running->cutOffBefore(utterance);
    running->speak(utterance, text);
    return utterance;
}

bool SynthesisedSpeech::canSpeak(const QString& text) {
    const QList<ScriptRun> runs = scriptRuns(text);
    if (runs.isEmpty()) return false;
    for (const ScriptRun& run : runs) {
        if (!(run.chinese ? mandarin_ : english_).installed()) return false;
    }
    return true;
}

SpeechSession* SynthesisedSpeech::session() {
    if (session_ == nullptr && QCoreApplication::instance() != nullptr) {
        // Without an English voice no English run gets this far.
        const Speaker speaker{englishVoice_.value_or(defaultVoice()), mandarinVoice_};
        session_ = new SpeechSession(QCoreApplication::instance(), speaker);
        connect(&session_->player, &UtterancePlayer::finished, this,
                &SpeechEngine::utteranceFinished);
    }
    return session_;
}

}  // namespace tawen
