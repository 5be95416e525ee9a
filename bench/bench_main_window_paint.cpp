// Painting the main window's background: drawing the picture afresh (what
// every paint cost when nothing was kept) against a repaint of the window's
// background as it is now, at the main window's size.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "shell/artwork.h"
#include "shell/form6_main.h"

namespace {

using namespace tawen;

void DrawMainBackground(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(mainBackground(QSize(680, 480)));
}

void RepaintMainWindowBackground(benchmark::State& state) {
    Form6 window;
    QImage target(window.Picture1->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) window.Picture1->render(&target);
}

BENCHMARK(DrawMainBackground)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(RepaintMainWindowBackground)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
