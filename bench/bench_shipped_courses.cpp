// The shipped courses: the total size of Word/ as the build makes it, and the
// time to load the largest course (托福词汇, about 10,000 words) the way the
// library window loads it.
//   bench_shipped_courses [benchmark options]

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "library/library_cipher.h"
#include "library/library_files.h"
#include "platform/paths.h"

namespace {

using namespace tawen;

const QString LargestCourse = QStringLiteral("TOEFLCiHui");

void LoadLargestCourse(benchmark::State& state) {
    platform::setRoot(QStringLiteral(TAWEN_STAGE_DIR));
    WordTable table;
    for (auto _ : state) {
        if (!LoadWordFile(LargestCourse, LibraryCipher::CourseKey, table))
            state.SkipWithError("TOEFLCiHui.twn not loaded");
    }
    state.counters["words"] = table.wordCount();
}

BENCHMARK(LoadLargestCourse)->Unit(benchmark::kMillisecond)->Repetitions(15);

void printWordFolderSize() {
    const QDir word(QStringLiteral(TAWEN_STAGE_DIR "/Word"));
    qint64 bytes = 0;
    int courses = 0;
    for (const QFileInfo& file : word.entryInfoList({QStringLiteral("*.twn")}, QDir::Files)) {
        bytes += file.size();
        ++courses;
    }
    std::printf("Word/: %d course files, %.2f MiB (%lld bytes)\n", courses,
                double(bytes) / (1024.0 * 1024.0), static_cast<long long>(bytes));
}

}  // namespace

int main(int argc, char** argv) {
    printWordFolderSize();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
