#include "results/store_run_results.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Asked {
    QString text, caption;
    int lines;
    bool yesNo;
};

// A finished run waiting to be stored, a user folder, and a recording screen.
class StoreRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        results.runRecord.prname = "Team";
        results.runRecord.svdate = "05.11.2003";
        results.runRecord.svtime = "10.15";
        results.runRecord.prtkey = "Z-111";
        results.runRecord.roundCount = 4;
        for (int i = 1; i <= 4; ++i)
            results.runRecord.items[i] = {i, i, 500 + i, i};
        results.unsavedRun = true;
        ui.message = [this](const QString& t, const QString& c, int l, bool yn) {
            asked.push_back({t, c, l, yn});
            return answer;
        };
        ui.chooseUser = [this] {
            ++chooseCalls;
            if (chooseGives.isEmpty())
                return false;
            user = {folder(), chooseGives};
            return true;
        };
    }
    QString folder() const { return dir.path() + QDir::separator(); }
    void createFile(const QString& name) {
        QFile f(folder() + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QByteArray content(const QString& name) const {
        QFile f(folder() + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    ResultsState results;
    CurrentUserState user;
    StoreRunUi ui;
    std::vector<Asked> asked;
    int answer = 2;
    int chooseCalls = 0;
    QString chooseGives;
};

TEST_F(StoreRunTest, NobodyLoggedInAnsweredNoKeepsTheRunUnsaved) {
    StoreRunResults(results, user, German, ui);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].text.startsWith("Es ist noch kein Benutzer angemeldet. "));
    EXPECT_EQ(asked[0].caption, "info");
    EXPECT_EQ(asked[0].lines, 8);
    EXPECT_TRUE(asked[0].yesNo);
    EXPECT_EQ(chooseCalls, 0);
    EXPECT_TRUE(results.unsavedRun);
}

TEST_F(StoreRunTest, ChosenUserGetsTheRunOnce) {
    createFile("Anna.dat");
    answer = 6;
    chooseGives = "Anna.dat";
    StoreRunResults(results, user, English, ui);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].text.startsWith("There is no user registered yet."));
    EXPECT_EQ(chooseCalls, 1);
    EXPECT_FALSE(results.unsavedRun);
    EXPECT_EQ(results.runRecord.roundCount, 4); // storing does not forget the run
    const QByteArray stored = content("Anna.dat");
    EXPECT_EQ(stored, FormatRunBlock(results.runRecord));
    // Shown again and closed: nothing is written twice.
    StoreRunResults(results, user, English, ui);
    EXPECT_EQ(content("Anna.dat"), stored);
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(StoreRunTest, DialogCancelledAfterYesStoresNothing) {
    answer = 6;
    StoreRunResults(results, user, German, ui);
    EXPECT_EQ(chooseCalls, 1);
    EXPECT_EQ(asked.size(), 1u); // no failure message either
    EXPECT_TRUE(results.unsavedRun);
}

TEST_F(StoreRunTest, MissingFileReportsAndStaysUnsavedSoATryLaterWorks) {
    user = {folder(), "Weg.dat"};
    StoreRunResults(results, user, German, ui);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Fehler beim Speichern der Statistik.");
    EXPECT_EQ(asked[0].caption, "Hinweis");
    EXPECT_EQ(asked[0].lines, 4);
    EXPECT_FALSE(asked[0].yesNo);
    EXPECT_TRUE(results.unsavedRun);
    EXPECT_FALSE(QFile::exists(folder() + "Weg.dat"));

    createFile("Weg.dat");
    StoreRunResults(results, user, German, ui);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_FALSE(results.unsavedRun);
    EXPECT_EQ(content("Weg.dat"), FormatRunBlock(results.runRecord));
}

TEST_F(StoreRunTest, WriteFailureKeepsTheRunForAnotherTry) {
    createFile("Anna.dat");
    user = {folder(), "Anna.dat"};
    AppendOptions failing;
    failing.write = [](int, const char*, qint64) -> qint64 { return -1; };
    StoreRunResults(results, user, English, ui, failing);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Error saving the statistics.");
    EXPECT_EQ(asked[0].caption, "Info");
    EXPECT_TRUE(results.unsavedRun);
    EXPECT_TRUE(content("Anna.dat").isEmpty());
}

TEST_F(StoreRunTest, StoredOrForgottenRunsAreNotWritten) {
    createFile("Anna.dat");
    user = {folder(), "Anna.dat"};
    const struct {
        bool unsaved;
        int rounds;
    } cases[] = {{false, 4}, {true, 0}};
    for (const auto& c : cases) {
        results.unsavedRun = c.unsaved;
        results.runRecord.roundCount = c.rounds;
        StoreRunResults(results, user, German, ui);
        EXPECT_TRUE(content("Anna.dat").isEmpty());
        EXPECT_TRUE(asked.empty());
    }
}

} // namespace
