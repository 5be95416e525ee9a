#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "agents/espeak_synthesizer.h"
#include "agents/flite_synthesizer.h"
#include "agents/synthesised_speech.h"
#include "platform/audio_outputs.h"

using namespace tawen;

namespace {

constexpr int kVeryHigh = 144;  // very-high priority, reading style
constexpr int kNormal = 528;    // normal priority, reading style
constexpr int kUtteranceTimeoutMs = 15000;

int peakOf(const Pcm& pcm) {
    int peak = 0;
    for (qsizetype i = 0; i + 1 < pcm.samples.size(); i += 2) {
        qint16 sample;
        std::memcpy(&sample, pcm.samples.constData() + i, sizeof sample);
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}

const auto never = [] { return false; };

class NoAudioOutputs final : public platform::AudioOutputs {
  public:
    int count() const override { return 0; }
};

// Whether a library whose file name holds `name` is mapped into this process.
bool loaded(const char* name) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

QList<quint64> finishedIn(const QSignalSpy& spy) {
    QList<quint64> utterances;
    for (const QList<QVariant>& call : spy) utterances.append(call.at(0).toULongLong());
    return utterances;
}

// Waits until the spy has seen `count` ends or the time is up.
bool waitForEnds(QSignalSpy& spy, int count) {
    while (spy.count() < count) {
        if (!spy.wait(kUtteranceTimeoutMs)) return false;
    }
    return true;
}

}  // namespace

class SpeechEngineTest : public QObject {
    Q_OBJECT

  private slots:
    // The main window registers the engine as it opens: neither synthesiser
    // may load then, only with the first word (and not on this thread).
    void nothingLoadsBeforeTheFirstWord() {
        SynthesisedSpeech engine;
        engine.Register("          ", "          ");
        QVERIFY(!loaded("libflite") && !loaded("libespeak-ng"));
        QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
        QVERIFY(engine.Speak(u"hello 你好"_qs, kNormal).has_value());
        QVERIFY(waitForEnds(ends, 1));
        QVERIFY(loaded("libflite_cmu_us_slt") && loaded("libespeak-ng"));
    }

    void synthesisGivesAudibleSamplesForEachLanguage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("voice");
        QTest::newRow("English word") << "hello"
                                      << "en-us";
        QTest::newRow("English with a variant") << "window"
                                                << "en-us+m3";
        QTest::newRow("Chinese") << "你好"
                                 << "cmn-latn-pinyin";
    }

    void synthesisGivesAudibleSamplesForEachLanguage() {
        QFETCH(QString, text);
        QFETCH(QString, voice);
        const std::optional<Pcm> pcm = espeak::synthesise(text, voice, never);
        QVERIFY(pcm.has_value());
        QVERIFY(pcm->sampleRate >= 8000);
        // A spoken word lasts well over a tenth of a second and is far from silence.
        QVERIFY(pcm->samples.size() / 2 > pcm->sampleRate / 10);
        QVERIFY2(peakOf(*pcm) > 1000, qPrintable(QString::number(peakOf(*pcm))));
    }

    void synthesisRefusesMissingVoiceAndStopsWhenCancelled() {
        QVERIFY(!espeak::hasVoice("xx-missing"));
        QVERIFY(!espeak::synthesise("hello", "xx-missing", never).has_value());
        QVERIFY(espeak::hasVoice("en-us"));
        QVERIFY(!espeak::synthesise("hello", "en-us", [] { return true; }).has_value());
    }

    void textGoesToTheVoiceOfItsLanguage() {
        // With one voice missing, only texts for the other one can be spoken;
        // a mixed text needs both.
        SynthesisedSpeech noEnglish({.english = "Sam", .mandarin = "cmn-latn-pinyin"});
        QVERIFY(!noEnglish.Speak("hello", kNormal).has_value());
        QVERIFY(noEnglish.Speak(u"你好"_qs, kNormal).has_value());
        QVERIFY(!noEnglish.Speak(u"apple 苹果"_qs, kNormal).has_value());

        SynthesisedSpeech noMandarin({.english = {}, .mandarin = "xx-missing"});
        QVERIFY(!noMandarin.Speak(u"你好"_qs, kNormal).has_value());
        QVERIFY(!noMandarin.Speak(u"apple 苹果"_qs, kNormal).has_value());
        QVERIFY(noMandarin.Speak("apple", kNormal).has_value());

        // Nothing to read is nothing to speak.
        QVERIFY(!noMandarin.Speak(" ... ", kNormal).has_value());
    }

    void everyNamedVoiceSpeaksThroughTheEngine() {
        for (const NamedVoice& voice : namedVoices()) {
            SynthesisedSpeech engine({.english = voice.name});
            QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
            const std::optional<SpeechEngine::Utterance> utterance = engine.Speak("hello", kNormal);
            QVERIFY2(utterance.has_value(), qPrintable(voice.name));
            QVERIFY(waitForEnds(ends, 1));
            QCOMPARE(finishedIn(ends), QList<quint64>{*utterance});
        }
    }

    void aSystemWithoutSoundOutputCannotSpeak() {
        QVERIFY(platform::audioOutputCount() > 0);
        platform::installAudioOutputs(std::make_unique<NoAudioOutputs>());
        SynthesisedSpeech engine;
        const bool spoke = engine.Speak("hello", kNormal).has_value();
        platform::installAudioOutputs(std::make_unique<platform::SystemAudioOutputs>());
        QVERIFY(!spoke);
    }

    void speakReturnsBeforeTheWordHasBeenHeard() {
        SynthesisedSpeech engine;
        engine.Register("          ", "          ");
        QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
        const std::optional<SpeechEngine::Utterance> utterance = engine.Speak("hello", kVeryHigh);
        QVERIFY(utterance.has_value());
        QCOMPARE(ends.count(), 0);
        QVERIFY(waitForEnds(ends, 1));
        QCOMPARE(finishedIn(ends), QList<quint64>{*utterance});
    }

    // Another thread holds flite in a long synthesis; a word asked for now is
    // accepted at once, before that synthesis is over, not after it.
    void speakDoesNotWaitForASynthesisInProgress() {
        using namespace std::chrono_literals;
        std::atomic<bool> started{false};
        std::atomic<bool> done{false};
        std::thread holder([&] {
            started = true;
            flite::synthesise(
                QString("A long sentence keeps the voice busy for a while. ").repeated(12),
                {u"rms"_qs});
            done = true;
        });
        while (!started) std::this_thread::sleep_for(1ms);
        std::this_thread::sleep_for(50ms);
        SynthesisedSpeech engine({.english = u"Mike"_qs});
        QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
        const bool accepted = engine.Speak("hello", kNormal).has_value();
        const bool doneBeforeSpeakReturned = done;
        holder.join();
        QVERIFY(accepted);
        QVERIFY(!doneBeforeSpeakReturned);
        QVERIFY(waitForEnds(ends, 1));
    }

    void normalRequestsAreSpokenInTurn() {
        SynthesisedSpeech engine;
        QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
        QList<quint64> spoken;
        for (const char* word : {"one", "two", "three"})
            spoken.append(*engine.Speak(word, kNormal));
        QVERIFY(waitForEnds(ends, 3));
        QCOMPARE(finishedIn(ends), spoken);
        QVERIFY(!ends.wait(500));  // each ends once
    }

    void veryHighRequestCutsOffWhatIsBeingSaid() {
        SynthesisedSpeech engine;
        QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
        // Half a minute of speech: it can only end in time if it is cut off.
        const QString longText =
            QString("This sentence is read slowly and at length. ").repeated(10);
        const quint64 first = *engine.Speak(longText, kNormal);
        const quint64 queued = *engine.Speak(longText, kNormal);
        QTest::qWait(300);
        const quint64 urgent = *engine.Speak("stop", kVeryHigh);
        QVERIFY(waitForEnds(ends, 3));
        QCOMPARE(finishedIn(ends), (QList<quint64>{first, queued, urgent}));
    }
};

QTEST_MAIN(SpeechEngineTest)
#include "test_speech_engine.moc"
