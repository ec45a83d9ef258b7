#pragma once

#include "results/run_record.h"

// Recomputes all five statistics blocks from roundCount and items; header and items stay as they are.
void ComputeStatistics(RunRecord& record);
