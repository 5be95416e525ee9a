// The first load of a full-size course in a fresh process, as when the
// library window opens the saved course right after login: nothing is warm,
// neither tables nor memory. Each run is a new process; it reports the CPU
// and elapsed time of its one load.
//   bench_first_load [runs]

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "bench/generated_library.h"
#include "library/library_cipher.h"
#include "library/library_files.h"
#include "platform/paths.h"

namespace {

using namespace tawen;

double millisecondsOf(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

int loadOnce(const QString& root) {
    platform::setRoot(root);
    WordTable table;
    const double cpu = millisecondsOf(CLOCK_PROCESS_CPUTIME_ID);
    const double wall = millisecondsOf(CLOCK_MONOTONIC);
    const bool loaded =
        bool(LoadWordFile(bench::GeneratedLibrary::Code, LibraryCipher::CourseKey, table));
    const double wallTaken = millisecondsOf(CLOCK_MONOTONIC) - wall;
    const double cpuTaken = millisecondsOf(CLOCK_PROCESS_CPUTIME_ID) - cpu;
    if (!loaded || table.wordCount() != MaxWordRows) return 1;
    std::printf("%.3f %.3f\n", cpuTaken, wallTaken);
    return 0;
}

struct Figures {
    std::vector<double> values;

    void print(const char* name) {
        std::sort(values.begin(), values.end());
        std::printf("%-14s median %6.2f ms   min %6.2f   max %6.2f   (%zu runs)\n", name,
                    values[values.size() / 2], values.front(), values.back(), values.size());
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && QByteArrayView(argv[1]) == "--child")
        return loadOnce(QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;
    const bench::GeneratedLibrary library;
    Figures cpu;
    Figures wall;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--child", library.root()});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed: %s\n", run,
                         child.readAllStandardError().constData());
            return 1;
        }
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        cpu.values.push_back(figures.value(0).toDouble());
        wall.values.push_back(figures.value(1).toDouble());
    }
    std::printf("first load of a %lld-byte, %d-word course in a fresh process\n",
                static_cast<long long>(library.size()), MaxWordRows);
    cpu.print("CPU");
    wall.print("elapsed");
    return 0;
}
