#include "users/user_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A temporary user folder; `folder` ends in the separator like SelectedFolder.
class UserFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkdir("users"));
        folder = m_dir.filePath("users") + "/";
    }
    void touch(const QString& name, const QByteArray& content = {}) {
        QFile f(folder + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
        f.write(content);
    }
    QByteArray contentOf(const QString& name) {
        QFile f(folder + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList allEntries(const QString& dir) {
        return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    QString parentDir() { return m_dir.path(); }

    QTemporaryDir m_dir;
    QString folder;
};

TEST_F(UserFolder, ListsDatEntriesOfAnyCaseByTheNameBeforeTheFirstDat) {
    touch("Gruppe.DAT");
    touch("gruppe2.dat");
    touch("a.dat.dat");
    touch(".hidden.dat");
    touch("Team1.dAt");
    touch("notes.txt");
    touch("data.datx");
    touch("dat");
    ASSERT_TRUE(QDir(folder).mkdir("x.dat")); // matching folders are listed too
    ASSERT_TRUE(QDir(folder).mkdir("plain"));
    EXPECT_EQ(ListUserNames(folder), (QStringList{".hidden", "a", "Gruppe", "gruppe2", "Team1", "x"}));
}

TEST_F(UserFolder, EmptyOrMissingFolderListsNothing) {
    EXPECT_TRUE(ListUserNames(folder).isEmpty());
    EXPECT_TRUE(ListUserNames(folder + "missing/").isEmpty());
    // An empty folder string must not fall back to the working directory.
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder));
    touch("here.dat");
    EXPECT_TRUE(ListUserNames(QString()).isEmpty());
    QDir::setCurrent(old);
}

struct TrimCase {
    const char* input;
    const char* expected;
};

class TrimUserNameTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimUserNameTest, RemovesBlanksAndControlsAtBothEnds) {
    EXPECT_EQ(TrimUserName(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, TrimUserNameTest,
                         ::testing::Values(TrimCase{"Anna", "Anna"}, TrimCase{"  Anna  ", "Anna"},
                                           TrimCase{"\t\x01"
                                                    "Anna\x7f\r\n",
                                                    "Anna"},
                                           TrimCase{"   ", ""}, TrimCase{"", ""},
                                           TrimCase{" Team 1 ", "Team 1"},
                                           TrimCase{"\xc2\xa0Jürgen\xc2\x85", "Jürgen"}));

struct NameCase {
    const char* name;
    bool valid;
};

class UserNameValidity : public ::testing::TestWithParam<NameCase> {};

TEST_P(UserNameValidity, Decides) {
    EXPECT_EQ(IsValidUserName(QString::fromUtf8(GetParam().name)), GetParam().valid) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserNameValidity,
    ::testing::Values(NameCase{"Anna", true}, NameCase{"Team 1", true}, NameCase{"Jürgen Müller", true},
                      NameCase{"a.b", true}, NameCase{".x", true}, NameCase{"x$$TEMP$$", true},
                      NameCase{"", false}, NameCase{"../x", false}, NameCase{"a/b", false},
                      NameCase{"a\\b", false}, NameCase{"/abs", false}, NameCase{"..", false},
                      NameCase{"a..b", false}, NameCase{"$$TEMP$$", false}, NameCase{"$$temp$$", false},
                      NameCase{"a\x01z", false}, NameCase{"a\nb", false}, NameCase{"a\x7f", false}));

// Names that could leave the folder or are otherwise refused: nothing is created anywhere.
class RefusedUserNames : public UserFolder, public ::testing::WithParamInterface<const char*> {};

TEST_P(RefusedUserNames, FailWithoutCreatingAnything) {
    const QStringList before = allEntries(parentDir());
    EXPECT_EQ(CreateUserFile(folder, QString::fromUtf8(GetParam())), CreateUserResult::Failed);
    EXPECT_TRUE(allEntries(folder).isEmpty());
    EXPECT_EQ(allEntries(parentDir()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedUserNames,
                         ::testing::Values("../x", "a/b", "..", "sub/../../y", "a\\b", "$$TEMP$$", "$$Temp$$",
                                           "a\x01z", ""));

TEST_F(UserFolder, CreatesAnEmptyFileNamedAfterTheUser) {
    EXPECT_EQ(CreateUserFile(folder, "Team1"), CreateUserResult::Created);
    EXPECT_EQ(allEntries(folder), QStringList{"Team1.dat"});
    EXPECT_EQ(contentOf("Team1.dat"), QByteArray());
    EXPECT_EQ(ListUserNames(folder), QStringList{"Team1"});
}

TEST_F(UserFolder, AnExistingUserFileIsNeverTouched) {
    touch("Anna.dat", "run 1\r\n");
    touch("Gruppe.DAT", "run 2\r\n");
    EXPECT_EQ(CreateUserFile(folder, "Anna"), CreateUserResult::Exists);
    EXPECT_EQ(CreateUserFile(folder, "Gruppe"), CreateUserResult::Exists);
    EXPECT_EQ(contentOf("Anna.dat"), QByteArray("run 1\r\n"));
    EXPECT_EQ(contentOf("Gruppe.DAT"), QByteArray("run 2\r\n"));
    EXPECT_EQ(allEntries(folder), (QStringList{"Anna.dat", "Gruppe.DAT"}));
}

TEST_F(UserFolder, CreationFailsForMissingFolderLongNamesAndFoldersInTheWay) {
    EXPECT_EQ(CreateUserFile(QString(), "Anna"), CreateUserResult::Failed);
    EXPECT_EQ(CreateUserFile(folder + "missing/", "Anna"), CreateUserResult::Failed);
    EXPECT_EQ(CreateUserFile(folder, QString(300, 'n')), CreateUserResult::Failed);
    ASSERT_TRUE(QDir(folder).mkdir("x.dat"));
    EXPECT_EQ(CreateUserFile(folder, "x"), CreateUserResult::Failed);
    EXPECT_TRUE(QFileInfo(folder + "x.dat").isDir());
    EXPECT_EQ(allEntries(folder), QStringList{"x.dat"});
}

TEST_F(UserFolder, FindsTheFileWhoseSuffixHasAnotherCase) {
    touch("Gruppe.DAT");
    touch("gruppe.dat");
    touch("Ab.Dat");
    EXPECT_EQ(FindUserFile(folder, "Gruppe"), folder + "Gruppe.DAT");
    EXPECT_EQ(FindUserFile(folder, "gruppe"), folder + "gruppe.dat");
    EXPECT_EQ(FindUserFile(folder, "Ab"), folder + "Ab.Dat");
    EXPECT_EQ(FindUserFile(folder, "ab"), QString()); // the name keeps its case
    EXPECT_EQ(FindUserFile(folder, "A*"), QString()); // no wildcards
    EXPECT_EQ(FindUserFile(folder, "Nobody"), QString());
}

TEST_F(UserFolder, DeletesOnlyTheNamedUsersFile) {
    touch("Anna.dat", "x");
    touch("Gruppe.DAT", "x");
    touch("gruppe.Dat", "x");
    ASSERT_TRUE(QDir(folder).mkdir("x.dat"));
    EXPECT_TRUE(DeleteUserFile(folder, "Anna"));
    EXPECT_TRUE(DeleteUserFile(folder, "gruppe"));
    EXPECT_EQ(allEntries(folder), (QStringList{"Gruppe.DAT", "x.dat"}));
    EXPECT_FALSE(DeleteUserFile(folder, "Anna")); // already gone
    EXPECT_FALSE(DeleteUserFile(folder, "x"));    // a folder is not a user's file
    EXPECT_FALSE(DeleteUserFile(folder, "../users/Gruppe"));
    EXPECT_EQ(allEntries(folder), (QStringList{"Gruppe.DAT", "x.dat"}));
}

TEST(NewFolderCandidate, NamesTheFiftyCandidates) {
    EXPECT_EQ(NewFolderCandidate(1), "Neuer Ordner");
    EXPECT_EQ(NewFolderCandidate(2), "Neuer Ordner (2)");
    EXPECT_EQ(NewFolderCandidate(NewFolderNameCount), "Neuer Ordner (50)");
}

TEST_F(UserFolder, NewFolderTakesTheFirstFreeName) {
    NewFolderResult first = CreateNewFolder(folder);
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(first.name, "Neuer Ordner");
    EXPECT_TRUE(QFileInfo(first.path).isDir());
    EXPECT_TRUE(first.path.startsWith(folder));

    touch("Neuer Ordner (2)"); // a file in the way counts as taken
    ASSERT_TRUE(QDir(folder).mkdir("Neuer Ordner (4)"));
    NewFolderResult next = CreateNewFolder(folder);
    ASSERT_TRUE(next.ok);
    EXPECT_EQ(next.name, "Neuer Ordner (3)");
}

TEST_F(UserFolder, NewFolderFailsWhenAllFiftyNamesExist) {
    for (int n = 1; n <= NewFolderNameCount; ++n)
        ASSERT_TRUE(QDir(folder).mkdir(NewFolderCandidate(n)));
    const NewFolderResult r = CreateNewFolder(folder);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.name, "Neuer Ordner (50)");
    EXPECT_EQ(r.error, QString::fromLocal8Bit(std::make_error_code(std::errc::file_exists).message()));
    EXPECT_EQ(NewFolderFailureText(r),
              "Der Ordner 'Neuer Ordner (50)' konnte nicht erstellt werden.\n\n" + r.error);
    EXPECT_EQ(allEntries(folder).size(), NewFolderNameCount);
}

TEST_F(UserFolder, NewFolderInAMissingParentFailsWithTheSystemText) {
    const QStringList before = allEntries(parentDir());
    for (const QString& parent : {folder + "missing/", QString()}) {
        const NewFolderResult r = CreateNewFolder(parent);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.name, "Neuer Ordner");
        EXPECT_FALSE(r.error.isEmpty());
    }
    EXPECT_EQ(allEntries(parentDir()), before);
    EXPECT_TRUE(allEntries(folder).isEmpty());
}

} // namespace
