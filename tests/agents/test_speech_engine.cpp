#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "agents/espeak_speech.h"
#include "agents/espeak_synthesizer.h"
#include "platform/audio_outputs.h"

using namespace tawen;

namespace {

constexpr int kVeryHigh = 144;  // very-high priority, reading style
constexpr int kNormal = 528;    // normal priority, reading style
constexpr int kUtteranceTimeoutMs = 15000;

int peakOf(const espeak::Pcm& pcm) {
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
    void synthesisGivesAudibleSamplesForEachLanguage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("voice");
        QTest::newRow("English word") << "hello"
                                      << "en-us";
        QTest::newRow("English with a variant") << "window"
                                                << "en-us+m3";
        QTest::newRow("Chinese") << "你好"
                                 << "cmn";
    }

    void synthesisGivesAudibleSamplesForEachLanguage() {
        QFETCH(QString, text);
        QFETCH(QString, voice);
        const std::optional<espeak::Pcm> pcm = espeak::synthesise(text, voice, never);
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
        // With one voice missing, only texts for the other one can be spoken.
        EspeakSpeech noEnglish({.english = "xx-missing", .mandarin = "cmn"});
        QVERIFY(!noEnglish.Speak("hello", kNormal).has_value());
        QVERIFY(noEnglish.Speak(u"你好"_qs, kNormal).has_value());
        QVERIFY(noEnglish.Speak(u"apple 苹果"_qs, kNormal).has_value());

        EspeakSpeech noMandarin({.english = "en-us", .mandarin = "xx-missing"});
        QVERIFY(!noMandarin.Speak(u"你好"_qs, kNormal).has_value());
        QVERIFY(!noMandarin.Speak(u"apple 苹果"_qs, kNormal).has_value());
        QVERIFY(noMandarin.Speak("apple", kNormal).has_value());
    }

    void aSystemWithoutSoundOutputCannotSpeak() {
        QVERIFY(platform::audioOutputCount() > 0);
        platform::installAudioOutputs(std::make_unique<NoAudioOutputs>());
        EspeakSpeech engine;
        const bool spoke = engine.Speak("hello", kNormal).has_value();
        platform::installAudioOutputs(std::make_unique<platform::SystemAudioOutputs>());
        QVERIFY(!spoke);
    }

    void speakReturnsBeforeTheWordHasBeenHeard() {
        EspeakSpeech engine;
        engine.Register("          ", "          ");
        QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
        const std::optional<SpeechEngine::Utterance> utterance = engine.Speak("hello", kVeryHigh);
        QVERIFY(utterance.has_value());
        QCOMPARE(ends.count(), 0);
        QVERIFY(waitForEnds(ends, 1));
        QCOMPARE(finishedIn(ends), QList<quint64>{*utterance});
    }

    // The main window registers the engine as it opens: starting the library
    // and its voices is left to the worker, so Register never waits for it.
    // Here another thread holds the library in a synthesis that goes on only
    // once Register has returned (or after ten seconds, when it never does).
    void registeringDoesNotWaitForTheLibrary() {
        using namespace std::chrono_literals;
        std::atomic<bool> busy{false};
        std::atomic<bool> registered{false};
        bool waited = false;
        bool registeredWhileBusy = false;
        std::thread holder([&] {
            espeak::synthesise("hello", "en-us", [&] {
                busy = true;
                if (!std::exchange(waited, true)) {
                    const auto deadline = std::chrono::steady_clock::now() + 10s;
                    while (!registered && std::chrono::steady_clock::now() < deadline)
                        std::this_thread::sleep_for(1ms);
                    registeredWhileBusy = registered;
                }
                return false;
            });
            busy = true;
        });
        while (!busy) std::this_thread::sleep_for(1ms);
        EspeakSpeech engine;
        engine.Register("          ", "          ");
        registered = true;
        holder.join();
        QVERIFY(registeredWhileBusy);

        // What Register set going still leads to speech.
        QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
        QVERIFY(engine.Speak("hello", kNormal).has_value());
        QVERIFY(waitForEnds(ends, 1));
    }

    void normalRequestsAreSpokenInTurn() {
        EspeakSpeech engine;
        QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
        QList<quint64> spoken;
        for (const char* word : {"one", "two", "three"})
            spoken.append(*engine.Speak(word, kNormal));
        QVERIFY(waitForEnds(ends, 3));
        QCOMPARE(finishedIn(ends), spoken);
        QVERIFY(!ends.wait(500));  // each ends once
    }

    void veryHighRequestCutsOffWhatIsBeingSaid() {
        EspeakSpeech engine;
        QSignalSpy ends(&engine, &SpeechEngine::utteranceFinished);
        // About a minute of speech: it can only end in time if it is cut off.
        const QString longText =
            QString("This sentence is read slowly and at length. ").repeated(40);
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
