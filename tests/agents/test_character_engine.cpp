#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

#include "agents/character_art.h"
#include "agents/character_voices.h"
#include "agents/desktop_characters.h"
#include "agents/speech_text.h"
#include "fakes/recording_speech.h"
#include "fakes/temp_root.h"

using namespace tawen;

namespace {

const QString kShipped = QStringLiteral(TAWEN_STAGE_DIR "/system/msagent/chars/");

// How many pixels of two frames differ by more than a trace.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = lineA[x];
            const QRgb q = lineB[x];
            const int d = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                          std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
            if (d > 24) ++count;
        }
    }
    return count;
}

LoadedCharacter shipped(const QString& file) {
    std::variant<LoadedCharacter, QString> read = readCharacterFile(kShipped + file);
    if (const QString* why = std::get_if<QString>(&read)) qFatal("%s", qPrintable(*why));
    return std::move(std::get<LoadedCharacter>(read));
}

QStringList shippedFiles() { return QDir(kShipped).entryList(QDir::Files, QDir::Name); }

// One row per animation, five moments of it from start to end, for a person
// to look at (build/artifacts/).
void saveContactSheet(const QString& file, const LoadedCharacter& character) {
    constexpr int kMoments = 5;
    constexpr int kLabel = 110;
    const QSize cell = character.art.size() / 2;
    const int rows = int(std::size(kAnimationNames));
    QImage sheet(kLabel + cell.width() * kMoments, cell.height() * rows, QImage::Format_RGB32);
    sheet.fill(QColor(236, 242, 248));
    QPainter painter(&sheet);
    for (int row = 0; row < rows; ++row) {
        const QString name = QLatin1String(kAnimationNames[row]);
        const Motion& motion = character.design.motions.at(name);
        painter.setPen(Qt::black);
        painter.drawText(QRect(4, row * cell.height(), kLabel - 8, cell.height()), Qt::AlignVCenter,
                         name);
        for (int moment = 0; moment < kMoments; ++moment) {
            const double at = motion.duration() * moment / double(kMoments - 1);
            const QImage frame = character.art.render(motion.poseAt(at));
            painter.drawImage(
                QRect(QPoint(kLabel + moment * cell.width(), row * cell.height()), cell), frame);
        }
    }
    painter.end();
    QDir().mkpath(QStringLiteral(TAWEN_STAGE_DIR "/../artifacts"));
    sheet.save(QStringLiteral(TAWEN_STAGE_DIR "/../artifacts/contact-sheet-%1.png")
                   .arg(QFileInfo(file).baseName()));
}

// Hands out a recording engine for every voice asked for.
class RecordingVoices final : public CharacterVoices {
  public:
    std::vector<RecordingSpeech*> engines;

    std::unique_ptr<SpeechEngine> make(const QString&) override {
        auto engine = std::make_unique<RecordingSpeech>();
        engines.push_back(engine.get());
        return engine;
    }
};

void sendMouse(QWidget& window, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, at, window.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

}  // namespace

class CharacterEngineTest : public QObject {
    Q_OBJECT

  private:
    TempRoot* root_ = nullptr;
    RecordingSpeech* speech_ = nullptr;
    DesktopCharacters* engine_ = nullptr;

    DesktopCharacter& load(const QString& id, const QString& file = QStringLiteral("bao.tcf")) {
        const QString problem = engine_->Load(id, file);
        if (!problem.isEmpty()) qFatal("%s", qPrintable(problem));
        return *engine_->character(id);
    }

  private slots:
    void init() {
        root_ = new TempRoot;
        QDir().mkpath(characterFolder());
        for (const QString& file : shippedFiles())
            QFile::copy(kShipped + file, characterFolder() + file);
        speech_ = &installRecordingSpeech();
        auto engine = std::make_unique<DesktopCharacters>();
        engine_ = engine.get();
        installCharacters(std::move(engine));
    }

    void cleanup() {
        engine_->unloadAll();
        delete root_;
    }

    void everyAnimationLeavesTheRestPoseAndComesBackToIt() {
        QVERIFY(shippedFiles().size() >= 2);
        for (const QString& file : shippedFiles()) {
            const LoadedCharacter character = shipped(file);
            const QImage rest = character.art.render(character.design.restPose());
            std::vector<QImage> middles;
            for (const char* animation : kAnimationNames) {
                const QString name = QLatin1String(animation);
                const auto found = character.design.motions.find(name);
                QVERIFY2(found != character.design.motions.end(), qPrintable(file + ' ' + name));
                const Motion& motion = found->second;
                QVERIFY2(motion.duration() >= 1000 && motion.duration() <= 3000, qPrintable(name));
                QCOMPARE(character.art.render(motion.poseAt(0)), rest);
                QCOMPARE(character.art.render(motion.poseAt(motion.duration())), rest);
                const QImage middle = character.art.render(motion.poseAt(motion.duration() / 2.0));
                QVERIFY2(differingPixels(middle, rest) > 400, qPrintable(file + ' ' + name));
                middles.push_back(middle);
            }
            // Every animation is a motion of its own: no two look alike halfway.
            for (size_t a = 0; a < middles.size(); ++a)
                for (size_t b = a + 1; b < middles.size(); ++b)
                    QVERIFY2(differingPixels(middles[a], middles[b]) > 300,
                             qPrintable(QStringLiteral("%1: %2 and %3 look alike")
                                            .arg(file, QLatin1String(kAnimationNames[a]),
                                                 QLatin1String(kAnimationNames[b]))));
            saveContactSheet(file, character);
        }
    }

    void theCharactersLookDifferent() {
        const LoadedCharacter first = shipped(shippedFiles().at(0));
        const LoadedCharacter second = shipped(shippedFiles().at(1));
        QVERIFY(first.design.name != second.design.name);
        QVERIFY(differingPixels(first.art.render(first.design.restPose()),
                                second.art.render(second.design.restPose())) > 5000);
    }

    void requestsOfOneCharacterRunInTheOrderGiven() {
        DesktopCharacter& bao = load(QStringLiteral("A"));
        bao.Show();
        bao.Play(QStringLiteral("acknowledge"));
        bao.Speak(QStringLiteral("one"));
        bao.Speak(QStringLiteral("two"));
        bao.Play(QStringLiteral("no such animation"));
        // The nod plays first: nothing is said until it has ended.
        QTest::qWait(300);
        QVERIFY(speech_->texts().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(speech_->texts(), QStringList{"one"}, 4000);
        QCOMPARE(bao.balloon().text(), QStringLiteral("one"));
        QVERIFY(bao.balloon().isVisible());
        QTest::qWait(200);
        QCOMPARE(speech_->texts(), QStringList{"one"});  // "two" waits for "one" to be heard
        QVERIFY(speech_->finishNext());
        QTRY_COMPARE(speech_->texts(), (QStringList{"one", "two"}));
        QCOMPARE(bao.balloon().text(), QStringLiteral("two"));
        QVERIFY(bao.busy());
        QVERIFY(speech_->finishNext());
        // An animation the character lacks ends at once.
        QTRY_VERIFY(!bao.busy());
    }

    void aWaitHoldsOneCharacterUntilTheOtherHasSpoken() {
        DesktopCharacter& a = load(QStringLiteral("AgentIDA"));
        DesktopCharacter& b = load(QStringLiteral("AgentIDB"), QStringLiteral("zippy.tcf"));
        const AgentRequest line = a.Speak(QStringLiteral("Hello, Zippy."));
        b.Wait(line);
        b.Speak(QStringLiteral("Hi, Bao!"));
        QTest::qWait(300);
        QCOMPARE(speech_->texts(), QStringList{"Hello, Zippy."});
        QVERIFY(speech_->finishNext());
        QTRY_COMPARE(speech_->texts(), (QStringList{"Hello, Zippy.", "Hi, Bao!"}));
        // A wait for a request that has ended passes at once.
        a.Wait(line);
        a.Speak(QStringLiteral("Bye."));
        QTRY_COMPARE(speech_->texts().size(), 3);
    }

    void stopDropsEveryQueuedRequestAndReleasesWhoWaitsForThem() {
        DesktopCharacter& a = load(QStringLiteral("AgentIDA"));
        DesktopCharacter& b = load(QStringLiteral("AgentIDB"), QStringLiteral("zippy.tcf"));
        a.Show();
        a.Speak(QStringLiteral("first"));
        const AgentRequest second = a.Speak(QStringLiteral("second"));
        a.Play(QStringLiteral("Wave"));
        b.Wait(second);
        b.Speak(QStringLiteral("over to me"));
        QTRY_COMPARE(speech_->texts(), QStringList{"first"});
        a.Stop();
        QVERIFY(!a.busy());
        QVERIFY(!a.balloon().isVisible());
        QTRY_COMPARE(speech_->texts(), (QStringList{"first", "over to me"}));
        speech_->finishNext();  // the end of "first" comes later, to no one
        QTest::qWait(200);
        QCOMPARE(speech_->texts(), (QStringList{"first", "over to me"}));
        QVERIFY(!a.busy());
    }

    void anUnheardLineStaysUpForAReadingTimeAndStillEnds() {
        speech_->failing = true;  // as with no sound output
        DesktopCharacter& a = load(QStringLiteral("AgentIDA"));
        DesktopCharacter& b = load(QStringLiteral("AgentIDB"), QStringLiteral("zippy.tcf"));
        a.Show();
        const AgentRequest line = a.Speak(QStringLiteral("Nobody hears me."));
        b.Wait(line);
        b.Speak(QStringLiteral("Nor me."));
        QVERIFY(a.balloon().isVisible());
        QCOMPARE(a.balloon().text(), QStringLiteral("Nobody hears me."));
        QTest::qWait(500);
        QVERIFY(a.busy());  // still being read
        QTRY_VERIFY_WITH_TIMEOUT(!a.busy() && !b.busy(), 10000);
        QCOMPARE(speech_->texts(), (QStringList{"Nobody hears me.", "Nor me."}));
    }

    void theMapTagSaysOneTextAndShowsAnother() {
        const SpeechText silent = splitSpeechText(QStringLiteral("\\Map=\"\"=\"开始吧！\"\\"));
        QCOMPARE(silent.spoken, QString());
        QCOMPARE(silent.shown, QStringLiteral("开始吧！"));
        const SpeechText mixed =
            splitSpeechText(QStringLiteral("Say \\Map=\"hello\"=\"你好\"\\ now"));
        QCOMPARE(mixed.spoken, QStringLiteral("Say hello now"));
        QCOMPARE(mixed.shown, QStringLiteral("Say 你好 now"));

        DesktopCharacter& a = load(QStringLiteral("AgentIDA"));
        a.Show();
        a.Speak(QStringLiteral("\\Map=\"\"=\"我是Bao。\"\\"));
        QCOMPARE(a.balloon().text(), QStringLiteral("我是Bao。"));
        QVERIFY(speech_->texts().isEmpty());  // shown, not spoken
        QTRY_VERIFY_WITH_TIMEOUT(!a.busy(), 5000);
    }

    void aVoiceThatCannotBeProducedIsRefusedAtOnce() {
        DesktopCharacter& a = load(QStringLiteral("AgentIDA"));
        QVERIFY(!a.setTTSModeID(QStringLiteral("No Such Voice")));
        QCOMPARE(a.TTSModeID(), QString());
        QVERIFY(a.setTTSModeID(QStringLiteral("Mike in Hall")));
        QCOMPARE(a.TTSModeID(), QStringLiteral("Mike in Hall"));
        QVERIFY(!a.setTTSModeID(QStringLiteral("Mike on the Moon")));
        QCOMPARE(a.TTSModeID(), QStringLiteral("Mike in Hall"));
    }

    void aCharacterWithAVoiceOfItsOwnSpeaksInIt() {
        auto voices = std::make_unique<RecordingVoices>();
        RecordingVoices& made = *voices;
        installCharacterVoices(std::move(voices));
        DesktopCharacter& a = load(QStringLiteral("AgentIDA"));
        DesktopCharacter& b = load(QStringLiteral("AgentIDB"), QStringLiteral("zippy.tcf"));
        QVERIFY(a.setTTSModeID(QStringLiteral("Mary")));
        const AgentRequest line = a.Speak(QStringLiteral("In my own voice."));
        b.Wait(line);
        b.Speak(QStringLiteral("In the usual one."));
        QCOMPARE(made.engines.size(), 1);
        QCOMPARE(made.engines[0]->texts(), QStringList{"In my own voice."});
        QVERIFY(speech_->texts().isEmpty());
        QVERIFY(made.engines[0]->finishNext());  // the end comes from the voice A speaks in
        QTRY_COMPARE(speech_->texts(), QStringList{"In the usual one."});
        installCharacterVoices(std::make_unique<NamedVoices>());
    }

    void aDamagedOrMissingFileIsRefusedAndLeftAsItWas_data() {
        QTest::addColumn<QByteArray>("bytes");
        QFile good(kShipped + QStringLiteral("bao.tcf"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray whole = good.readAll();
        QTest::newRow("cut short") << whole.left(whole.size() / 2);
        QTest::newRow("not text") << QByteArray("\x89PNG\r\n\x1a\n\xff\xfe\x00\x01", 12);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("part missing from the artwork")
            << QByteArray(whole).replace("<g id=\"head\">", "<g id=\"hat\">");
        QTest::newRow("no idle motion")
            << QByteArray(whole).replace("<motion name=\"Idle\"", "<motion name=\"Idol\"");
        QTest::newRow("key on no part") << QByteArray(whole).replace("armL.rot=95", "tail.rot=95");
        QTest::newRow("keys out of order") << QByteArray(whole).replace(
            "<key at=\"1100\">armL.rot=98", "<key at=\"100\">armL.rot=98");
        QTest::newRow("a part with nothing drawn")
            << QByteArray(whole).replace("<g id=\"cheeks\">", "<g id=\"cheeks\"/><g>");
    }

    void aDamagedOrMissingFileIsRefusedAndLeftAsItWas() {
        QFETCH(QByteArray, bytes);
        const QString path = characterFolder() + QStringLiteral("broken.tcf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const QString problem =
            engine_->Load(QStringLiteral("AgentIDA"), QStringLiteral("broken.tcf"));
        QVERIFY2(problem.contains(QStringLiteral("broken.tcf")), qPrintable(problem));
        QVERIFY(!engine_->Characters(QStringLiteral("AgentIDA")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QVERIFY(!engine_->Load(QStringLiteral("AgentIDA"), QStringLiteral("absent.tcf")).isEmpty());
        // Only a bare name of the folder: not a file beside it.
        QFile::copy(characterFolder() + QStringLiteral("bao.tcf"),
                    characterFolder() + QStringLiteral("../bao.tcf"));
        QVERIFY(!engine_->Load(QStringLiteral("AgentIDA"), QStringLiteral("../bao.tcf")).isEmpty());
        QVERIFY(!engine_->Characters(QStringLiteral("AgentIDA")));
    }

    void moveToGlidesWhenShownAndJumpsWhenHidden() {
        DesktopCharacter& a = load(QStringLiteral("AgentIDA"));
        a.MoveTo(180, 400);
        QCOMPARE(QPoint(a.Left(), a.Top()), QPoint(180, 400));  // hidden: at once
        a.Show();
        a.MoveTo(500, 400);
        QTest::qWait(150);
        QVERIFY(a.Left() > 180 && a.Left() < 500);  // on its way
        QTRY_COMPARE(a.Left(), 500);
        QCOMPARE(a.Top(), 400);
        QTRY_VERIFY(!a.busy());
    }

    void gestureAtPointsTheArmOnThatSide() {
        DesktopCharacter& a = load(QStringLiteral("AgentIDA"));
        a.MoveTo(400, 300);
        a.Show();
        const int armL =
            shipped(QStringLiteral("bao.tcf")).design.partIndex(QStringLiteral("armL"));
        a.GestureAt(0, 300);
        QTest::qWait(700);
        QVERIFY(a.figure().pose()[size_t(armL)][Channel::Rot] > 60);
        QTRY_VERIFY_WITH_TIMEOUT(!a.busy(), 4000);
    }

    void theLeftButtonDragsAndTheRightButtonClicks() {
        DesktopCharacter& a = load(QStringLiteral("AgentIDA"));
        a.setAutoPopupMenu(false);
        a.MoveTo(100, 100);
        a.Show();
        QSignalSpy clicks(engine_, &CharacterEngine::Click);
        auto& window = const_cast<FigureWindow&>(a.figure());
        sendMouse(window, QEvent::MouseButtonPress, {100, 120}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(window, QEvent::MouseMove, {140, 150}, Qt::NoButton, Qt::LeftButton);
        sendMouse(window, QEvent::MouseButtonRelease, {140, 150}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(QPoint(a.Left(), a.Top()), QPoint(140, 130));
        QCOMPARE(clicks.count(), 0);  // a drag is no click
        sendMouse(window, QEvent::MouseButtonPress, {90, 110}, Qt::RightButton, Qt::RightButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toString(), QStringLiteral("AgentIDA"));
        QCOMPARE(clicks.at(0).at(1).toInt(), 2);
    }
};

QTEST_MAIN(CharacterEngineTest)
#include "test_character_engine.moc"
