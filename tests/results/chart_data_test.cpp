#include "results/chart_data.h"
#include "results/results_file.h"
#include "results/statistics.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Nine runs: both families, both position modes, three days, a stray line before the first
// block, a round field that is no number (run 4), a block marked faulty (run 6), a run
// without correct answers (run 5) and a last run without its end line.
const QString Mixed = QStringLiteral(VELMORA_TESTDATA "/chart/mixed.dat");
const QDate Today(2003, 11, 6);

TextTable Texts() {
    TextTable t;
    SetLanguageTexts(German, t);
    return t;
}

std::vector<int> Runs(const ChartData& data) {
    std::vector<int> runs;
    for (const ChartBar& bar : data.bars)
        runs.push_back(bar.run);
    return runs;
}

// A state that holds something else, so that a read that forgets to set it shows.
ResultsState Dirty() {
    ResultsState state;
    state.runRecord.prtkey = QStringLiteral("Z-999");
    state.runRecord.roundCount = 1;
    state.runRecord.items[1] = {1, 1, 1234, 1};
    state.runsRead = 42;
    state.unsavedRun = true;
    return state;
}

TEST(ChartFilterCode, FamilyAndVersionDigits) {
    const struct {
        int type, version;
        const char* code;
    } cases[] = {{0, 0, "-"}, {0, 3, "-"}, {1, 0, "Z-1"}, {1, 2, "Z-12"}, {2, 0, "Z-2"}, {2, 4, "Z-24"}};
    for (const auto& c : cases)
        EXPECT_EQ(ChartFilterCode(c.type, c.version), c.code) << c.type << "/" << c.version;
}

TEST(ChartLists, EntriesComeFromTheTextTableOfTheLanguage) {
    for (int language : {German, English}) {
        TextTable t;
        SetLanguageTexts(language, t);
        const QString all = language == German ? "alle" : "all";
        EXPECT_EQ(ChartTypeEntries(language, t), (QStringList{all, t[0] + "/" + t[1], t[2] + "/" + t[3]}));
        EXPECT_EQ(ChartVersionEntries(0, language, t), QStringList{all});
        EXPECT_EQ(ChartVersionEntries(1, language, t), (QStringList{all, t[4], t[5], t[6], t[7]}));
        EXPECT_EQ(ChartVersionEntries(2, language, t), (QStringList{all, t[8], t[9], t[10], t[11]}));
    }
    const TextTable german = Texts();
    EXPECT_EQ(ChartTypeEntries(German, german)[1], "Farbe/Wort");
    EXPECT_EQ(ChartTypeEntries(German, german)[2], "Zahl/Anzahl");
    EXPECT_EQ(ChartVersionEntries(2, German, german)[3], "Version 3");
}

struct FilterCase {
    const char* name;
    int type, version;
    bool todayOnly;
    int n;
    std::vector<int> runs;
};

class ChartRead : public ::testing::TestWithParam<FilterCase> {};

// The one pass draws what loading each run with its own read draws, and leaves the same state.
TEST_P(ChartRead, OnePassMatchesRunByRunLoading) {
    const FilterCase& c = GetParam();
    const ChartFilter filter{c.type, c.version, c.todayOnly, Today};
    ResultsState onePass = Dirty(), runByRun = Dirty();
    const ChartData fast = ReadChartData(onePass, c.n, filter, Mixed);
    const ChartData slow = ReadChartDataRunByRun(runByRun, c.n, filter, Mixed, German, Texts());
    EXPECT_EQ(fast.code, FileOk);
    EXPECT_EQ(Runs(fast), c.runs);
    EXPECT_EQ(fast.bars, slow.bars);
    EXPECT_EQ(onePass.runsRead, c.n);
    EXPECT_EQ(onePass.runsRead, runByRun.runsRead);
    EXPECT_TRUE(onePass.runRecord == runByRun.runRecord);
    EXPECT_TRUE(onePass.unsavedRun);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartRead,
    ::testing::Values(FilterCase{"All", 0, 0, false, 9, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                      // the code may stand anywhere in prtkey: Z-12 finds Z-121 and Z-122
                      FilterCase{"FirstFamily", 1, 0, false, 9, {1, 2, 5, 8}},
                      FilterCase{"FirstVersion2", 1, 2, false, 9, {2, 5, 8}},
                      FilterCase{"FirstVersion1", 1, 1, false, 9, {1}},
                      FilterCase{"FirstVersion3", 1, 3, false, 9, {}},
                      FilterCase{"SecondFamily", 2, 0, false, 9, {3, 4, 7, 9}},
                      FilterCase{"SecondVersion1", 2, 1, false, 9, {4, 9}},
                      FilterCase{"TodayAll", 0, 0, true, 9, {2, 3, 4, 6, 7, 9}},
                      FilterCase{"TodayFirstVersion2", 1, 2, true, 9, {2}},
                      FilterCase{"TodayFirstVersion1", 1, 1, true, 9, {}},
                      FilterCase{"FirstFiveRuns", 0, 0, false, 5, {1, 2, 3, 4, 5}},
                      FilterCase{"FirstFiveRunsSecondFamily", 2, 0, false, 5, {3, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartRead, BarsCarryMeanAndDeviationOfAllTargets) {
    ResultsState state;
    const ChartData data = ReadChartData(state, 9, {0, 0, false, Today}, Mixed);
    ASSERT_EQ(data.bars.size(), 9);
    // Run 1: correct in 600, 700 and 800 ms, the fourth round wrong.
    EXPECT_EQ(data.bars[0], (ChartBar{1, 700, 100}));
    // Run 5 has no correct answer: a bar of height 0 under its number.
    EXPECT_EQ(data.bars[4], (ChartBar{5, 0, 0}));
    // The last run ends with the file: run 9, and the state holds it with its statistics.
    EXPECT_EQ(data.bars[8], (ChartBar{9, 600, 14}));
    EXPECT_EQ(state.runRecord.prtkey, "Z-211");
    EXPECT_EQ(state.runRecord.stats[0].correct, 2);
}

TEST(ChartRead, RunsBeyondTheEndOfTheFileGiveNoBars) {
    const ChartFilter filter{0, 0, false, Today};
    ResultsState onePass, runByRun;
    const ChartData fast = ReadChartData(onePass, 12, filter, Mixed);
    const ChartData slow = ReadChartDataRunByRun(runByRun, 12, filter, Mixed, German, Texts());
    EXPECT_EQ(Runs(fast), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // Loading a run past the end leaves the last one in the record: it would be drawn again.
    EXPECT_EQ(Runs(slow), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(slow.bars[11].meanCorrect, slow.bars[8].meanCorrect);
    EXPECT_EQ(onePass.runsRead, 9);
    EXPECT_EQ(onePass.runsRead, runByRun.runsRead);
    EXPECT_TRUE(onePass.runRecord == runByRun.runRecord);
}

TEST(ChartRead, NothingToReadLeavesTheStateAlone) {
    QTemporaryDir dir;
    const QString empty = dir.filePath("Leer.dat");
    {
        QFile f(empty);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const struct {
        const char* name;
        QString path;
        int n;
        int code;
        int runsRead;
    } cases[] = {{"missing file", dir.filePath("Fehlt.dat"), 9, FileMissing, 42},
                 {"no run asked for", Mixed, 0, FileOk, 42},
                 // as after loading from an empty file: no run met, the record stays
                 {"empty file", empty, 3, FileOk, 0}};
    for (const auto& c : cases) {
        ResultsState state = Dirty();
        const ResultsState before = state;
        const ChartData data = ReadChartData(state, c.n, {0, 0, false, Today}, c.path);
        EXPECT_EQ(data.code, c.code) << c.name;
        EXPECT_TRUE(data.bars.isEmpty()) << c.name;
        EXPECT_EQ(state.runsRead, c.runsRead) << c.name;
        EXPECT_TRUE(state.runRecord == before.runRecord) << c.name;
    }
}

// A generated file with many runs of both families on several days: the one pass still
// agrees with loading run by run.
TEST(ChartRead, OnePassMatchesRunByRunOnAGeneratedFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Viele.dat");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    quint32 seed = 7;
    const int runs = 60;
    for (int run = 0; run < runs; ++run) {
        RunRecord r;
        r.prname = "Z a v o r";
        r.svdate = run % 3 == 0 ? "06.11.2003" : "05.11.2003";
        r.prtkey = QString("Z-%1%2%3").arg(1 + run % 2).arg(1 + run / 2 % 4).arg(1 + run / 8 % 2);
        r.info1 = run % 2 ? "Zahl/Anzahl" : "Farbe/Wort";
        r.roundCount = 1 + run % 40;
        for (int k = 1; k <= r.roundCount; ++k) {
            seed = seed * 1103515245u + 12345u;
            r.items[k] = {1 + int(seed >> 8) % 4, int(seed >> 12) % 5, 60 + int(seed >> 16) % 1500,
                          1 + int(seed >> 20) % 4};
        }
        file.write(FormatRunBlock(r));
    }
    file.close();
    for (const ChartFilter& filter :
         {ChartFilter{0, 0, false, Today}, ChartFilter{1, 3, false, Today}, ChartFilter{2, 0, true, Today}}) {
        ResultsState onePass, runByRun;
        const ChartData fast = ReadChartData(onePass, runs, filter, path);
        const ChartData slow = ReadChartDataRunByRun(runByRun, runs, filter, path, German, Texts());
        EXPECT_FALSE(fast.bars.isEmpty());
        EXPECT_EQ(fast.bars, slow.bars);
        EXPECT_TRUE(onePass.runRecord == runByRun.runRecord);
        EXPECT_EQ(onePass.runsRead, runs);
    }
}

} // namespace
