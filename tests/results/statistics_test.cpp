#include "results/statistics.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

RunRecord MakeRecord(const std::vector<RoundItem>& rounds) {
    RunRecord record;
    record.prname = "Z a v o r";
    record.roundCount = qint32(rounds.size());
    for (size_t i = 0; i < rounds.size(); ++i)
        record.items[i + 1] = rounds[i];
    return record;
}

struct BlockStats {
    int block;
    RunStats stats;
};

struct StatisticsCase {
    const char* name;
    std::vector<RoundItem> rounds;    // {target, answer, time, other}
    std::vector<BlockStats> expected; // blocks not named here must be all zero
};

void PrintTo(const StatisticsCase& c, std::ostream* os) {
    *os << c.name;
}

class StatisticsTest : public ::testing::TestWithParam<StatisticsCase> {};

TEST_P(StatisticsTest, BlocksMatch) {
    const StatisticsCase& c = GetParam();
    RunRecord record = MakeRecord(c.rounds);
    // Left-overs of an earlier run must not leak into the result.
    record.items[record.roundCount + 1] = {1, 1, 999, 1};
    record.stats.fill(RunStats{7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
    const RunRecord before = record;

    ComputeStatistics(record);

    std::array<RunStats, 5> expected{};
    for (const BlockStats& b : c.expected)
        expected[b.block] = b.stats;
    for (int b = 0; b < 5; ++b) {
        const RunStats& s = record.stats[b];
        const RunStats& e = expected[b];
        SCOPED_TRACE("block " + std::to_string(b));
        EXPECT_EQ(s.correct, e.correct);
        EXPECT_EQ(s.meanCorrect, e.meanCorrect);
        EXPECT_EQ(s.sdCorrect, e.sdCorrect);
        EXPECT_EQ(s.wrong, e.wrong);
        EXPECT_EQ(s.meanWrong, e.meanWrong);
        EXPECT_EQ(s.sdWrong, e.sdWrong);
        EXPECT_EQ(s.interference, e.interference);
        EXPECT_EQ(s.eliminated, e.eliminated);
        EXPECT_EQ(s.sumCorrect, e.sumCorrect);
        EXPECT_EQ(s.sumWrong, e.sumWrong);
    }

    // Only the statistics change, and a second pass gives the same values.
    RunRecord again = record;
    again.stats = before.stats;
    EXPECT_EQ(again, before);
    ComputeStatistics(again);
    EXPECT_EQ(again.stats, record.stats);
}

// RunStats order: correct, meanCorrect, sdCorrect, wrong, meanWrong, sdWrong, interference, eliminated,
// sumCorrect, sumWrong.
INSTANTIATE_TEST_SUITE_P(Cases, StatisticsTest,
                         ::testing::Values(StatisticsCase{"ThreeCorrect",
                                                          {{1, 1, 500, 1}, {1, 1, 600, 1}, {1, 1, 700, 1}},
                                                          {{0, {3, 600, 100, 0, 0, 0, 0, 0, 1800, 0}},
                                                           {1, {3, 600, 100, 0, 0, 0, 0, 0, 1800, 0}}}},
                                           StatisticsCase{"DeviationFromTruncatedMean",
                                                          {{2, 2, 500, 2}, {2, 2, 501, 2}},
                                                          {{0, {2, 500, 1, 0, 0, 0, 0, 0, 1001, 0}},
                                                           {2, {2, 500, 1, 0, 0, 0, 0, 0, 1001, 0}}}},
                                           StatisticsCase{"TimeOutCountsInWrongButAddsNoSquare",
                                                          {{3, 0, 3000, 3}, {3, 1, 700, 3}},
                                                          {{0, {0, 0, 0, 2, 1850, 1150, 0, 0, 0, 3700}},
                                                           {3, {0, 0, 0, 2, 1850, 1150, 0, 0, 0, 3700}}}},
                                           StatisticsCase{"EightyIsEliminatedEightyOneCounts",
                                                          {{4, 4, 80, 4}, {4, 4, 81, 4}},
                                                          {{0, {1, 81, 0, 0, 0, 0, 0, 1, 81, 0}},
                                                           {4, {1, 81, 0, 0, 0, 0, 0, 1, 81, 0}}}},
                                           StatisticsCase{"InterferenceOnlyWhenAnswerIsOther",
                                                          {{1, 3, 700, 3}, {1, 2, 900, 3}},
                                                          {{0, {0, 0, 0, 2, 800, 141, 1, 0, 0, 1600}},
                                                           {1, {0, 0, 0, 2, 800, 141, 1, 0, 0, 1600}}}},
                                           StatisticsCase{"NoInterferenceWhenOtherIsTarget",
                                                          {{2, 4, 650, 2}, {2, 2, 640, 2}},
                                                          {{0, {1, 640, 0, 1, 650, 0, 0, 0, 640, 650}},
                                                           {2, {1, 640, 0, 1, 650, 0, 0, 0, 640, 650}}}},
                                           StatisticsCase{"EachBlockUsesItsOwnMean",
                                                          {{1, 1, 500, 1}, {1, 1, 700, 1}, {2, 2, 900, 2}},
                                                          {{0, {3, 700, 200, 0, 0, 0, 0, 0, 2100, 0}},
                                                           {1, {2, 600, 141, 0, 0, 0, 0, 0, 1200, 0}},
                                                           {2, {1, 900, 0, 0, 0, 0, 0, 0, 900, 0}}}},
                                           StatisticsCase{"NoRounds", {}, {}}),
                         [](const ::testing::TestParamInfo<StatisticsCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(StatisticsTest, DamagedValuesStayInBounds) {
    // A record read from a damaged file: unknown targets, a count past the array, huge times.
    RunRecord record = MakeRecord({{0, 0, 500, 0}, {5, 5, 600, 5}, {-1, 2, 700, 1}});
    ComputeStatistics(record);
    EXPECT_EQ(record.stats[0].correct, 1);
    EXPECT_EQ(record.stats[0].wrong, 2);
    for (int b = 1; b <= 4; ++b)
        EXPECT_EQ(record.stats[b], RunStats{}) << "block " << b;

    for (int k = 1; k <= MaxRounds; ++k)
        record.items[k] = {1, 1, 500, 1};
    record.roundCount = MaxRounds + 50;
    ComputeStatistics(record);
    EXPECT_EQ(record.stats[0].correct, MaxRounds);
    record.roundCount = -3;
    ComputeStatistics(record);
    EXPECT_EQ(record.stats[0], RunStats{});

    const qint32 big = 2000000000;
    record = MakeRecord({{1, 1, big, 1}, {1, 1, big, 1}, {1, 2, big, 3}, {1, 0, big, 1}});
    ComputeStatistics(record);
    EXPECT_EQ(record.stats[0].meanCorrect, big);
    EXPECT_EQ(record.stats[0].sdCorrect, 0);
    EXPECT_EQ(record.stats[0].meanWrong, big);
    EXPECT_EQ(record.stats[0].sumCorrect, std::numeric_limits<qint32>::max());
}

} // namespace
