#pragma once

#include "results/run_record.h"

// How one round counts. Interference is a wrong answer on the target named by `other`; a time-out is
// wrong too. Eliminated rounds (80 ms or less) count nowhere else.
enum class RoundOutcome { Correct, Wrong, Interference, Timeout, Eliminated };

RoundOutcome ClassifyRound(const RoundItem& item);

// Recomputes all five statistics blocks from roundCount and items; header and items stay as they are.
void ComputeStatistics(RunRecord& record);
