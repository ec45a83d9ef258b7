#pragma once

#include <QString>

// The current user: the results file CurrentUserFolder + CurrentUserFile. Both empty
// while nobody is logged in; a new choice replaces the pair as one value.
struct CurrentUserState {
    QString CurrentUserFolder; // ends in the separator when set
    QString CurrentUserFile;   // the user's name + ".dat"

    bool loggedIn() const { return !CurrentUserFile.isEmpty(); }
    bool operator==(const CurrentUserState&) const = default;
};

CurrentUserState& currentUser();

// The name shown for a results file name: the file name without its last four characters.
QString UserNameOf(const QString& userFile);

// The results file of the user, found the way Windows finds it: the exact name, or else
// the same name with ".dat" in another case (Gruppe.DAT for Gruppe.dat). Empty when
// nobody is logged in.
QString CurrentResultsPath(const CurrentUserState& user);

// Text and caption of the confirmation after a login; both empty for an unknown language.
struct LoginMessage {
    QString text;
    QString caption;
};
LoginMessage LoginConfirmation(int language, const QString& userFile);
