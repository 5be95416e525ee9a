#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "agents/synthesised_speech.h"
#include "agents/utterance_player.h"
#include "agents/word_speaker.h"
#include "fakes/recording_prompt.h"
#include "fakes/scripted_audio_outputs.h"

using namespace tawen;
using Sink = ScriptedAudioOutputs::Sink;

namespace {

constexpr int kVeryHigh = 144;
constexpr int kWaitMs = 15000;

// A tenth of a second of a quiet tone: something for a sink to play.
Pcm word() {
    Pcm pcm;
    pcm.sampleRate = 22050;
    pcm.samples = QByteArray(4410, '\x10');
    return pcm;
}

QList<quint64> utterancesIn(const QSignalSpy& spy) {
    QList<quint64> utterances;
    for (const QList<QVariant>& call : spy) utterances.append(call.at(0).toULongLong());
    return utterances;
}

ScriptedAudioOutputs& installOutputs(std::deque<Sink> script) {
    auto outputs = std::make_unique<ScriptedAudioOutputs>(std::move(script));
    ScriptedAudioOutputs& handle = *outputs;
    platform::installAudioOutputs(std::move(outputs));
    return handle;
}

}  // namespace

// Sound outputs that will not start or are lost in the middle of a word, as
// when the sound server stops or a headset is pulled out while words are read.
class SoundFaultsTest : public QObject {
    Q_OBJECT

    // Every utterance ends once and in order; which were heard and which lost.
    static void play(std::deque<Sink> script, int words, const QList<quint64>& heard,
                     const QList<quint64>& lost) {
        installOutputs(std::move(script));
        UtterancePlayer player;
        QSignalSpy ends(&player, &UtterancePlayer::finished);
        QSignalSpy played(&playbackReports(), &PlaybackReports::played);
        QSignalSpy failed(&playbackReports(), &PlaybackReports::failed);
        for (int n = 1; n <= words; ++n) player.enqueue(quint64(n), word());
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), words, kWaitMs);
        QList<quint64> all;
        for (int n = 1; n <= words; ++n) all.append(quint64(n));
        QCOMPARE(utterancesIn(ends), all);
        QCOMPARE(utterancesIn(played), heard);
        QCOMPARE(utterancesIn(failed), lost);
        QVERIFY(!ends.wait(200));  // each ends once
    }

  private slots:
    void cleanup() {
        platform::installAudioOutputs(std::make_unique<platform::SystemAudioOutputs>());
    }

    void aSinkThatWillNotStartLosesOnlyItsOwnWord() {
        play({Sink::Refuses, Sink::Plays}, 2, {2}, {1});
        // Refused while the next words wait behind one being heard.
        play({Sink::Plays, Sink::Refuses, Sink::Refuses, Sink::Plays}, 4, {1, 4}, {2, 3});
    }

    void aSinkLostMidWordLosesOnlyItsOwnWord() {
        play({Sink::DiesMidWord, Sink::Plays}, 2, {2}, {1});
        play({Sink::Plays, Sink::DiesMidWord, Sink::Plays}, 3, {1, 3}, {2});
    }

    void aSoundFaultIsReportedOncePerRunOfFailures() {
        ScriptedAudioOutputs& outputs =
            installOutputs({Sink::Refuses, Sink::DiesMidWord, Sink::Plays, Sink::DiesMidWord});
        RecordingPrompt& prompt = installRecordingPrompt();
        installSpeech(std::make_unique<SynthesisedSpeech>());
        QSignalSpy ends(&speech(), &SpeechEngine::utteranceFinished);
        WordSpeaker speaker(kVeryHigh);
        const auto read = [&](WordSpeaker::Reading reading, int opened) {
            speaker.speak(QStringLiteral("hello"), reading);
            QTRY_COMPARE_WITH_TIMEOUT(outputs.opened, opened, kWaitMs);
            QTRY_COMPARE_WITH_TIMEOUT(ends.count(), opened, kWaitMs);
            QCoreApplication::processEvents();
        };

        // The timers go on reading; one box stands for the whole run of faults.
        read(WordSpeaker::Reading::Timed, 1);
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages[0].text, QStringLiteral("本程序只能阅读英文文档"));
        QCOMPARE(prompt.messages[0].title, QStringLiteral("错误提示"));
        read(WordSpeaker::Reading::Timed, 2);
        QCOMPARE(prompt.messages.size(), 1);

        // A word heard ends the run: the next fault is told again.
        read(WordSpeaker::Reading::Timed, 3);
        QCOMPARE(prompt.messages.size(), 1);
        read(WordSpeaker::Reading::Timed, 4);
        QCOMPARE(prompt.messages.size(), 2);
        read(WordSpeaker::Reading::Timed, 5);
        QCOMPARE(prompt.messages.size(), 2);

        // A word the learner asked for is always answered.
        read(WordSpeaker::Reading::Asked, 6);
        QCOMPARE(prompt.messages.size(), 3);

        installSpeech(std::make_unique<SynthesisedSpeech>());
    }

    // The sound code is a module beside the program; without it words still
    // end, as lost, and nothing is heard.
    void withoutTheSoundModuleThereAreNoOutputsAndEveryReadingIsLost() {
        QTemporaryDir dir;
        QFile broken(dir.filePath(QStringLiteral("libtawen_sound.so")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        QCOMPARE(broken.write("not a library"), 13);
        broken.close();
        const QString modules[] = {dir.filePath(QStringLiteral("missing.so")), broken.fileName()};
        for (const QString& module : modules) {
            platform::installAudioOutputs(std::make_unique<platform::SystemAudioOutputs>(module));
            QCOMPARE(platform::audioOutputCount(), 0);
            UtterancePlayer player;
            QSignalSpy ends(&player, &UtterancePlayer::finished);
            QSignalSpy played(&playbackReports(), &PlaybackReports::played);
            QSignalSpy failed(&playbackReports(), &PlaybackReports::failed);
            player.enqueue(1, word());
            player.enqueue(2, word());
            QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 2, kWaitMs);
            QCOMPARE(utterancesIn(failed), QList<quint64>({1, 2}));
            QCOMPARE(played.count(), 0);
        }

        // The module beside the program is found and plays.
        platform::installAudioOutputs(std::make_unique<platform::SystemAudioOutputs>());
        QCOMPARE(platform::audioOutputCount(), 1);
        UtterancePlayer player;
        QSignalSpy played(&playbackReports(), &PlaybackReports::played);
        player.enqueue(3, word());
        QTRY_COMPARE_WITH_TIMEOUT(utterancesIn(played), QList<quint64>({3}), kWaitMs);
    }

    void theSoundOutputsAreCountedAtEveryQuestion() {
        const platform::SystemAudioOutputs outputs;
        QCOMPARE(outputs.count(), 1);
        QProcess pactl;
        pactl.start("pactl", {"load-module", "module-null-sink", "sink_name=tawen_second"});
        QVERIFY(pactl.waitForFinished(kWaitMs));
        QCOMPARE(pactl.exitCode(), 0);
        const QString module = QString::fromUtf8(pactl.readAllStandardOutput()).trimmed();
        QCOMPARE(outputs.count(), 2);
        QCOMPARE(QProcess::execute("pactl", {"unload-module", module}), 0);
        QCOMPARE(outputs.count(), 1);
    }
};

QTEST_MAIN(SoundFaultsTest)
#include "test_sound_faults.moc"
