#include "run/parameter_values.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase {
    const char* text;
    int time;   // read as a time limit
    int rounds; // read as a number of rounds
};

class ReadNumberEditTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberEditTest, ReadsTheTextOrTheMinimum) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadNumberEdit(QString::fromUtf8(c.text), TimeLimitField), c.time);
    EXPECT_EQ(ReadNumberEdit(QString::fromUtf8(c.text), RoundsField), c.rounds);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadNumberEditTest,
                         ::testing::Values(ReadCase{"20", 20, 20},
                                           // reading does not clamp
                                           ReadCase{"300", 300, 300}, ReadCase{"9999", 9999, 9999},
                                           ReadCase{"-8", -8, -8}, ReadCase{" 40 ", 40, 40},
                                           // not a number: the field's minimum
                                           ReadCase{"", 500, 4}, ReadCase{"abc", 500, 4},
                                           ReadCase{"12a", 500, 4}, ReadCase{"2.5", 500, 4},
                                           ReadCase{"99999999999", 500, 4}));

struct WriteCase {
    int value;
    const char* time;
    const char* rounds;
};

class WriteNumberEditTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteNumberEditTest, ClampsIntoTheRange) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(WriteNumberEdit(c.value, TimeLimitField), c.time);
    EXPECT_EQ(WriteNumberEdit(c.value, RoundsField), c.rounds);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteNumberEditTest,
                         ::testing::Values(WriteCase{248, "500", "200"}, WriteCase{4, "500", "4"},
                                           WriteCase{3, "500", "4"}, WriteCase{200, "500", "200"},
                                           WriteCase{201, "500", "200"}, WriteCase{500, "500", "200"},
                                           WriteCase{3050, "3050", "200"}, WriteCase{5001, "5000", "200"},
                                           WriteCase{-1, "500", "4"}));

struct StartCase {
    const char* rounds;
    bool accepted;
    bool corrected;
    const char* after;
};

class StartCheckTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartCheckTest, CorrectsToAMultipleOfFour) {
    const StartCase& c = GetParam();
    const StartCheck check = CheckRoundsOnStart(QString::fromUtf8(c.rounds));
    EXPECT_EQ(check.accepted, c.accepted);
    EXPECT_EQ(check.corrected, c.corrected);
    EXPECT_EQ(check.roundsText, QString::fromUtf8(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartCheckTest,
    ::testing::Values(StartCase{"20", true, false, "20"}, StartCase{"4", true, false, "4"},
                      StartCase{"21", false, true, "20"}, StartCase{"22", false, true, "20"},
                      StartCase{"23", false, true, "20"}, StartCase{"7", false, true, "4"},
                      StartCase{"199", false, true, "196"},
                      // below the minimum: 4 at once, no message
                      StartCase{"2", true, false, "4"}, StartCase{"0", true, false, "4"},
                      StartCase{"-5", true, false, "4"},
                      // 248 is written, and writing clamps
                      StartCase{"250", false, true, "200"},
                      // a multiple of 4 passes even above the maximum (cut on close)
                      StartCase{"300", true, false, "300"},
                      // empty and letters read as 4 and pass untouched
                      StartCase{"", true, false, ""}, StartCase{"xy", true, false, "xy"}));

struct RepairCase {
    const char* time;
    const char* rounds;
    const char* timeAfter;
    const char* roundsAfter;
};

class RepairOnCloseTest : public ::testing::TestWithParam<RepairCase> {};

TEST_P(RepairOnCloseTest, RepairsBothFields) {
    const RepairCase& c = GetParam();
    const RepairedTexts r = RepairOnClose(QString::fromUtf8(c.time), QString::fromUtf8(c.rounds));
    EXPECT_EQ(r.timeText, QString::fromUtf8(c.timeAfter));
    EXPECT_EQ(r.roundsText, QString::fromUtf8(c.roundsAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RepairOnCloseTest,
    ::testing::Values(RepairCase{"3000", "20", "3000", "20"},
                      // not rounded to the spin step
                      RepairCase{"3050", "40", "3050", "40"}, RepairCase{"", "", "3000", "20"},
                      RepairCase{"  ", " ", "3000", "20"}, RepairCase{"100", "2", "500", "4"},
                      RepairCase{"9999", "300", "5000", "200"}, RepairCase{"abc", "x", "500", "4"},
                      RepairCase{"499", "201", "500", "200"}, RepairCase{"5000", "200", "5000", "200"}));

} // namespace
