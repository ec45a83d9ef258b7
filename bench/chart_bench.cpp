// Chart data of a large results file, 2000 runs of 200 rounds: one pass over the file against
// loading every run with its own read from the top.
#include "bench/large_results_file.h"
#include "results/chart_data.h"
#include "results/results_file.h"

#include <benchmark/benchmark.h>

namespace {

using bench::File;
using bench::LargeFile;
using bench::Runs;

const ChartFilter AllRuns{0, 0, false, QDate(2024, 1, 1)};

void BM_ChartOnePass(benchmark::State& state) {
    LargeFile& file = File();
    ResultsState results;
    for (auto _ : state) {
        ChartData data = ReadChartData(results, Runs, AllRuns, file.path);
        benchmark::DoNotOptimize(data);
        if (data.bars.size() != Runs || results.runsRead != Runs) {
            state.SkipWithError("file not read completely");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * file.size);
    state.counters["runs"] = Runs;
}

void BM_ChartRunByRun(benchmark::State& state) {
    LargeFile& file = File();
    TextTable texts;
    SetLanguageTexts(German, texts);
    ResultsState results;
    for (auto _ : state) {
        ChartData data = ReadChartDataRunByRun(results, Runs, AllRuns, file.path, German, texts);
        benchmark::DoNotOptimize(data);
        if (data.bars.size() != Runs || results.runsRead != Runs) {
            state.SkipWithError("file not read completely");
            break;
        }
    }
    state.counters["runs"] = Runs;
}

BENCHMARK(BM_ChartOnePass)->Unit(benchmark::kMillisecond);
// Reads the file about a thousand times over: one iteration says enough.
BENCHMARK(BM_ChartRunByRun)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
