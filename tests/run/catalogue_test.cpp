#include "run/catalogue.h"

#include "tests/run/fakes.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct AttributeCase {
    int family, version, picture, relevant, other;
};

class AttributePairTest : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(AttributePairTest, PictureMeansWhatItShows) {
    const AttributeCase& c = GetParam();
    AttributeTable table{};
    FillAttributeTable(table, c.family, c.version);
    EXPECT_EQ(table[c.picture], (StimulusAttributes{c.relevant, c.other}));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, AttributePairTest,
    ::testing::Values(AttributeCase{1, 1, 2, 3, 3},    // green patch
                      AttributeCase{1, 2, 11, 4, 4},   // the word red
                      AttributeCase{1, 3, 13, 2, 1},   // word blue in yellow ink: answer the ink
                      AttributeCase{1, 4, 13, 1, 2},   // ... answer the word
                      AttributeCase{1, 3, 26, 3, 4},   // word red in green ink
                      AttributeCase{2, 1, 6, 3, 3},    // digit 3
                      AttributeCase{2, 2, 35, 3, 3},   // three dots, drawing 1
                      AttributeCase{2, 3, 66, 1, 3},   // one copy of 3, drawing 2: answer the count
                      AttributeCase{2, 4, 66, 3, 1},   // ... answer the digit
                      AttributeCase{2, 3, 83, 3, 4})); // three 4s, drawing 1

struct RangeCase {
    int family, version, first, last;
};

class AttributeRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(AttributeRangeTest, WritesOnlyItsPicturesAndExcludesExactlyTheCongruentOnes) {
    const RangeCase& c = GetParam();
    const StimulusAttributes untouched{-9, -9};
    AttributeTable table;
    table.fill(untouched);
    FillAttributeTable(table, c.family, c.version);
    for (int p = 0; p < StimulusPictureCount; ++p) {
        SCOPED_TRACE(p);
        if (p < c.first || p > c.last) {
            EXPECT_EQ(table[p], untouched);
            continue;
        }
        EXPECT_GE(table[p].relevant, 1);
        EXPECT_LE(table[p].relevant, 4);
        EXPECT_EQ(IsExcludedPicture(p), table[p].relevant == table[p].other && c.version >= 3);
    }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, AttributeRangeTest,
                         ::testing::Values(RangeCase{1, 1, 0, 3}, RangeCase{1, 2, 8, 11},
                                           RangeCase{1, 3, 12, 27}, RangeCase{1, 4, 12, 27},
                                           RangeCase{2, 1, 4, 7}, RangeCase{2, 2, 28, 39},
                                           RangeCase{2, 3, 40, 87}, RangeCase{2, 4, 40, 87}));

struct DrawCase {
    int family, version;
    std::vector<std::pair<int, int>> randomRanges; // per accepted draw in versions 1 and 2
};

class StimulusDrawTest : public ::testing::TestWithParam<DrawCase> {};

// Over many seeds: the right identity, never an excluded picture, and the ignored dimension takes
// 1..3 in version 3 and every other value in version 4.
TEST_P(StimulusDrawTest, ManySeeds) {
    const DrawCase& c = GetParam();
    AttributeTable table{};
    FillAttributeTable(table, c.family, c.version);
    for (int cls = 0; cls < 4; ++cls) {
        SCOPED_TRACE(cls);
        const int identity = cls + 1;
        std::set<int> others;
        for (quint32 seed = 1; seed <= 300; ++seed) {
            FakeRandom random(seed);
            const int picture = DrawStimulus(c.family, c.version, cls, random);
            ASSERT_GE(picture, 0);
            ASSERT_LT(picture, StimulusPictureCount);
            EXPECT_FALSE(IsExcludedPicture(picture)) << picture;
            EXPECT_EQ(table[picture].relevant, identity) << picture;
            others.insert(table[picture].other);
            if (c.version <= 2) { // accepted at the first draw
                EXPECT_EQ(random.calls, c.randomRanges);
            }
            for (const auto& range : random.calls)
                EXPECT_TRUE(std::find(c.randomRanges.begin(), c.randomRanges.end(), range) !=
                            c.randomRanges.end());
        }
        std::set<int> expected;
        if (c.version <= 2)
            expected = {identity};
        else
            for (int v = 1; v <= (c.version == 3 ? 3 : 4); ++v)
                if (v != identity)
                    expected.insert(v);
        EXPECT_EQ(others, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, StimulusDrawTest,
                         ::testing::Values(DrawCase{1, 1, {}}, DrawCase{1, 2, {}}, DrawCase{1, 3, {{0, 2}}},
                                           DrawCase{1, 4, {{0, 3}}}, DrawCase{2, 1, {}},
                                           DrawCase{2, 2, {{0, 2}}}, DrawCase{2, 3, {{0, 2}, {0, 2}}},
                                           DrawCase{2, 4, {{0, 11}}}));

TEST(StimulusDraw, FamilyOneVersionThreeNeverShowsTheWordRed) {
    for (quint32 seed = 1; seed <= 300; ++seed) {
        FakeRandom random(seed);
        for (int cls = 0; cls < 4; ++cls) {
            const int picture = DrawStimulus(1, 3, cls, random);
            EXPECT_LT(picture, 24) << "pictures 24..27 are the word red";
        }
    }
}

TEST(StimulusDraw, FamilyTwoVersionThreeNeverShowsAGroupOfFours) {
    for (quint32 seed = 1; seed <= 300; ++seed) {
        FakeRandom random(seed);
        for (int cls = 0; cls < 4; ++cls) {
            const int picture = DrawStimulus(2, 3, cls, random);
            EXPECT_LT(picture, 76) << "pictures 76..87 are groups of 4s";
        }
    }
}

struct RedrawCase {
    int family, version, cls;
    std::vector<int> randoms;
    int firstPicture, acceptedPicture;
};

class RedrawTest : public ::testing::TestWithParam<RedrawCase> {};

TEST_P(RedrawTest, ExcludedPictureIsDrawnAgainForTheSameClass) {
    const RedrawCase& c = GetParam();
    FakeRandom once;
    once.forced.assign(c.randoms.begin(), c.randoms.end());
    EXPECT_EQ(DrawStimulusOnce(c.family, c.version, c.cls, once), c.firstPicture);

    FakeRandom random;
    random.forced.assign(c.randoms.begin(), c.randoms.end());
    EXPECT_EQ(DrawStimulus(c.family, c.version, c.cls, random), c.acceptedPicture);
    EXPECT_TRUE(random.forced.empty());
    EXPECT_EQ(random.calls.size(), c.randoms.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, RedrawTest,
                         ::testing::Values(RedrawCase{1, 3, 1, {1, 0}, 17, 13},
                                           RedrawCase{1, 4, 3, {3, 3, 0}, 27, 24},
                                           RedrawCase{2, 3, 0, {2, 0, 1, 1}, 42, 53},
                                           RedrawCase{2, 4, 2, {6, 0}, 70, 64}));

TEST(TargetSetTest, ResetGivesIdentitiesInOrderWithTheFamilyPictures) {
    for (int family : {1, 2}) {
        TargetSet targets;
        targets.fill({9, 9});
        ResetTargetSet(targets, family);
        EXPECT_EQ(targets[0].identity, 0);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(targets[k].identity, k);
            EXPECT_EQ(targets[k].picture, (family == 1 ? -1 : 3) + k);
        }
    }
}

struct LabelCase {
    int language, family, version, position;
    const char *labelWord, *familyLabel, *versionLabel, *positionLabel, *typeKey;
};

class LabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelTest, LabelsOfTheExerciseType) {
    const LabelCase& c = GetParam();
    TextTable texts;
    SetLanguageTexts(c.language, texts);
    EXPECT_EQ(LabelWord(texts, c.family, c.version), QString::fromUtf8(c.labelWord));
    EXPECT_EQ(FamilyLabel(texts, c.family), QString::fromUtf8(c.familyLabel));
    EXPECT_EQ(VersionLabel(c.language, c.version), QString::fromUtf8(c.versionLabel));
    EXPECT_EQ(PositionLabel(c.language, c.position), QString::fromUtf8(c.positionLabel));
    EXPECT_EQ(TypeKey(c.family, c.version, c.position), QString::fromUtf8(c.typeKey));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelTest,
    ::testing::Values(
        LabelCase{German, 1, 1, 2, "Farbe", "Farbe/Wort", "Version 1", "Fester Rahmen", "Z-112"},
        LabelCase{German, 1, 2, 1, "Wort", "Farbe/Wort", "Version 2", "Variabler Rahmen", "Z-121"},
        LabelCase{German, 1, 3, 2, "Farbe", "Farbe/Wort", "Version 3", "Fester Rahmen", "Z-132"},
        LabelCase{English, 1, 4, 1, "word", "color/word", "version 4", "variable frame", "Z-141"},
        LabelCase{English, 2, 1, 2, "digit", "digit/number", "version 1", "steady frame", "Z-212"},
        LabelCase{German, 2, 2, 1, "Anzahl", "Zahl/Anzahl", "Version 2", "Variabler Rahmen", "Z-221"},
        LabelCase{English, 2, 3, 1, "number", "digit/number", "version 3", "variable frame", "Z-231"},
        LabelCase{German, 2, 4, 2, "Zahl", "Zahl/Anzahl", "Version 4", "Fester Rahmen", "Z-242"}));

TEST(LabelTest, UnknownLanguageGivesNoVersionOrPositionText) {
    EXPECT_EQ(VersionLabel(3, 2), QString());
    EXPECT_EQ(PositionLabel(0, 1), QString());
}

TEST(IdentityNames, ByFamilyAndLanguage) {
    TextTable de, en;
    SetLanguageTexts(German, de);
    SetLanguageTexts(English, en);
    EXPECT_EQ(IdentityName(de, 1, 3), QString::fromUtf8("Grün"));
    EXPECT_EQ(IdentityName(en, 1, 4), QStringLiteral("red"));
    EXPECT_EQ(IdentityName(de, 2, 1), QStringLiteral("Eins"));
    EXPECT_EQ(IdentityName(en, 2, 4), QStringLiteral("four"));
    EXPECT_EQ(IdentityName(en, 2, 0), QString());
}

} // namespace
