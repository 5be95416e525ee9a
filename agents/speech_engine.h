#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace tawen {

// The pronunciation service of the process. Speak hands the text over and
// returns at once; the sound follows, and utteranceFinished tells when each
// utterance has ended, so characters can take turns.
class SpeechEngine : public QObject {
    Q_OBJECT

  public:
    using Utterance = quint64;

    // Priority bits of the flags: a very-high request cuts off what is being
    // said and what waits; the others queue behind it. The reading-style bit
    // (16) carries no meaning for our voices.
    static constexpr int kVeryHighPriority = 128;

    // Prepares the engine. The site and application names once identified the
    // caller to a shared system service; ours belongs to the process alone.
    virtual void Register(const QString& site, const QString& application) = 0;

    // Queues the text to be spoken: nothing when it cannot be spoken (no
    // engine, no voice for the text, no sound output), else the utterance's
    // number as later reported by utteranceFinished.
    virtual std::optional<Utterance> Speak(const QString& text, int flags) = 0;

  signals:
    // Every utterance Speak accepted ends exactly once, in the order spoken:
    // played out, cut off by a very-high request, or lost to a sound fault.
    void utteranceFinished(quint64 utterance);
};

// The engine of the run: flite for English, espeak-ng for Mandarin, unless
// another is installed.
SpeechEngine& speech();
void installSpeech(std::unique_ptr<SpeechEngine> replacement);

}  // namespace tawen
