#pragma once

#include "app/global_state.h"
#include "app/language.h"
#include "results/einzelstatistik_dialog.h"
#include "results/filter_dialog.h"
#include "results/gesamtstatistik.h"
#include "results/gesamtstatistik_dialog.h"
#include "results/results_file.h"
#include "tests/ui/modal_script.h"
#include "ui/daten.h"
#include "ui/meldung_dialog.h"
#include "users/current_user.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

// One run to write: its type key, how many days before today it ended, its rounds.
struct StoredRun {
    QString prtkey;
    int daysAgo = 0;
    std::vector<RoundItem> rounds;
};

inline RunRecord RecordOf(const StoredRun& run) {
    RunRecord r;
    r.prname = QStringLiteral("Z a v o r");
    r.svdate = QDate::currentDate().addDays(-run.daysAgo).toString(QStringLiteral("dd.MM.yyyy"));
    r.svtime = QStringLiteral("10.30");
    r.prtkey = run.prtkey;
    r.info1 = run.prtkey.startsWith(QLatin1String("Z-1")) ? QStringLiteral("Farbe/Wort")
                                                          : QStringLiteral("Zahl/Anzahl");
    r.info2 = QStringLiteral("Version ") + run.prtkey.mid(3, 1);
    r.roundCount = int(run.rounds.size());
    for (size_t i = 0; i < run.rounds.size(); ++i)
        r.items[i + 1] = run.rounds[i];
    return r;
}

// A logged-in user "Muster.DAT" in a temporary folder, the dialogs the overall statistics
// opens, and the process-wide state put back after each test.
class OverallStatsTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedGlobal = globalState();
        savedLanguage = languageState();
        savedResults = resultsState();
        savedUser = currentUser();
        savedOverall = overallStatsState();
        UseLanguage(German);
        currentUser().CurrentUserFolder = dir.path() + QLatin1Char('/');
        currentUser().CurrentUserFile = QStringLiteral("Muster.DAT");
    }
    void TearDown() override {
        globalState() = savedGlobal;
        languageState() = savedLanguage;
        resultsState() = savedResults;
        currentUser() = savedUser;
        overallStatsState() = savedOverall;
    }
    static void UseLanguage(int language) {
        languageState().language = language;
        SetLanguageTexts(language, languageState().textTable);
    }
    QString path() const { return currentUser().CurrentUserFolder + currentUser().CurrentUserFile; }
    void writeRuns(const std::vector<StoredRun>& runs, const QByteArray& extra = {}) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const StoredRun& run : runs)
            f.write(FormatRunBlock(RecordOf(run)));
        f.write(extra);
    }
    // Runs the script against what `open` shows and checks that every step was taken.
    static void play(ModalScript& script, const std::function<void()>& open) {
        open();
        EXPECT_TRUE(script.finished());
        EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(',').toStdString();
    }

    GlobalState savedGlobal;
    LanguageState savedLanguage;
    ResultsState savedResults;
    CurrentUserState savedUser;
    OverallStatsState savedOverall;
    QTemporaryDir dir;
    TDaten daten;
    TMeldungDialog box;
    TEinzelstatistikDialog einzel;
    TFilterDialog filter;
    TGesamtstatistikDialog dialog;
};

// Rounds with the given correct times and one wrong answer.
inline std::vector<RoundItem> Rounds(std::initializer_list<int> correctTimes) {
    std::vector<RoundItem> rounds;
    int target = 1;
    for (int t : correctTimes) {
        rounds.push_back({target, target, t, target});
        target = target % 4 + 1;
    }
    rounds.push_back({2, 3, 900, 3});
    return rounds;
}
