#pragma once

#include <QString>
#include <QStringList>

// The user file dialog's own pair: the folder being browsed and the confirmed choice.
struct UserSelection {
    QString SelectedFolder; // ends in the separator once a folder was listed
    QString SelectedFile;   // set only when a choice is confirmed
};

UserSelection& userSelection();

// The user names in a folder: for every entry matching "*.dat" in any case (hidden and
// system files and matching folders included), the name before the first ".dat" of its
// lower-cased name, in its own case. Sorted without regard to case, as Windows lists them.
QStringList ListUserNames(const QString& folder);

// Removes leading and trailing blanks and control characters.
QString TrimUserName(const QString& name);

// A name that may become a file in the selected folder: not empty, no path separator,
// no "..", no control character, not the reserved "$$TEMP$$" (any case).
bool IsValidUserName(const QString& name);

// The existing results file of `name` in `folder`: name + ".dat" exactly, or else
// name + ".dat" in another case. Empty when there is none.
QString FindUserFile(const QString& folder, const QString& name);

enum class CreateUserResult { Created, Exists, Failed };

// Creates folder + name + ".dat" empty. An existing file is never touched (Exists);
// an invalid name, a missing folder or a failing file system give Failed.
CreateUserResult CreateUserFile(const QString& folder, const QString& name);

// Deletes the user's file in the folder; false when there is none or it cannot be removed.
bool DeleteUserFile(const QString& folder, const QString& name);

// The name tried first for a new folder, and how many names are tried at most.
inline constexpr int NewFolderNameCount = 50;
QString NewFolderCandidate(int number); // 1: "Neuer Ordner", n > 1: "Neuer Ordner (n)"

struct NewFolderResult {
    bool ok = false;
    QString name;  // the folder created, or the last name tried
    QString path;  // full path of the folder created
    QString error; // the system's error text on failure
};

// Creates the first free candidate name below `parent`.
NewFolderResult CreateNewFolder(const QString& parent);

// "Der Ordner '<name>' konnte nicht erstellt werden.\n\n<error>"
QString NewFolderFailureText(const NewFolderResult& result);
