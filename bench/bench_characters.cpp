// The desktop characters: loading a character file (reading, checking and
// drawing every part once), drawing one frame of a character in motion, and
// two characters acting out every animation for some seconds on the event
// loop, as the dialogue window has them, with the frames they showed each
// second and the processor time each frame cost.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

#include "agents/desktop_characters.h"
#include "platform/paths.h"

namespace {

using namespace tawen;

const QString kShipped = QStringLiteral(TAWEN_STAGE_DIR "/system/msagent/chars/");

LoadedCharacter load(const QString& file) {
    return std::get<LoadedCharacter>(readCharacterFile(kShipped + file));
}

void LoadCharacterFile(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(readCharacterFile(kShipped + "bao.tcf"));
}

void DrawOneFrame(benchmark::State& state) {
    const LoadedCharacter character = load(QStringLiteral("zippy.tcf"));
    const Motion& motion = character.design.motions.at(QStringLiteral("Congratulate"));
    double at = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(character.art.render(motion.poseAt(at)));
        at = at + 33 > motion.duration() ? 0 : at + 33;
    }
}

BENCHMARK(LoadCharacterFile)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(DrawOneFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5);

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Counts the paints a window gets.
class PaintCounter final : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void twoCharactersActing(int seconds) {
    QTemporaryDir root;
    platform::setRoot(root.path());
    QDir().mkpath(characterFolder());
    for (const char* file : {"bao.tcf", "zippy.tcf"})
        QFile::copy(kShipped + file, characterFolder() + file);
    DesktopCharacters engine;
    PaintCounter counter;
    std::vector<DesktopCharacter*> actors;
    for (const char* file : {"bao.tcf", "zippy.tcf"}) {
        const QString id = QString::fromLatin1(file);
        if (!engine.Load(id, id).isEmpty()) return;
        DesktopCharacter* actor = engine.character(id);
        actor->MoveTo(int(actors.size()) * 320, 100);
        actor->Show();
        const_cast<FigureWindow&>(actor->figure()).installEventFilter(&counter);
        actors.push_back(actor);
    }
    QElapsedTimer clock;
    clock.start();
    const double processorAtStart = processorSeconds();
    size_t next = 0;
    QTimer director;  // gives each character its next animation as the last ends
    QObject::connect(&director, &QTimer::timeout, [&] {
        for (DesktopCharacter* actor : actors)
            if (!actor->busy()) actor->Play(QLatin1String(kAnimationNames[next++ % 20]));
    });
    director.start(20);
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double elapsed = clock.elapsed() / 1000.0;
    const double processor = processorSeconds() - processorAtStart;
    std::printf(
        "two characters acting for %.1f s: %.1f frames/s each, %.2f ms processor "
        "time per frame, %.0f %% of one core\n",
        elapsed, counter.paints / elapsed / 2, processor * 1000 / counter.paints,
        processor / elapsed * 100);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    twoCharactersActing(6);
    return 0;
}
