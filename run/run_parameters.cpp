#include "run/run_parameters.h"

RunParameters& runParameters() {
    static RunParameters parameters;
    return parameters;
}
