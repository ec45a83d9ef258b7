#include "app/options.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray le(qint32 a, qint32 b) {
    QByteArray bytes(8, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[i] = char((a >> (8 * i)) & 0xff);
        bytes[4 + i] = char((b >> (8 * i)) & 0xff);
    }
    return bytes;
}

struct OptionsCase {
    const char* name;
    bool exists;
    QByteArray content;
    OptionsRecord expected;
};

class OptionsFileTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(OptionsFileTest, Loads) {
    const OptionsCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("optionen.cfg");
    if (c.exists) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.content);
    }
    EXPECT_EQ(LoadOptionen(path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionsFileTest,
    ::testing::Values(OptionsCase{"missing", false, {}, {1, 30}},
                      OptionsCase{"fourBytesGivesBothDefaults", true, le(0, 99).left(4), {1, 30}},
                      OptionsCase{"twoInFirstField", true, le(2, 30), {2, 30}},
                      OptionsCase{"ninetyNineReserved", true, le(0, 99), {0, 99}},
                      OptionsCase{"negativeValues", true, le(-1, -7), {-1, -7}},
                      OptionsCase{"longerFileReadsFirstEight", true, le(0, 5) + "garbage", {0, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OptionsFile, SaveWritesExactlyEightLittleEndianBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("optionen.cfg");
    ASSERT_TRUE(SaveOptionen({0, 99}, path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), le(0, 99));
    f.close();
    ASSERT_TRUE(SaveOptionen({1, 0x01020304}, path)); // replaces, not appends
    EXPECT_EQ(LoadOptionen(path), (OptionsRecord{1, 0x01020304}));
    EXPECT_EQ(QFileInfo(path).size(), 8);
}

TEST(OptionsFile, SaveIntoMissingFolderFailsQuietly) {
    QTemporaryDir dir;
    EXPECT_FALSE(SaveOptionen({1, 30}, dir.filePath("no/such/folder/optionen.cfg")));
}

} // namespace
