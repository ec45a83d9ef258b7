#include "results/run_record.h"

ResultsState& resultsState() {
    static ResultsState state;
    return state;
}
