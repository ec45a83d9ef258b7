// Reading a large results file: 2000 runs of 200 rounds (about 17 MB), listed and loaded.
#include "bench/large_results_file.h"
#include "results/results_file.h"

#include <benchmark/benchmark.h>

namespace {

using bench::File;
using bench::LargeFile;
using bench::Runs;

void Read(benchmark::State& state, int k) {
    LargeFile& file = File();
    TextTable texts;
    SetLanguageTexts(German, texts);
    ResultsState results;
    for (auto _ : state) {
        ReadResult r = ReadResults(results, k, false, file.path, German, texts);
        benchmark::DoNotOptimize(r);
        if (results.runsRead != Runs || (k == 0 && r.entries.size() != Runs)) {
            state.SkipWithError("file not read completely");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * file.size);
    state.counters["runs"] = Runs;
    state.counters["MB"] = double(file.size) / 1e6;
}

void BM_ListAllRuns(benchmark::State& state) {
    Read(state, 0);
}
void BM_LoadLastRun(benchmark::State& state) {
    Read(state, Runs);
}

BENCHMARK(BM_ListAllRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLastRun)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
