#include "results/results_file.h"
#include "results/statistics.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(VELMORA_TESTDATA "/results/") + QLatin1String(name);
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

TextTable Texts(int language) {
    TextTable t;
    SetLanguageTexts(language, t);
    return t;
}

RunRecord MakeRecord(const QStringList& header, const std::vector<RoundItem>& rounds) {
    RunRecord r;
    QString* fields[9] = {&r.prname, &r.svdate, &r.svtime, &r.prtkey, &r.info1,
                          &r.info2,  &r.info3,  &r.info4,  &r.info5};
    for (int i = 0; i < 9 && i < header.size(); ++i)
        *fields[i] = header[i];
    r.roundCount = qint32(rounds.size());
    for (size_t i = 0; i < rounds.size(); ++i)
        r.items[i + 1] = rounds[i];
    return r;
}

// The first run of the fixtures: the two rounds of the example block.
RunRecord ExampleRun() {
    return MakeRecord(
        {"Z a v o r", "05.11.2003", "09.05", "Z-112", "Farbe/Wort", "Version 1", "Variabler Rahmen"},
        {{1, 1, 612, 1}, {3, 2, 745, 3}});
}

const std::vector<RoundItem> Run2Rounds = {{1, 1, 540, 3},  {2, 2, 610, 1}, {3, 1, 700, 1}, {4, 4, 820, 2},
                                           {2, 0, 3000, 4}, {1, 1, 75, 2},  {3, 3, 655, 1}, {4, 2, 930, 1}};

// A temp folder with an empty results file, as a new user gets it.
class ResultsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath("Muster.dat");
        WriteAll(m_path, {});
    }
    QTemporaryDir m_dir;
    QString m_path;
};

// ---- writing ----

TEST_F(ResultsFileTest, AppendWritesTheStoredFormat) {
    ASSERT_EQ(AppendRun(ExampleRun(), m_path).code, FileOk);
    const QByteArray block = ReadAll(Fixture("example_block.dat"));
    ASSERT_FALSE(block.isEmpty());
    EXPECT_EQ(ReadAll(m_path), block);
    ASSERT_EQ(AppendRun(ExampleRun(), m_path).code, FileOk);
    EXPECT_EQ(ReadAll(m_path), block + block); // only ever appended
}

TEST(FormatRunBlock, LineShapes) {
    RunRecord r = MakeRecord({"Z a v o r", "05.11.2003", "09.05", "Z-241", "12345678901234567890",
                              "123456789012345678901234", QString::fromUtf8("Grün"), "a\tb", ""},
                             {});
    for (int k = 1; k <= 8; ++k)
        r.items[k] = {k % 4 + 1, k % 3, 100 * k, -k};
    r.items[9] = {0, 1, 500, 1}; // no target: not stored
    r.roundCount = 9;
    const QList<QByteArray> lines = FormatRunBlock(r).split('\n');
    ASSERT_EQ(lines.size(), 19); // 18 lines and the empty rest after the last CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 18; ++i) {
        ASSERT_TRUE(lines[i].endsWith('\r')) << i;
        EXPECT_EQ(lines[i].size() - 1, i < 9 ? 29 : i < 17 ? 40 : 9) << i;
    }
    EXPECT_EQ(lines[4], "$ info 1 12345678901234567890\r");
    EXPECT_EQ(lines[5], "$ info 2 12345678901234567890\r"); // cut to the field
    EXPECT_EQ(lines[6], "$ info 3                 Gr?n\r"); // ASCII only
    EXPECT_EQ(lines[7], "$ info 4                  a b\r");
    EXPECT_EQ(lines[8], "$ info 5                     \r");
    EXPECT_EQ(lines[9], "         2         1       100        -1\r");
    EXPECT_EQ(lines[17], "$ eodata \r");
}

TEST_F(ResultsFileTest, MissingFileIsNotCreatedAndTheRunStaysUnsaved) {
    QFile::remove(m_path);
    ResultsState state;
    state.runRecord = ExampleRun();
    state.unsavedRun = true;
    const FileResult r = StoreRun(state, m_path);
    EXPECT_EQ(r.code, FileMissing);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_FALSE(QFile::exists(m_path));
    EXPECT_TRUE(state.unsavedRun);

    WriteAll(m_path, {}); // the user file is there again
    EXPECT_EQ(StoreRun(state, m_path).code, FileOk);
    EXPECT_FALSE(state.unsavedRun);
    EXPECT_EQ(ReadAll(m_path), ReadAll(Fixture("example_block.dat")));
}

struct FailureCase {
    const char* name;
    bool failWrite;  // the second write call fails after half the block went out
    bool stallWrite; // the second write call makes no progress
    bool failSync;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class AppendFailureTest : public ResultsFileTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AppendFailureTest, FileIsCutBackAndRetryWorks) {
    const FailureCase& c = GetParam();
    ASSERT_EQ(AppendRun(ExampleRun(), m_path).code, FileOk);
    const QByteArray before = ReadAll(m_path);

    ResultsState state;
    state.runRecord =
        MakeRecord({"Z a v o r", "06.11.2003", "14.30", "Z-241", "Zahl/Anzahl", "Version 4"}, Run2Rounds);
    state.unsavedRun = true;
    int calls = 0;
    AppendOptions failing;
    failing.write = [&](int fd, const char* data, qint64 size) -> qint64 {
        if (calls++ == 0)
            return ::write(fd, data, size_t(size / 2));
        if (c.stallWrite)
            return 0;
        if (c.failWrite) {
            errno = EIO;
            return -1;
        }
        return ::write(fd, data, size_t(size));
    };
    failing.sync = [&](int fd) {
        if (c.failSync) {
            errno = EIO;
            return -1;
        }
        return ::fsync(fd);
    };

    const FileResult r = StoreRun(state, m_path, failing);
    EXPECT_EQ(r.code, FileIoError);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(ReadAll(m_path), before);
    EXPECT_TRUE(state.unsavedRun);

    ASSERT_EQ(StoreRun(state, m_path).code, FileOk);
    EXPECT_FALSE(state.unsavedRun);
    ResultsState read;
    const ReadResult list = ReadResults(read, 0, false, m_path, German, Texts(German));
    EXPECT_EQ(list.entries, QStringList({"1;05.11.2003;Farbe/Wort - Version 1;2;1;612;0;1;0",
                                         "2;06.11.2003;Zahl/Anzahl - Version 4;8;4;656;118;3;1"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, AppendFailureTest,
                         ::testing::Values(FailureCase{"WriteFailsMidway", true, false, false},
                                           FailureCase{"WriteStalls", false, true, false},
                                           FailureCase{"SyncFails", false, false, true}),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             return std::string(info.param.name);
                         });

// A real write error from the kernel: the file size limit is hit in the middle of the block.
TEST_F(ResultsFileTest, FileSizeLimitMidBlockLeavesTheFileAsItWas) {
    ASSERT_EQ(AppendRun(ExampleRun(), m_path).code, FileOk);
    const QByteArray before = ReadAll(m_path);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old;
    limit.rlim_cur = rlim_t(before.size() + 100);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const FileResult r = AppendRun(ExampleRun(), m_path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(r.code, FileIoError);
    EXPECT_TRUE(r.error.startsWith("write")) << r.error.toStdString();
    EXPECT_EQ(ReadAll(m_path), before);
}

TEST_F(ResultsFileTest, AppendWaitsForAnotherWritersLock) {
    const int other = ::open(QFile::encodeName(m_path).constData(), O_RDWR);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    std::atomic<bool> done{false};
    FileResult result;
    std::thread writer([&] {
        result = AppendRun(ExampleRun(), m_path);
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(done);
    EXPECT_TRUE(ReadAll(m_path).isEmpty());
    ::flock(other, LOCK_UN);
    ::close(other);
    writer.join();
    EXPECT_EQ(result.code, FileOk);
    EXPECT_EQ(ReadAll(m_path), ReadAll(Fixture("example_block.dat")));
}

TEST_F(ResultsFileTest, LockNeverReleasedIsAnErrorAndKeepsTheRunUnsaved) {
    const int other = ::open(QFile::encodeName(m_path).constData(), O_RDWR);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    ResultsState state;
    state.runRecord = ExampleRun();
    state.unsavedRun = true;
    AppendOptions options;
    options.lockTimeoutMs = 100;
    const FileResult r = StoreRun(state, m_path, options);
    ::close(other);
    EXPECT_EQ(r.code, FileIoError);
    EXPECT_TRUE(state.unsavedRun);
    EXPECT_TRUE(ReadAll(m_path).isEmpty());
}

// Two programs append to one shared file, each writing in small pieces: blocks must not interleave.
TEST_F(ResultsFileTest, ConcurrentAppendsKeepBlocksWhole) {
    constexpr int PerWriter = 15;
    AppendOptions slow;
    slow.write = [](int fd, const char* data, qint64 size) -> qint64 {
        std::this_thread::yield();
        return ::write(fd, data, size_t(std::min<qint64>(size, 13)));
    };
    auto writer = [&](const char* date) {
        for (int i = 0; i < PerWriter; ++i) {
            RunRecord r = ExampleRun();
            r.svdate = date;
            ASSERT_EQ(AppendRun(r, m_path, slow).code, FileOk);
        }
    };
    std::thread a(writer, "01.01.2004");
    std::thread b(writer, "02.01.2004");
    a.join();
    b.join();

    ResultsState state;
    const ReadResult list = ReadResults(state, 0, false, m_path, German, Texts(German));
    ASSERT_EQ(list.entries.size(), 2 * PerWriter);
    for (int i = 0; i < list.entries.size(); ++i) {
        const QStringList f = list.entries[i].split(';');
        ASSERT_EQ(f.size(), 9) << list.entries[i].toStdString();
        EXPECT_EQ(f[0].toInt(), i + 1);
        EXPECT_TRUE(f[1] == "01.01.2004" || f[1] == "02.01.2004");
        EXPECT_EQ(f.mid(2).join(';'), "Farbe/Wort - Version 1;2;1;612;0;1;0");
    }
}

// ---- reading ----

struct ListCase {
    const char* name;
    const char* fixture;
    int language;
    const char* today; // nullptr: all runs
    int runsRead;
    QStringList entries;
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

class ListModeTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListModeTest, Entries) {
    const ListCase& c = GetParam();
    ResultsState state;
    state.runsRead = 99;
    const QDate today = c.today ? QDate::fromString(c.today, "dd.MM.yyyy") : QDate(2003, 11, 5);
    const ReadResult r =
        ReadResults(state, 0, c.today != nullptr, Fixture(c.fixture), c.language, Texts(c.language), today);
    EXPECT_EQ(r.code, FileOk);
    EXPECT_EQ(r.entries, c.entries);
    EXPECT_EQ(state.runsRead, c.runsRead);
}

const QString E1de = "1;05.11.2003;Farbe/Wort - Version 1;2;1;612;0;1;0";
const QString E2de = "2;06.11.2003;Zahl/Anzahl - Version 4;8;4;656;118;3;1";
const QString E3de = "3;07.11.2003;color/word - Version 3;20;17;652;97;2;1";
const QString E1en = "1;05.11.2003;Farbe/Wort - version 1;2;1;612;0;1;0";
const QString E2en = "2;06.11.2003;Zahl/Anzahl - version 4;8;4;656;118;3;1";
const QString E3en = "3;07.11.2003;color/word - version 3;20;17;652;97;2;1";
const QString Unknown = "-;-;Unbekannt;0;0;0;0;0;0";

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ListModeTest,
    ::testing::Values(
        ListCase{"WrittenGerman", "written.dat", German, nullptr, 3, {E1de, E2de, E3de}},
        ListCase{"WrittenEnglish", "written.dat", English, nullptr, 3, {E1en, E2en, E3en}},
        ListCase{"LineFeedOnly", "written_lf.dat", German, nullptr, 3, {E1de, E2de, E3de}},
        ListCase{"TodayKeepsNumbers", "written.dat", German, "06.11.2003", 3, {E2de}},
        ListCase{"TodayWithoutRuns", "written.dat", German, "08.11.2003", 3, {}},
        ListCase{"EmptyFile", "empty.dat", German, nullptr, 0, {Unknown}},
        ListCase{"EmptyFileEnglish", "empty.dat", English, nullptr, 0, {Unknown}},
        ListCase{"EmptyFileToday", "empty.dat", German, "05.11.2003", 0, {}},
        // Only the damaged run is marked; the runs after it stay visible.
        ListCase{"DamagedGerman", "damaged.dat", German, nullptr, 3, {E1de, "Datenfehler", E3de}},
        ListCase{"DamagedEnglish", "damaged.dat", English, nullptr, 3, {E1en, "File error", E3en}},
        ListCase{"DamagedToday", "damaged.dat", German, "06.11.2003", 3, {"Datenfehler"}},
        ListCase{"DamagedOtherDay", "damaged.dat", German, "07.11.2003", 3, {E3de}},
        ListCase{"OddLinesAreNoRounds", "odd_lines.dat", German, nullptr, 1, {E1de}},
        ListCase{"MissingEndLines",
                 "no_end_line.dat",
                 German,
                 nullptr,
                 4,
                 {E1de, "2;06.11.2003;Unbekannt;0;0;0;0;0;0",
                  "3;06.11.2003;Zahl/Anzahl - Version 4;8;4;656;118;3;1",
                  "4;07.11.2003;color/word - Version 3;5;5;660;74;0;0"}},
        ListCase{"SpecialBlocksGerman",
                 "special_blocks.dat",
                 German,
                 nullptr,
                 4,
                 {Unknown, Unknown, "-;-;Datenfehler;0;0;0;0;0;0", "-;-;Keine Daten vorhanden;0;0;0;0;0;0",
                  "3;05.11.2003;Farbe/Wort - Version 1;2;1;612;0;1;0",
                  "4;06.11.2003;Zahl/Anzahl - Version 4;8;4;656;118;3;1"}},
        ListCase{"SpecialBlocksEnglish",
                 "special_blocks.dat",
                 English,
                 nullptr,
                 4,
                 {Unknown, Unknown, "-;-;File error;0;0;0;0;0;0", "-;-;No data available;0;0;0;0;0;0",
                  "3;05.11.2003;Farbe/Wort - version 1;2;1;612;0;1;0",
                  "4;06.11.2003;Zahl/Anzahl - version 4;8;4;656;118;3;1"}},
        ListCase{"SpecialBlocksToday",
                 "special_blocks.dat",
                 German,
                 "05.11.2003",
                 4,
                 {"3;05.11.2003;Farbe/Wort - Version 1;2;1;612;0;1;0"}}),
    [](const ::testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

TEST(LoadMode, LoadsRunKWithItsStatistics) {
    ResultsState state;
    const ReadResult r = ReadResults(state, 2, false, Fixture("written.dat"), German, Texts(German));
    EXPECT_EQ(r.code, FileOk);
    EXPECT_TRUE(r.entries.isEmpty());
    EXPECT_EQ(state.runsRead, 2);
    RunRecord expected = MakeRecord(
        {"Z a v o r", "06.11.2003", "14.30", "Z-241", "Zahl/Anzahl", "Version 4", "Variabler Rahmen", "", ""},
        Run2Rounds);
    expected.stats[0] = {4, 656, 118, 3, 1543, 737, 1, 1, 2625, 4630};
    expected.stats[1] = {1, 540, 0, 0, 0, 0, 0, 1, 540, 0};
    expected.stats[2] = {1, 610, 0, 1, 3000, 0, 0, 0, 610, 3000};
    expected.stats[3] = {1, 655, 0, 1, 700, 0, 1, 0, 655, 700};
    expected.stats[4] = {1, 820, 0, 1, 930, 0, 0, 0, 820, 930};
    EXPECT_EQ(state.runRecord, expected);

    // Past the last run: the last block read stays, runsRead tells how many there were.
    ReadResults(state, 9, false, Fixture("written.dat"), German, Texts(German));
    EXPECT_EQ(state.runsRead, 3);
    EXPECT_EQ(state.runRecord.svdate, "07.11.2003");
    EXPECT_EQ(state.runRecord.roundCount, 20);
    EXPECT_EQ(state.runRecord.stats[0].correct, 17);

    // A damaged field reads as 0 and the run is still computed.
    ReadResults(state, 2, false, Fixture("damaged.dat"), German, Texts(German));
    EXPECT_EQ(state.runsRead, 2);
    EXPECT_EQ(state.runRecord.items[3], (RoundItem{3, 0, 700, 1}));
    EXPECT_EQ(state.runRecord.stats[0].wrong, 3); // the round became a time-out
    EXPECT_EQ(state.runRecord.stats[0].interference, 0);
}

TEST(LoadMode, MissingFileChangesNothing) {
    ResultsState state;
    state.runRecord = ExampleRun();
    state.runsRead = 7;
    const ReadResult r = ReadResults(state, 0, false, "/nonexistent/Muster.dat", German, Texts(German));
    EXPECT_EQ(r.code, FileMissing);
    EXPECT_TRUE(r.entries.isEmpty());
    EXPECT_EQ(state.runsRead, 7);
    EXPECT_EQ(state.runRecord, ExampleRun());

    ReadResults(state, 0, false, Fixture("empty.dat"), German, Texts(German));
    EXPECT_EQ(state.runsRead, 0);
    EXPECT_EQ(state.runRecord, ExampleRun()); // no block read, so nothing replaced
}

TEST_F(ResultsFileTest, AppendThenReadGivesTheSameRuns) {
    std::vector<RunRecord> runs;
    quint32 seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % quint32(n));
    };
    const int counts[] = {1, 8, 20, 200, 37};
    for (int i = 0; i < 5; ++i) {
        RunRecord r =
            MakeRecord({"Z a v o r", QString("%1.12.2024").arg(10 + i, 2, 10, QChar('0')), "08.15",
                        QString("Z-%1%2%3").arg(1 + i % 2).arg(1 + i % 4).arg(1 + i % 2),
                        i % 2 ? "digit/number" : "Farbe/Wort", "Version 2", "Fester Rahmen", "", ""},
                       {});
        r.roundCount = counts[i];
        for (int k = 1; k <= r.roundCount; ++k) {
            const int target = 1 + next(4);
            const int roll = next(10);
            const int answer = roll == 0 ? 0 : roll < 7 ? target : 1 + next(4);
            r.items[k] = {target, answer, roll == 0 ? 3000 : 40 + next(1200), 1 + next(4)};
        }
        runs.push_back(r);
        ASSERT_EQ(AppendRun(r, m_path).code, FileOk);
    }
    for (int i = 0; i < 5; ++i) {
        ResultsState state;
        ReadResults(state, i + 1, false, m_path, English, Texts(English));
        RunRecord expected = runs[size_t(i)];
        ComputeStatistics(expected);
        EXPECT_EQ(state.runRecord, expected) << "run " << i + 1;
        EXPECT_EQ(state.runsRead, i + 1);
    }
}

TEST_F(ResultsFileTest, RoundsBeyondTwoHundredAreSkipped) {
    RunRecord r = ExampleRun();
    r.roundCount = 0;
    QByteArray bytes = FormatRunBlock(r);
    bytes.chop(QByteArray("$ eodata \r\n").size());
    for (int k = 1; k <= 205; ++k)
        bytes += QByteArray::number(1).rightJustified(10) + QByteArray::number(1).rightJustified(10) +
                 QByteArray::number(300 + k).rightJustified(10) + QByteArray::number(1).rightJustified(10) +
                 "\r\n";
    bytes += "$ eodata \r\n";
    WriteAll(m_path, bytes);
    ResultsState state;
    ReadResults(state, 1, false, m_path, German, Texts(German));
    EXPECT_EQ(state.runRecord.roundCount, 200);
    EXPECT_EQ(state.runRecord.items[200].time, 500);
}

TEST_F(ResultsFileTest, HeaderValuesAreLatinOneAndTrimmed) {
    QByteArray bytes = FormatRunBlock(ExampleRun());
    bytes.replace("      Farbe/Wort", "  \tGr\xfcn/Wort  \x01");
    WriteAll(m_path, bytes);
    ResultsState state;
    const ReadResult r = ReadResults(state, 0, false, m_path, German, Texts(German));
    EXPECT_EQ(state.runRecord.info1, QString::fromUtf8("Grün/Wort"));
    EXPECT_EQ(r.entries, QStringList{QString::fromUtf8("1;05.11.2003;Grün/Wort - Version 1;2;1;612;0;1;0")});
}

struct TypeCase {
    const char* prtkey;
    const char* expected;
};

TEST(RunTypeText, FamilyAndVersionFromTheKey) {
    TextTable t;
    for (int i = 0; i < 4; ++i) {
        t[size_t(4 + i)] = QString("A%1").arg(i + 1);
        t[size_t(8 + i)] = QString("B%1").arg(i + 1);
    }
    const TypeCase cases[] = {{"Z-112", "Fam - A1"},   {"Z-142", "Fam - A4"},  {"Z-231", "Fam - B3"},
                              {" Z-121 ", "Fam - A2"}, {"Z-1", "Unbekannt"},   {"", "Unbekannt"},
                              {"Z-151", "Unbekannt"},  {"Z-1x2", "Unbekannt"}, {"Z-302", "Unbekannt"}};
    for (const TypeCase& c : cases) {
        RunRecord r;
        r.prtkey = c.prtkey;
        r.info1 = "Fam";
        EXPECT_EQ(RunTypeText(r, t), c.expected) << c.prtkey;
    }
}

// ---- the streaming reader on its own ----

// Delivers a few bytes, then fails.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(QByteArray data) : m_data(std::move(data)) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* out, qint64 max) override {
        if (m_pos >= m_data.size()) {
            setErrorString("device gone");
            return -1;
        }
        const qint64 n = std::min<qint64>(max, m_data.size() - m_pos);
        memcpy(out, m_data.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_pos = 0;
};

TEST(ResultsReader, LongLinesAndReadErrors) {
    const QByteArray block = FormatRunBlock(ExampleRun());
    QBuffer buffer;
    buffer.setData(QByteArray(200000, 'x') + "\n" + block);
    buffer.open(QIODevice::ReadOnly);
    ResultsReader reader(buffer);
    RunRecord record;
    bool dataError = true;
    EXPECT_EQ(reader.next(record, dataError), ResultsReader::Pass::Stray);
    EXPECT_EQ(reader.next(record, dataError), ResultsReader::Pass::Run);
    EXPECT_FALSE(dataError);
    EXPECT_EQ(record, ExampleRun());
    EXPECT_EQ(reader.next(record, dataError), ResultsReader::Pass::End);
    EXPECT_FALSE(reader.failed());

    FailingDevice device(block.left(block.size() - 30));
    ResultsReader broken(device);
    EXPECT_EQ(broken.next(record, dataError), ResultsReader::Pass::Run);
    EXPECT_EQ(record.roundCount, 1);
    EXPECT_EQ(broken.next(record, dataError), ResultsReader::Pass::End);
    EXPECT_TRUE(broken.failed());
    EXPECT_EQ(broken.errorString(), "device gone");
}

} // namespace
