#include "results/statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr qint32 EliminatedLimit = 80; // answers this fast cannot be real reactions
constexpr qint32 Int32Max = std::numeric_limits<qint32>::max();

struct Sums {
    qint64 correct = 0;
    qint64 wrong = 0;
    double squaresCorrect = 0;
    double squaresWrong = 0;
};

qint32 Saturate(qint64 value) {
    return static_cast<qint32>(std::min<qint64>(value, Int32Max));
}

qint32 Deviation(double squares, qint32 count) {
    if (count <= 1)
        return 0;
    const double sd = std::sqrt(squares / (count - 1));
    return sd >= Int32Max ? Int32Max : static_cast<qint32>(sd);
}

} // namespace

RoundOutcome ClassifyRound(const RoundItem& item) {
    if (item.time <= EliminatedLimit)
        return RoundOutcome::Eliminated;
    if (item.answer == 0)
        return RoundOutcome::Timeout;
    if (item.answer == item.target)
        return RoundOutcome::Correct;
    return item.answer == item.other ? RoundOutcome::Interference : RoundOutcome::Wrong;
}

void ComputeStatistics(RunRecord& record) {
    std::array<RunStats, 5>& stats = record.stats;
    stats.fill(RunStats{});
    std::array<Sums, 5> sums{};
    // A damaged file may hold any count or target: never index past the arrays, and count a round
    // with an unknown target in block 0 only.
    const int count = std::clamp<int>(record.roundCount, 0, MaxRounds);
    auto blocksOf = [](const RoundItem& item, int(&blocks)[2]) {
        blocks[0] = 0;
        const bool known = item.target >= 1 && item.target <= 4;
        if (known)
            blocks[1] = item.target;
        return known ? 2 : 1;
    };

    for (int k = 1; k <= count; ++k) {
        const RoundItem& item = record.items[k];
        int blocks[2];
        const int n = blocksOf(item, blocks);
        const RoundOutcome outcome = ClassifyRound(item);
        for (int b = 0; b < n; ++b) {
            RunStats& s = stats[blocks[b]];
            Sums& sum = sums[blocks[b]];
            switch (outcome) {
            case RoundOutcome::Eliminated:
                ++s.eliminated;
                break;
            case RoundOutcome::Correct:
                ++s.correct;
                sum.correct += item.time;
                break;
            case RoundOutcome::Interference:
                ++s.interference;
                [[fallthrough]];
            case RoundOutcome::Wrong:
            case RoundOutcome::Timeout:
                ++s.wrong;
                sum.wrong += item.time;
                break;
            }
        }
    }

    for (int b = 0; b < 5; ++b) {
        RunStats& s = stats[b];
        s.sumCorrect = Saturate(sums[b].correct);
        s.sumWrong = Saturate(sums[b].wrong);
        s.meanCorrect = s.correct > 0 ? Saturate(sums[b].correct / s.correct) : 0;
        s.meanWrong = s.wrong > 0 ? Saturate(sums[b].wrong / s.wrong) : 0;
    }

    // Deviations from the truncated means; time-outs count in the divisor but add no square.
    for (int k = 1; k <= count; ++k) {
        const RoundItem& item = record.items[k];
        const RoundOutcome outcome = ClassifyRound(item);
        if (outcome == RoundOutcome::Eliminated || item.answer <= 0)
            continue;
        int blocks[2];
        const int n = blocksOf(item, blocks);
        for (int b = 0; b < n; ++b) {
            const RunStats& s = stats[blocks[b]];
            Sums& sum = sums[blocks[b]];
            if (outcome == RoundOutcome::Correct) {
                const double d = double(item.time) - s.meanCorrect;
                sum.squaresCorrect += d * d;
            } else {
                const double d = double(item.time) - s.meanWrong;
                sum.squaresWrong += d * d;
            }
        }
    }

    for (int b = 0; b < 5; ++b) {
        stats[b].sdCorrect = Deviation(sums[b].squaresCorrect, stats[b].correct);
        stats[b].sdWrong = Deviation(sums[b].squaresWrong, stats[b].wrong);
    }
}
