#include "results/stat_grid.h"

#include <gtest/gtest.h>

namespace {

TEST(StatGrid, EachRowShowsItsFieldOfEachBlock) {
    RunRecord record;
    // Distinct values: block b, field f holds 100 * b + f (f in declaration order).
    for (int b = 0; b < 5; ++b) {
        const int base = 100 * b;
        record.stats[b] = {base + 1, base + 2, base + 3, base + 4, base + 5,
                           base + 6, base + 7, base + 8, base + 9, base + 10};
    }
    const auto texts = StatValueTexts(record);
    for (int row = 0; row < StatRowCount; ++row)
        for (int column = 0; column < StatColumnCount; ++column)
            EXPECT_EQ(texts[row][column], QString::number(100 * column + row + 1))
                << StatRowCodes[row] << column;
}

TEST(StatGrid, AnEmptyBlockShowsZeros) {
    RunRecord record;
    record.stats[0] = {3, 500, 20, 1, 900, 0, 1, 0, 1500, 900};
    record.stats[1] = record.stats[0];
    const auto texts = StatValueTexts(record);
    for (int row = 0; row < StatRowCount; ++row)
        for (int column = 2; column < StatColumnCount; ++column)
            EXPECT_EQ(texts[row][column], "0");
    EXPECT_EQ(texts[1][1], "500");
}

struct FamilyCase {
    const char* prtkey;
    int family;
};

class FamilyOfTypeKeyTest : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(FamilyOfTypeKeyTest, ReadsTheThirdCharacter) {
    EXPECT_EQ(FamilyOfTypeKey(QString::fromLatin1(GetParam().prtkey)), GetParam().family);
}

INSTANTIATE_TEST_SUITE_P(Cases, FamilyOfTypeKeyTest,
                         ::testing::Values(FamilyCase{"Z-132", 1}, FamilyCase{"Z-111", 1},
                                           FamilyCase{"Z-241", 2}, FamilyCase{"Z-212", 2},
                                           // damaged keys: the second family, as in the run list
                                           FamilyCase{"", 2}, FamilyCase{"Z-", 2}, FamilyCase{"\\", 2},
                                           FamilyCase{"Z-x12", 2}, FamilyCase{"11-", 2}));

struct HeaderCase {
    int family;
    int language;
    std::array<const char*, 5> headers;
};

class StatColumnHeadersTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(StatColumnHeadersTest, FollowFamilyAndLanguage) {
    const HeaderCase& c = GetParam();
    TextTable table;
    SetLanguageTexts(c.language, table);
    const auto headers = StatColumnHeaders(c.family, c.language, table);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(headers[i], QString::fromUtf8(c.headers[i])) << i;
}

INSTANTIATE_TEST_SUITE_P(Cases, StatColumnHeadersTest,
                         ::testing::Values(HeaderCase{1, German, {"Alle", "Blau", "Gelb", "Grün", "Rot"}},
                                           HeaderCase{2, German, {"Alle", "Eins", "Zwei", "Drei", "Vier"}},
                                           HeaderCase{1, English, {"All", "blue", "yellow", "green", "red"}},
                                           HeaderCase{2, English, {"All", "one", "two", "three", "four"}}));

TEST(StatGrid, RowLabelsByLanguage) {
    const std::array<const char*, 8> german = {"Richtige",   "Mittelwert",   "Standardabw.", "Falsche",
                                               "Mittelwert", "Standardabw.", "Interferenz",  "Eliminierte"};
    const std::array<const char*, 8> english = {"Correct",      "Average value", "Stand.dev.",
                                                "Incorrect",    "Average value", "Stand.dev.",
                                                "Interference", "Eliminated"};
    const auto de = StatRowLabels(German), en = StatRowLabels(English), none = StatRowLabels(3);
    for (int row = 0; row < StatRowCount; ++row) {
        EXPECT_EQ(de[row], QString::fromUtf8(german[row]));
        EXPECT_EQ(en[row], QString::fromUtf8(english[row]));
        EXPECT_TRUE(none[row].isEmpty());
    }
}

} // namespace
