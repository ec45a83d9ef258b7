#pragma once

#include <QString>

#include <array>

// One round: identities 1..4 (answer 0 on a time-out), time in ms.
struct RoundItem {
    qint32 target = 0;
    qint32 answer = 0;
    qint32 time = 0;
    qint32 other = 0;
    bool operator==(const RoundItem&) const = default;
};

// Statistics of one block (all rounds, or the rounds of one target identity).
struct RunStats {
    qint32 correct = 0;
    qint32 meanCorrect = 0;
    qint32 sdCorrect = 0;
    qint32 wrong = 0;
    qint32 meanWrong = 0;
    qint32 sdWrong = 0;
    qint32 interference = 0;
    qint32 eliminated = 0;
    qint32 sumCorrect = 0;
    qint32 sumWrong = 0;
    bool operator==(const RunStats&) const = default;
};

constexpr int MaxRounds = 200;

// The run under consideration: the one just played or the one last read from a file.
struct RunRecord {
    QString prname, svdate, svtime, prtkey;
    QString info1, info2, info3, info4, info5;
    qint32 roundCount = 0;
    std::array<RunStats, 5> stats{};              // 0: all rounds, 1..4: by target identity
    std::array<RoundItem, MaxRounds + 1> items{}; // used from index 1
    bool operator==(const RunRecord&) const = default;
};

// Process-wide results state: the record and whether it still waits to be stored.
struct ResultsState {
    RunRecord runRecord;
    bool unsavedRun = false;
    int runsRead = 0;
};

ResultsState& resultsState();
inline RunRecord& runRecord() {
    return resultsState().runRecord;
}
