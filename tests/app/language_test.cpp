#include "app/language.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct LanguageCase {
    const char* content; // nullptr: no file
    int current;
    int expected;
};

class LanguageFileTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageFileTest, FirstLineDecides) {
    const LanguageCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("sprache.dat");
    if (c.content) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.content);
    }
    EXPECT_EQ(LoadLanguage(path, c.current), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageFileTest,
    ::testing::Values(LanguageCase{"English\r\n", German, English},
                      LanguageCase{"  ENGLISH  \n", German, English}, LanguageCase{"en\n", English, German},
                      LanguageCase{"deutsch\n", German, German}, LanguageCase{"\nenglish\n", English, German},
                      LanguageCase{"", English, German}, LanguageCase{nullptr, English, German},
                      LanguageCase{"francais", English, English}));

TEST(LanguageTexts, TablesAndUnknownLanguage) {
    TextTable t;
    SetLanguageTexts(German, t);
    EXPECT_EQ(t[0], "Farbe");
    EXPECT_EQ(t[14], QString::fromUtf8("Grün"));
    SetLanguageTexts(English, t);
    EXPECT_EQ(t[3], "number");
    EXPECT_EQ(t[19], "four");
    SetLanguageTexts(3, t); // unknown: unchanged
    EXPECT_EQ(t[19], "four");
    EXPECT_EQ(ByLanguage(3, "a", "b"), QString());
}

} // namespace
