// Loading a full-size library, from the enciphered file on disk to a filled
// WordTable: 32,766 lines of word, Chinese meaning and IPA phonetic.

#include <benchmark/benchmark.h>

#include "bench/generated_library.h"
#include "library/library_cipher.h"
#include "library/library_files.h"
#include "study/similar_words.h"

namespace {

using namespace tawen;
using bench::GeneratedLibrary;

void LoadWordFileFullLibrary(benchmark::State& state) {
    const GeneratedLibrary library;
    WordTable table;
    for (auto _ : state) {
        if (!LoadWordFile(GeneratedLibrary::Code, LibraryCipher::CourseKey, table))
            state.SkipWithError("not loaded");
    }
    if (table.wordCount() != MaxWordRows) state.SkipWithError("wrong row count");
    state.SetBytesProcessed(state.iterations() * library.size());
    state.counters["file_bytes"] = double(library.size());
}

// The share of the parsing alone, for comparison.
void ParseWordLinesFullLibrary(benchmark::State& state) {
    const QByteArray plaintext = bench::generatedPlaintext();
    for (auto _ : state) benchmark::DoNotOptimize(parseWordLines(plaintext));
    state.SetBytesProcessed(state.iterations() * plaintext.size());
}

// The first-learn window lists similar words by reading two cells of every
// row, made on demand.
void SimilarWordsFullLibrary(benchmark::State& state) {
    const GeneratedLibrary library;
    WordTable table;
    if (!LoadWordFile(GeneratedLibrary::Code, LibraryCipher::CourseKey, table))
        state.SkipWithError("not loaded");
    const QString word = table.TextMatrix(table.wordCount() / 2, 1);
    for (auto _ : state) benchmark::DoNotOptimize(SimilarWords(word, table));
}

BENCHMARK(LoadWordFileFullLibrary)->Unit(benchmark::kMillisecond)->Repetitions(15);
BENCHMARK(ParseWordLinesFullLibrary)->Unit(benchmark::kMillisecond)->Repetitions(15);
BENCHMARK(SimilarWordsFullLibrary)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
