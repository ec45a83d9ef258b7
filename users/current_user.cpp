#include "users/current_user.h"

#include "app/language.h"
#include "users/user_files.h"

CurrentUserState& currentUser() {
    static CurrentUserState state;
    return state;
}

QString UserNameOf(const QString& userFile) {
    return userFile.chopped(qMin<qsizetype>(4, userFile.size()));
}

QString CurrentResultsPath(const CurrentUserState& user) {
    if (!user.loggedIn())
        return {};
    const QString exact = user.CurrentUserFolder + user.CurrentUserFile;
    if (!user.CurrentUserFile.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive))
        return exact;
    const QString found = FindUserFile(user.CurrentUserFolder, UserNameOf(user.CurrentUserFile));
    return found.isEmpty() ? exact : found;
}

LoginMessage LoginConfirmation(int language, const QString& userFile) {
    const QString name = QLatin1Char('"') + UserNameOf(userFile) + QLatin1Char('"');
    return {ByLanguage(language, QStringLiteral("Die Datei ") + name + QStringLiteral(" wurde geöffnet."),
                       QStringLiteral("The file ") + name + QStringLiteral(" has been opened.")),
            ByLanguage(language, QStringLiteral("Hinweis"), QStringLiteral("Info"))};
}
