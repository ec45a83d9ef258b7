// Reading a large results file: 2000 runs of 200 rounds (about 17 MB), listed and loaded.
#include "results/results_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Runs = 2000;

struct LargeFile {
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;

    LargeFile() {
        path = dir.filePath("Gross.dat");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        RunRecord r;
        r.prname = "Z a v o r";
        r.svtime = "10.30";
        r.info1 = "Farbe/Wort";
        r.info2 = "Version 3";
        r.info3 = "Fester Rahmen";
        r.roundCount = MaxRounds;
        quint32 seed = 1;
        for (int run = 0; run < Runs; ++run) {
            r.svdate = QString("%1.%2.2024")
                           .arg(1 + run % 28, 2, 10, QChar('0'))
                           .arg(1 + run % 12, 2, 10, QChar('0'));
            r.prtkey = QString("Z-%1%2%3").arg(1 + run % 2).arg(1 + run % 4).arg(1 + run % 2);
            for (int k = 1; k <= MaxRounds; ++k) {
                seed = seed * 1103515245u + 12345u;
                const int target = 1 + int((seed >> 8) % 4);
                const int answer = int((seed >> 12) % 5); // 0: time-out
                r.items[k] = {target, answer, 60 + int((seed >> 16) % 2000), 1 + int((seed >> 20) % 4)};
            }
            file.write(FormatRunBlock(r));
        }
        size = file.size();
    }
};

LargeFile& File() {
    static LargeFile file;
    return file;
}

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
