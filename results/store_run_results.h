#pragma once

#include "results/results_file.h"
#include "results/run_record.h"
#include "users/current_user.h"

#include <functional>

// What storing a run needs from the screen: the login and the message box.
struct StoreRunUi {
    std::function<bool()> chooseUser;
    // text, caption, line count, yes/no; returns 6 for yes
    std::function<int(const QString&, const QString&, int, bool)> message;
};

// Stores the held run for the current user after it ended or after its statistics were
// shown again: asks for a user when nobody is logged in, appends, reports a failure.
// A run that is stored already, or that was forgotten (no rounds), is not written again.
void StoreRunResults(ResultsState& results, CurrentUserState& user, int language, const StoreRunUi& ui,
                     const AppendOptions& options = {});
