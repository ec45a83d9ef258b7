#include "users/login.h"

#include "app/language.h"
#include "ui/meldung_dialog.h"
#include "users/benutzer_dialog.h"

bool ChooseUser(TBenutzerDialog& dialog, CurrentUserState& user) {
    UserSelection& selection = dialog.selection();
    selection.SelectedFolder = user.CurrentUserFolder;
    selection.SelectedFile = user.CurrentUserFile;
    if (dialog.exec() != 1)
        return false;
    user = {selection.SelectedFolder, selection.SelectedFile};
    const LoginMessage message = LoginConfirmation(languageState().language, user.CurrentUserFile);
    if (!message.text.isEmpty())
        Meldungsfenster(message.text, message.caption, 6, true, false);
    return true;
}

bool ChooseUser() {
    return ChooseUser(benutzerDialog(), currentUser());
}

void BenutzerbuttonClick(TBenutzerDialog& dialog, CurrentUserState& user, RunRecord& record) {
    if (ChooseUser(dialog, user))
        record.roundCount = 0;
}

void BenutzerbuttonClick() {
    BenutzerbuttonClick(benutzerDialog(), currentUser(), runRecord());
}
