#include "results/export_csv.h"
#include "results/statistics.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace {

QString Fixture(const QString& name) {
    return QStringLiteral(VELMORA_TESTDATA "/export/") + name;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// ---- CSV fields ----

TEST(CsvField, QuotedOnlyWhenNeeded) {
    struct Case {
        const char* utf8;
        char separator;
        const char* expected;
    };
    const Case cases[] = {
        {"plain", ',', "plain"},
        {"", ',', ""},
        {"a,b", ',', "\"a,b\""},
        {"a,b", ';', "a,b"}, // only the separator in use needs quotes
        {"a;b", ';', "\"a;b\""},
        {"a;b", ',', "a;b"},
        {"say \"hi\"", ',', "\"say \"\"hi\"\"\""},
        {"\"", ';', "\"\"\"\""},
        {"line\nbreak", ',', "\"line\nbreak\""},
        {"cr\rhere", ',', "\"cr\rhere\""},
        {" spaces kept ", ',', " spaces kept "},
        {"Grün/Wort", ',', "Grün/Wort"}, // UTF-8 out
    };
    for (const Case& c : cases) {
        QByteArray out = "x";
        AppendCsvField(out, QString::fromUtf8(c.utf8), c.separator);
        EXPECT_EQ(out, QByteArray("x") + c.expected) << c.utf8 << " sep " << c.separator;
    }
}

TEST(CsvField, RowJoinsWithTheSeparatorAndEndsInLineFeed) {
    QByteArray out;
    AppendCsvRow(out, {"1", "", "a;b", "c,d", ""}, ';');
    AppendCsvRow(out, {"x"}, ',');
    EXPECT_EQ(out, "1;;\"a;b\";c,d;\nx\n");
}

// ---- command line ----

struct ArgsCase {
    QStringList args;
    bool valid;
    bool rounds;
    int language;
    char separator;
    const char* path;
};

TEST(ExportArguments, OptionsAndFile) {
    const ArgsCase cases[] = {
        {{"a.dat"}, true, false, German, ',', "a.dat"},
        {{"--rounds", "a.dat"}, true, true, German, ',', "a.dat"},
        {{"a.dat", "--rounds"}, true, true, German, ',', "a.dat"},
        {{"--lang", "en", "--sep", ";", "a.dat"}, true, false, English, ';', "a.dat"},
        {{"--lang=en", "--lang=de", "--sep=;", "--sep=,", "a.dat"}, true, false, German, ',', "a.dat"},
        {{"--", "--rounds"}, true, false, German, ',', "--rounds"},
        {{"-"}, true, false, German, ',', "-"},
        {{}, false, false, German, ',', ""},
        {{"a.dat", "b.dat"}, false, false, German, ',', ""},
        {{"--rounds"}, false, false, German, ',', ""},
        {{"--round", "a.dat"}, false, false, German, ',', ""},
        {{"-r", "a.dat"}, false, false, German, ',', ""},
        {{"--lang", "fr", "a.dat"}, false, false, German, ',', ""},
        {{"--lang", "DE", "a.dat"}, false, false, German, ',', ""},
        {{"--sep", "\t", "a.dat"}, false, false, German, ',', ""},
        {{"--sep=", "a.dat"}, false, false, German, ',', ""},
        {{"--rounds=1", "a.dat"}, false, false, German, ',', ""},
        {{"a.dat", "--lang"}, false, false, German, ',', ""},
    };
    for (const ArgsCase& c : cases) {
        const ExportCommand command = ParseExportArguments(c.args);
        const std::string name = c.args.join(' ').toStdString();
        EXPECT_FALSE(command.help) << name;
        EXPECT_EQ(command.error.isEmpty(), c.valid) << name << ": " << command.error.toStdString();
        if (!c.valid)
            continue;
        EXPECT_EQ(command.options.rounds, c.rounds) << name;
        EXPECT_EQ(command.options.language, c.language) << name;
        EXPECT_EQ(command.options.separator, c.separator) << name;
        EXPECT_EQ(command.path, c.path) << name;
    }
    EXPECT_TRUE(ParseExportArguments({"--help"}).help);
    EXPECT_TRUE(ParseExportArguments({"-h", "a.dat", "b.dat"}).error.isEmpty());
}

// ---- rows ----

RunRecord Header(const char* prtkey) {
    RunRecord r;
    r.svdate = "05.11.2003";
    r.svtime = "09.05";
    r.prtkey = prtkey;
    r.info1 = "Farbe/Wort";
    return r;
}

// Family, version and position come from the key's digits; a key without them leaves them empty.
TEST(RunRow, KeyColumns) {
    struct Case {
        const char* prtkey;
        RunStatus status;
        const char* family;
        const char* version;
        const char* position;
        const char* type;
    };
    const Case cases[] = {
        {"Z-111", RunStatus::Ok, "1", "1", "random", "Farbe/Wort - Version 1"},
        {"Z-242", RunStatus::Ok, "2", "4", "fixed", "Farbe/Wort - Version 4"},
        {"Z-132", RunStatus::FieldError, "1", "3", "fixed", "Farbe/Wort - Version 3"},
        {"Z-151", RunStatus::Ok, "1", "", "random", ""},
        {"Z-313", RunStatus::Ok, "", "1", "", ""},
        {"Z-1x", RunStatus::Ok, "1", "", "", ""},
        {"Z-", RunStatus::Ok, "", "", "", ""},
        {"", RunStatus::Ok, "", "", "", ""},
        {"\\", RunStatus::Faulty, "", "", "", ""},
        {"/", RunStatus::NoData, "", "", "", ""},
    };
    TextTable texts;
    SetLanguageTexts(German, texts);
    const QStringList columns = RunColumns();
    for (const Case& c : cases) {
        const QStringList row = RunRow(7, Header(c.prtkey), c.status, texts);
        ASSERT_EQ(row.size(), columns.size()) << c.prtkey;
        EXPECT_EQ(row[0], "7");
        EXPECT_EQ(row[columns.indexOf("type_key")], c.prtkey);
        EXPECT_EQ(row[columns.indexOf("family")], c.family) << c.prtkey;
        EXPECT_EQ(row[columns.indexOf("version")], c.version) << c.prtkey;
        EXPECT_EQ(row[columns.indexOf("position")], c.position) << c.prtkey;
        EXPECT_EQ(row[columns.indexOf("type")], c.type) << c.prtkey;
    }
}

TEST(RunRow, StatisticsOnlyForSoundRuns) {
    TextTable texts;
    SetLanguageTexts(English, texts);
    RunRecord r = Header("Z-121");
    r.roundCount = 3;
    r.items[1] = {1, 1, 500, 1};
    r.items[2] = {2, 3, 700, 3};
    r.items[3] = {2, 2, 60, 2};
    ComputeStatistics(r);
    const QStringList columns = RunColumns();
    const QStringList ok = RunRow(1, r, RunStatus::Ok, texts);
    EXPECT_EQ(ok[columns.indexOf("status")], "ok");
    EXPECT_EQ(ok[columns.indexOf("rounds")], "3");
    EXPECT_EQ(ok[columns.indexOf("correct")], "1");
    EXPECT_EQ(ok[columns.indexOf("interference")], "1");
    EXPECT_EQ(ok[columns.indexOf("mean_wrong_2")], "700");
    EXPECT_EQ(ok[columns.indexOf("eliminated_2")], "1");
    EXPECT_EQ(ok[columns.indexOf("correct_4")], "0");
    EXPECT_EQ(ok.last(), "Farbe/Wort - version 2"); // version name in the chosen language

    const std::pair<RunStatus, const char*> others[] = {
        {RunStatus::FieldError, "damaged"}, {RunStatus::Faulty, "damaged"}, {RunStatus::NoData, "no_data"}};
    for (const auto& [status, text] : others) {
        const QStringList row = RunRow(1, r, status, texts);
        EXPECT_EQ(row[columns.indexOf("status")], text);
        EXPECT_EQ(row[columns.indexOf("rounds")], "3"); // the round lines the block holds
        for (qsizetype i = columns.indexOf("correct"); i <= columns.indexOf("eliminated_4"); ++i)
            EXPECT_TRUE(row[i].isEmpty()) << text << " " << columns[i].toStdString();
    }
}

TEST(RoundRow, OutcomeFollowsTheStatistics) {
    struct Case {
        RoundItem item;
        const char* outcome;
    };
    const Case cases[] = {
        {{1, 1, 80, 1}, "eliminated"}, {{1, 1, 81, 1}, "correct"},       {{2, 0, 3000, 3}, "timeout"},
        {{2, 0, 50, 3}, "eliminated"}, {{2, 3, 700, 3}, "interference"}, {{2, 4, 700, 3}, "wrong"},
        {{2, 2, 700, 3}, "correct"},   {{2, 3, 700, 2}, "wrong"}, // other = target: no interference
    };
    RunRecord r = Header("Z-132");
    for (const Case& c : cases) {
        r.items[4] = c.item;
        const QStringList row = RoundRow(3, r, 4, 0);
        const QStringList expected = {"3",
                                      "05.11.2003",
                                      "09.05",
                                      "Z-132",
                                      "4",
                                      QString::number(c.item.target),
                                      QString::number(c.item.answer),
                                      QString::number(c.item.time),
                                      QString::number(c.item.other),
                                      c.outcome};
        EXPECT_EQ(row, expected) << c.outcome << " " << c.item.time;
    }
    // A field that was not a number stays empty and so does the outcome, never a made-up 0.
    r.items[4] = {2, 0, 700, 3};
    const QStringList bad = RoundRow(3, r, 4, 0b0010);
    EXPECT_EQ(bad.mid(5), QStringList({"2", "", "700", "3", ""}));
    EXPECT_EQ(RoundRow(3, r, 4, 0b1101).mid(5), QStringList({"", "0", "", "", ""}));
}

// ---- whole files ----

struct GoldenCase {
    const char* input;
    bool rounds;
    int language;
    char separator;
    const char* expected;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.expected;
}

class GoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, MatchesTheExpectedFile) {
    const GoldenCase& c = GetParam();
    QFile in(Fixture(c.input));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    const ExportResult result = ExportResults(in, out, {c.rounds, c.language, c.separator});
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    const QByteArray expected = ReadAll(Fixture(c.expected));
    ASSERT_FALSE(expected.isEmpty()) << c.expected;
    EXPECT_EQ(out.data().toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, GoldenTest,
    ::testing::Values(GoldenCase{"families.dat", false, German, ',', "families.runs.csv"},
                      GoldenCase{"families.dat", true, German, ',', "families.rounds.csv"},
                      GoldenCase{"families.dat", false, English, ';', "families.runs.en-semicolon.csv"},
                      GoldenCase{"damaged.dat", false, German, ',', "damaged.runs.csv"},
                      GoldenCase{"damaged.dat", true, German, ',', "damaged.rounds.csv"},
                      GoldenCase{"damaged.dat", false, English, ';', "damaged.runs.en-semicolon.csv"},
                      GoldenCase{"no_data.dat", false, German, ',', "no_data.runs.csv"},
                      GoldenCase{"no_data.dat", true, German, ',', "no_data.rounds.csv"},
                      GoldenCase{"empty.dat", false, German, ',', "empty.runs.csv"},
                      GoldenCase{"empty.dat", true, German, ',', "empty.rounds.csv"},
                      GoldenCase{"not_results.dat", false, German, ',', "empty.runs.csv"},
                      GoldenCase{"not_results.dat", true, German, ',', "empty.rounds.csv"}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) {
        const std::string input = info.param.input;
        std::string name = input.substr(0, input.size() - 4) + "_" + info.param.expected;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

// Hands out the input, then fails; notes how far the input was read at every write.
class ProbeDevice : public QIODevice {
public:
    ProbeDevice(QByteArray input, qint64 failReadAt, qint64 failWriteAfter)
        : m_input(std::move(input)), m_failReadAt(failReadAt), m_failWriteAfter(failWriteAfter) {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }
    std::vector<qint64> readAtWrite; // input bytes handed out when each write came
    QByteArray written;

protected:
    qint64 readData(char* out, qint64 max) override {
        const qint64 end = std::min<qint64>(m_input.size(), m_failReadAt);
        if (m_pos >= end) {
            if (m_pos >= m_input.size())
                return 0;
            setErrorString("disk gone");
            return -1;
        }
        const qint64 n = std::min<qint64>(max, end - m_pos);
        std::memcpy(out, m_input.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char* data, qint64 size) override {
        if (written.size() + size > m_failWriteAfter) {
            setErrorString("no space left");
            return -1;
        }
        readAtWrite.push_back(m_pos);
        written.append(data, size);
        return size;
    }

private:
    QByteArray m_input;
    qint64 m_pos = 0;
    qint64 m_failReadAt;
    qint64 m_failWriteAfter;
};

QByteArray ManyRuns(int runs) {
    RunRecord r = Header("Z-241");
    r.prname = "Z a v o r";
    r.roundCount = MaxRounds;
    for (int k = 1; k <= MaxRounds; ++k)
        r.items[k] = {1 + k % 4, k % 5, 300 + k, 1 + (k + 1) % 4};
    QByteArray bytes;
    for (int i = 0; i < runs; ++i)
        bytes += FormatRunBlock(r);
    return bytes;
}

TEST(ExportStream, WritesRowsWhileReading) {
    const QByteArray input = ManyRuns(100); // about 850 kB
    const qint64 never = std::numeric_limits<qint64>::max();
    for (const bool rounds : {false, true}) {
        ProbeDevice in(input, never, never);
        ProbeDevice out({}, never, never);
        const ExportResult result = ExportResults(in, out, {rounds, German, ','});
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(result.runs, 100);
        EXPECT_EQ(out.written.count('\n'), 1 + (rounds ? 100 * MaxRounds : 100));
        ASSERT_FALSE(out.readAtWrite.empty());
        if (rounds) // the rows of a few runs fill a chunk
            EXPECT_LT(out.readAtWrite.front(), input.size() / 4) << rounds;
        else // one chunk in all: written once, at the end
            EXPECT_EQ(out.readAtWrite.size(), 1u);
    }
}

TEST(ExportStream, ReadAndWriteErrors) {
    const QByteArray input = ManyRuns(100);
    const qint64 never = std::numeric_limits<qint64>::max();
    {
        // Nothing readable: no header either.
        ProbeDevice in(input, 0, never);
        ProbeDevice out({}, never, never);
        const ExportResult result = ExportResults(in, out, {});
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains("disk gone")) << result.error.toStdString();
        EXPECT_FALSE(result.outputFailed);
        EXPECT_TRUE(out.written.isEmpty());
    }
    {
        // Broken off later: the rows written so far stay, the error is reported.
        ProbeDevice in(input, input.size() / 2, never);
        ProbeDevice out({}, never, never);
        const ExportResult result = ExportResults(in, out, {true, German, ','});
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains("disk gone"));
        EXPECT_GT(out.written.count('\n'), 1);
        EXPECT_TRUE(out.written.endsWith('\n'));
    }
    {
        ProbeDevice in(input, never, never);
        ProbeDevice out({}, never, 100 * 1024);
        const ExportResult result = ExportResults(in, out, {true, German, ','});
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains("no space left")) << result.error.toStdString();
        EXPECT_TRUE(result.outputFailed);
    }
}

// ---- the program ----

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun RunProgram(const QStringList& args, const QString& outputFile = {}) {
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(VELMORA_EXPORT_BINARY), args);
    ProgramRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

TEST(ExportProgram, WritesTheFileAsCsv) {
    const ProgramRun runs = RunProgram({"--lang", "en", "--sep", ";", Fixture("families.dat")});
    EXPECT_EQ(runs.exitCode, 0);
    EXPECT_EQ(runs.err, "");
    EXPECT_EQ(runs.out.toStdString(), ReadAll(Fixture("families.runs.en-semicolon.csv")).toStdString());

    const ProgramRun rounds = RunProgram({Fixture("damaged.dat"), "--rounds"});
    EXPECT_EQ(rounds.exitCode, 0);
    EXPECT_EQ(rounds.out.toStdString(), ReadAll(Fixture("damaged.rounds.csv")).toStdString());

    if (QFile::exists("/dev/full")) {
        const ProgramRun full = RunProgram({"--rounds", Fixture("families.dat")}, "/dev/full");
        EXPECT_EQ(full.exitCode, 2);
        EXPECT_TRUE(full.err.startsWith("velmora-export: standard output: write error"))
            << full.err.toStdString();
    }

    const ProgramRun help = RunProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: velmora-export"));
}

TEST(ExportProgram, FailuresExitWithTwoAndWriteNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* name;
        QStringList args;
        bool usage; // the usage line follows the message
    };
    const Case cases[] = {
        {"missing file", {dir.filePath("Niemand.dat")}, false},
        {"missing file, rounds", {"--rounds", dir.filePath("Niemand.dat")}, false},
        {"folder", {dir.path()}, false},
        {"no arguments", {}, true},
        {"two files", {Fixture("families.dat"), Fixture("empty.dat")}, true},
        {"unknown option", {"--all", Fixture("families.dat")}, true},
        {"bad language", {"--lang", "fr", Fixture("families.dat")}, true},
        {"bad separator", {"--sep", "|", Fixture("families.dat")}, true},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.name;
        EXPECT_EQ(run.out, "") << c.name;
        const QList<QByteArray> lines = run.err.split('\n');
        ASSERT_EQ(lines.size(), c.usage ? 3 : 2) << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(lines[0].startsWith("velmora-export: ")) << c.name;
        EXPECT_TRUE(lines.last().isEmpty());
        if (c.usage)
            EXPECT_TRUE(lines[1].startsWith("usage: velmora-export")) << c.name;
        else
            EXPECT_TRUE(lines[0].contains(QFile::encodeName(c.args.last()))) << c.name;
    }
}

} // namespace
