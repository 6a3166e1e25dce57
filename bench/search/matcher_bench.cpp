// The matcher alone over 64 MB of G-code in memory (no file reading): the part of the
// search the engine's own code decides.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "GcodeGen.h"
#include "search/SearchStream.h"

namespace {

const std::string& Text() {
    static const std::string text = [] {
        std::mt19937 rng(7);
        std::string all;
        for (int n = 0; all.size() < (64u << 20); ++n)
            all += scarrow_bench::Program(rng, 100000, n);
        return all;
    }();
    return text;
}

void Scan(benchmark::State& state, std::vector<std::string> words, bool wide) {
    const std::string& text = Text();
    scarrow::CSearchStream stream(words, true, false, 0);
    stream.SetWideVectors(wide);
    std::vector<scarrow::CFoundWord> found;
    for (auto _ : state) {
        found.clear();
        stream.ScanBytes(text, found);
        benchmark::DoNotOptimize(found.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["occurrences"] = static_cast<double>(found.size());
}

BENCHMARK_CAPTURE(Scan, two_words_avx2, {"G83", "T17"}, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Scan, two_words_sse2, {"G83", "T17"}, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Scan, one_word_avx2, {"M06"}, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Scan, six_words_avx2, {"G83", "T17", "M30", "G43 H", "DRILL", "(TOOL 9"}, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Scan, frequent_word_avx2, {"X"}, true)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
