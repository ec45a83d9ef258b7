#include "results/run_record.h"
#include "tests/users/user_dialog_fixture.h"
#include "ui/picture_button.h"
#include "users/login.h"

#include <QTest>

namespace {

// The dialog runs modally here: steps pick a user or cancel, the confirmation is read.
class Login : public UserDialogTest {
protected:
    void SetUp() override {
        UserDialogTest::SetUp();
        touch("Team/Team1.dat");
        touch("Team/Zora.dat");
    }
    void chooseIn(ModalScript& script, const QString& folder, int row) {
        script.on<TBenutzerDialog>([this, folder, row](TBenutzerDialog* d) {
            ASSERT_TRUE(WaitFor([&] { return d->selectFolder(folder); }));
            d->BenutzerListbox->setCurrentRow(row);
            QTest::mouseClick(d->okbutton, Qt::LeftButton);
        });
        script.on<TMeldungDialog>([this](TMeldungDialog* b) {
            confirmation = b->Textfeld->text();
            caption = b->windowTitle();
            confirmationHeight = b->height();
            singleButton = !b->jabutton->isVisible();
            QTest::keyClick(b, Qt::Key_Return);
        });
    }
    QString confirmation, caption;
    int confirmationHeight = 0;
    bool singleButton = false;
};

TEST_F(Login, ChoosingMakesTheUserCurrentAndConfirms) {
    CurrentUserState user;
    ModalScript script;
    chooseIn(script, root + "Team/", 0);
    EXPECT_TRUE(ChooseUser(dialog, user));
    EXPECT_EQ(user, (CurrentUserState{root + "Team/", "Team1.dat"}));
    EXPECT_EQ(confirmation, "Die Datei \"Team1\" wurde ge\u00f6ffnet.");
    EXPECT_EQ(caption, "Hinweis");
    EXPECT_EQ(confirmationHeight, 264);
    EXPECT_TRUE(singleButton);
    EXPECT_TRUE(script.unexpected.isEmpty());
}

TEST_F(Login, TheDialogStartsAtTheCurrentUsersFolder) {
    CurrentUserState user{root + "Team/", "Zora.dat"};
    ModalScript script;
    QString shownFolder, shownFile;
    script.on<TBenutzerDialog>([&](TBenutzerDialog* d) {
        WaitFor([&] { return !d->treeFolder().isEmpty(); });
        shownFolder = d->treeFolder();
        shownFile = d->selection().SelectedFile;
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(ChooseUser(dialog, user));
    EXPECT_EQ(shownFolder, root + "Team/");
    EXPECT_EQ(shownFile, "Zora.dat");
}

TEST_F(Login, CancellingAfterBrowsingChangesNothing) {
    CurrentUserState user{root + "Team/", "Zora.dat"};
    ModalScript script; // no confirmation may appear
    script.on<TBenutzerDialog>([&](TBenutzerDialog* d) {
        ASSERT_TRUE(WaitFor([&] { return d->selectFolder(root + "Team/Sub/"); }));
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(ChooseUser(dialog, user));
    EXPECT_EQ(user, (CurrentUserState{root + "Team/", "Zora.dat"}));
    EXPECT_EQ(selection.SelectedFolder, root + "Team/Sub/"); // the dialog's own pair moved
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.unexpected.isEmpty());
}

TEST_F(Login, EnglishConfirmation) {
    languageState().language = English;
    CurrentUserState user;
    ModalScript script;
    chooseIn(script, root + "Team/", 1);
    EXPECT_TRUE(ChooseUser(dialog, user));
    EXPECT_EQ(user.CurrentUserFile, "Zora.dat");
    EXPECT_EQ(confirmation, "The file \"Zora\" has been opened.");
    EXPECT_EQ(caption, "Info");
}

TEST_F(Login, OnlyTheMainScreensButtonForgetsTheLastRun) {
    RunRecord record;
    record.roundCount = 40;
    CurrentUserState user;
    runRecord().roundCount = 40;

    ModalScript script;
    chooseIn(script, root + "Team/", 0);
    EXPECT_TRUE(ChooseUser(dialog, user)); // as the storing of a run calls it
    EXPECT_EQ(runRecord().roundCount, 40);

    chooseIn(script, root + "Team/", 0); // the same user again: confirmed and forgotten again
    confirmation.clear();
    BenutzerbuttonClick(dialog, user, record);
    EXPECT_EQ(record.roundCount, 0);
    EXPECT_EQ(confirmation, "Die Datei \"Team1\" wurde ge\u00f6ffnet.");

    record.roundCount = 12;
    script.on<TBenutzerDialog>(
        [](TBenutzerDialog* d) { QTest::mouseClick(d->abbrechenbutton, Qt::LeftButton); });
    BenutzerbuttonClick(dialog, user, record);
    EXPECT_EQ(record.roundCount, 12);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.unexpected.isEmpty());
    runRecord().roundCount = 0;
}

} // namespace
