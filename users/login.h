#pragma once

#include "results/run_record.h"
#include "users/current_user.h"

class TBenutzerDialog;

// Lets the person pick or create a user in the user file dialog and makes that user
// current, confirmed with a message; true when a user was chosen. A cancelled dialog
// changes nothing.
bool ChooseUser(TBenutzerDialog& dialog, CurrentUserState& user);
bool ChooseUser(); // benutzerDialog(), currentUser()

// The main screen's "Benutzer" button: ChooseUser, and on a choice the last run is
// forgotten (roundCount 0).
void BenutzerbuttonClick(TBenutzerDialog& dialog, CurrentUserState& user, RunRecord& record);
void BenutzerbuttonClick(); // benutzerDialog(), currentUser(), runRecord()
