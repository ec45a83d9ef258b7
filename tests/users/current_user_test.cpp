#include "users/current_user.h"

#include "app/language.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CurrentUser, NobodyIsLoggedInAtStart) {
    const CurrentUserState fresh;
    EXPECT_FALSE(fresh.loggedIn());
    EXPECT_EQ(CurrentResultsPath(fresh), QString());
}

TEST(CurrentUser, NameIsTheFileWithoutItsSuffix) {
    EXPECT_EQ(UserNameOf("Team1.dat"), "Team1");
    EXPECT_EQ(UserNameOf("a.dat.dat"), "a.dat");
    EXPECT_EQ(UserNameOf(".dat"), "");
    EXPECT_EQ(UserNameOf("ab"), "");
}

TEST(CurrentUser, ConfirmationInBothLanguages) {
    const LoginMessage de = LoginConfirmation(German, "Team1.dat");
    EXPECT_EQ(de.text, QString::fromUtf8("Die Datei \"Team1\" wurde geöffnet."));
    EXPECT_EQ(de.caption, "Hinweis");
    const LoginMessage en = LoginConfirmation(English, "Team1.dat");
    EXPECT_EQ(en.text, "The file \"Team1\" has been opened.");
    EXPECT_EQ(en.caption, "Info");
    const LoginMessage other = LoginConfirmation(3, "Team1.dat");
    EXPECT_TRUE(other.text.isEmpty());
    EXPECT_TRUE(other.caption.isEmpty());
}

TEST(CurrentUser, ResultsPathFindsTheFileAsWindowsWould) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    QFile f(folder + "Gruppe.DAT");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(CurrentResultsPath({folder, "Gruppe.dat"}), folder + "Gruppe.DAT");
    // A file that is missing keeps its own name, so its readers report it.
    EXPECT_EQ(CurrentResultsPath({folder, "Anna.dat"}), folder + "Anna.dat");
}

} // namespace
