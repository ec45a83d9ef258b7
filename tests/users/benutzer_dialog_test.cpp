#include "tests/users/user_dialog_fixture.h"
#include "ui/picture_button.h"
#include "users/text_eingabe_dialog.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace {

void TypeName(TTextEingabeDialog* d, const QString& name) {
    QTest::keyClicks(d->NameEdit, name);
    QTest::keyClick(d->NameEdit, Qt::Key_Return);
}

// Persistent: the tree's sorting moves rows while it reads the disk.
QPersistentModelIndex TopItem(const TBenutzerDialog& dialog) {
    return dialog.ShellTree->model()->index(0, 0, dialog.ShellTree->rootIndex());
}

TEST_F(UserDialogTest, TreeShowsOnlyTheUserDataFolderAndItsFolders) {
    touch("Team/Anna.dat");
    showDialog(QString());
    QAbstractItemModel* model = dialog.ShellTree->model();
    ASSERT_TRUE(WaitFor([&] { return model->rowCount(dialog.ShellTree->rootIndex()) == 1; }));
    const QPersistentModelIndex top = TopItem(dialog);
    EXPECT_EQ(top.data().toString(), "Velmora");
    EXPECT_EQ(selection.SelectedFolder, root); // nothing chosen yet: the root itself
    // Folders only: Team is there, Anna.dat is not.
    ASSERT_TRUE(WaitFor([&] { return model->rowCount(top) == 1; }));
    const QPersistentModelIndex team = model->index(0, 0, top);
    EXPECT_EQ(team.data().toString(), "Team");
    model->fetchMore(team);
    ASSERT_TRUE(WaitFor([&] { return model->rowCount(team) == 1; }));
    EXPECT_EQ(model->index(0, 0, team).data().toString(), "Sub");
    // The root cannot be renamed away.
    EXPECT_FALSE(model->flags(top) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->flags(team) & Qt::ItemIsEditable);
}

TEST_F(UserDialogTest, ShowingSelectsTheFolderAndListsItsUsers) {
    touch("Team/Gruppe.DAT");
    touch("Team/gruppe2.dat");
    touch("Team/a.dat.dat");
    touch("Team/notes.txt");
    showDialog(root + "Team/");
    EXPECT_EQ(dialog.treeFolder(), root + "Team/");
    EXPECT_EQ(selection.SelectedFolder, root + "Team/");
    EXPECT_EQ(listed(), (QStringList{"a", "Gruppe", "gruppe2"}));
    EXPECT_EQ(selectedLine(), "a"); // the first line
    EXPECT_EQ(dialog.pos(), QPoint((1024 - 646) / 2, (768 - 473) / 2));
    EXPECT_EQ(dialog.size(), QSize(646, 473));
}

TEST_F(UserDialogTest, AMissingOrForeignFolderFallsBackToTheRoot) {
    for (const QString& folder : {root + "Gone/", tmp.path() + "/", QString("/")}) {
        showDialog(folder);
        EXPECT_EQ(selection.SelectedFolder, root) << folder.toStdString();
        dialog.hide();
    }
}

TEST_F(UserDialogTest, AMissingUserDataFolderGivesMessagesNotFiles) {
    ASSERT_TRUE(QDir(root).removeRecursively());
    selection.SelectedFolder = tmp.path() + "/"; // stale: must not be used for creating
    dialog.show();
    QTest::qWait(50);
    EXPECT_EQ(selection.SelectedFolder, "");
    EXPECT_TRUE(listed().isEmpty());
    ModalScript script;
    QStringList texts;
    script.on<TTextEingabeDialog>([](TTextEingabeDialog* d) { TypeName(d, "Anna"); });
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        texts << b->Textfeld->text();
        QTest::keyClick(b, Qt::Key_Return);
    });
    script.on<QMessageBox>([&](QMessageBox* m) {
        texts << m->text();
        m->accept();
    });
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        texts << b->Textfeld->text();
        QTest::keyClick(b, Qt::Key_Return);
    });
    runWhileShown(script, [&] {
        QTest::mouseClick(dialog.NeuUserButton, Qt::LeftButton);
        QTest::mouseClick(dialog.Benutzerbutton, Qt::LeftButton);
    });
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], "Fehler beim Anlegen des Benutzers.");
    EXPECT_TRUE(texts[1].startsWith("Der Ordner 'Neuer Ordner' konnte nicht erstellt werden.\n\n"));
    EXPECT_EQ(texts[2], "Fehler beim Anlegen des Ordners.");
    EXPECT_TRUE(QDir(tmp.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(UserDialogTest, SelectingAnotherFolderRefillsTheList) {
    touch("Anna.dat");
    touch("Team/Sub/Bert.dat");
    showDialog(root);
    EXPECT_EQ(listed(), QStringList{"Anna"});
    ASSERT_TRUE(dialog.selectFolder(root + "Team/Sub/"));
    EXPECT_EQ(selection.SelectedFolder, root + "Team/Sub/");
    EXPECT_EQ(listed(), QStringList{"Bert"});
    ASSERT_TRUE(dialog.selectFolder(root + "Team/"));
    EXPECT_TRUE(listed().isEmpty());
}

TEST_F(UserDialogTest, OpenChoosesTheSelectedUserWithALowerCaseSuffix) {
    touch("Team/Gruppe.DAT");
    touch("Team/gruppe2.dat");
    showDialog(root + "Team/");
    dialog.BenutzerListbox->setCurrentRow(0);
    QTest::mouseClick(dialog.okbutton, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(selection.SelectedFile, "Gruppe.dat");
    EXPECT_EQ(selection.SelectedFolder, root + "Team/");
}

TEST_F(UserDialogTest, DoubleClickOnALineOpens) {
    touch("Anna.dat");
    touch("Bert.dat");
    showDialog(root);
    QListWidget* list = dialog.BenutzerListbox;
    const QPoint at = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(selection.SelectedFile, "Bert.dat");
}

struct HintCase {
    int language;
    const char* text;
    const char* caption;
};

class OpenHint : public UserDialogTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(OpenHint, WithoutAUserTheDialogStaysOpen) {
    languageState().language = GetParam().language;
    showDialog(root + "Team/");
    ASSERT_TRUE(listed().isEmpty());
    ModalScript script;
    QString text, caption;
    int height = 0;
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        text = b->Textfeld->text();
        caption = b->windowTitle();
        height = b->height();
        QTest::keyClick(b, Qt::Key_Return);
    });
    selection.SelectedFile = "Old.dat";
    runWhileShown(script, [&] { QTest::mouseClick(dialog.okbutton, Qt::LeftButton); });
    EXPECT_EQ(text, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(caption, GetParam().caption);
    EXPECT_EQ(height, 264);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(selection.SelectedFile, "Old.dat");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenHint,
    ::testing::Values(
        HintCase{German,
                 "Bitte wählen Sie einen Benutzer aus der Liste oder legen Sie einen neuen Benutzer an.",
                 "Hinweis"},
        HintCase{English, "Please choose a user from the list or create a new user profile.", "info"}));

TEST_F(UserDialogTest, NewUserCreatesAnEmptyFileAndRelists) {
    touch("Team/Bert.dat", "run\r\n");
    showDialog(root + "Team/");
    ModalScript script;
    script.on<TTextEingabeDialog>([](TTextEingabeDialog* d) { TypeName(d, "  Anna "); });
    runWhileShown(script, [&] { QTest::mouseClick(dialog.NeuUserButton, Qt::LeftButton); });
    EXPECT_EQ(contentOf("Team/Anna.dat"), QByteArray());
    EXPECT_EQ(listed(), (QStringList{"Anna", "Bert"}));
    EXPECT_EQ(selectedLine(), "Anna");
    EXPECT_EQ(contentOf("Team/Bert.dat"), QByteArray("run\r\n"));
}

TEST_F(UserDialogTest, AnExistingUserIsLeftAloneWithoutAMessage) {
    touch("Team/Anna.dat", "run 1\r\n");
    touch("Team/Gruppe.DAT", "run 2\r\n");
    showDialog(root + "Team/");
    for (const char* name : {"Anna", "Gruppe"}) {
        ModalScript script; // a message box would be unexpected
        script.on<TTextEingabeDialog>([name](TTextEingabeDialog* d) { TypeName(d, name); });
        runWhileShown(script, [&] { QTest::mouseClick(dialog.NeuUserButton, Qt::LeftButton); });
        QCoreApplication::processEvents();
        EXPECT_FALSE(box.isVisible());
    }
    EXPECT_EQ(contentOf("Team/Anna.dat"), QByteArray("run 1\r\n"));
    EXPECT_EQ(contentOf("Team/Gruppe.DAT"), QByteArray("run 2\r\n"));
    EXPECT_EQ(QDir(root + "Team").entryList(QDir::Files).size(), 2);
}

struct RefusedCase {
    int language;
    const char* name;
    const char* text;
    const char* caption;
};

class RefusedNewUser : public UserDialogTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedNewUser, FailsWithTheMessageAndCreatesNothing) {
    languageState().language = GetParam().language;
    showDialog(root + "Team/Sub/");
    ModalScript script;
    QString text, caption;
    script.on<TTextEingabeDialog>([&](TTextEingabeDialog* d) { TypeName(d, GetParam().name); });
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        text = b->Textfeld->text();
        caption = b->windowTitle();
        QTest::keyClick(b, Qt::Key_Return);
    });
    runWhileShown(script, [&] { QTest::mouseClick(dialog.NeuUserButton, Qt::LeftButton); });
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(caption, GetParam().caption);
    EXPECT_TRUE(QDir(root + "Team/Sub").isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    EXPECT_EQ(QDir(root + "Team").entryList(QDir::Files), QStringList());
    EXPECT_EQ(QDir(root).entryList(QDir::Files), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedNewUser,
    ::testing::Values(RefusedCase{German, "../x", "Fehler beim Anlegen des Benutzers.", "Hinweis"},
                      RefusedCase{German, "../../x", "Fehler beim Anlegen des Benutzers.", "Hinweis"},
                      RefusedCase{English, "a/b", "Error creating a new user profile.", "info"},
                      RefusedCase{English, "$$temp$$", "Error creating a new user profile.", "info"}));

TEST_F(UserDialogTest, BlankNamesKeepTheNameDialogOpen) {
    showDialog(root);
    ModalScript script;
    QString fieldAfterBlank;
    bool stillOpen = false;
    script.on<TTextEingabeDialog>([&](TTextEingabeDialog* d) {
        TypeName(d, "   ");
        fieldAfterBlank = d->NameEdit->text();
        stillOpen = d->isVisible();
        QTest::keyClick(d->NameEdit, Qt::Key_Escape);
    });
    runWhileShown(script, [&] { QTest::mouseClick(dialog.NeuUserButton, Qt::LeftButton); });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(fieldAfterBlank, "");
    EXPECT_EQ(dialog.nameDialog()->result(), 2);
    EXPECT_TRUE(QDir(root).entryList(QDir::Files).isEmpty());
}

TEST_F(UserDialogTest, NewFolderIsCreatedAndOpenedForRenaming) {
    showDialog(root + "Team/");
    QTest::mouseClick(dialog.Benutzerbutton, Qt::LeftButton);
    EXPECT_TRUE(QFileInfo(root + "Team/Neuer Ordner").isDir());
    ASSERT_TRUE(WaitFor([&] { return dialog.ShellTree->isEditing(); }));
    // The rename happens in the tree when the edit ends.
    QLineEdit* editor = OpenEditor(dialog.ShellTree);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "Neuer Ordner");
    editor->selectAll();
    QTest::keyClicks(editor, "Gruppe A");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(WaitFor([&] { return QFileInfo(root + "Team/Gruppe A").isDir(); }));
    EXPECT_FALSE(QFileInfo::exists(root + "Team/Neuer Ordner"));
    EXPECT_TRUE(dialog.isVisible()); // Enter ended the edit, not the dialog

    QTest::mouseClick(dialog.Benutzerbutton, Qt::LeftButton);
    EXPECT_TRUE(QFileInfo(root + "Team/Neuer Ordner").isDir());
    ASSERT_TRUE(WaitFor([&] { return dialog.ShellTree->isEditing(); }));
    QLineEdit* second = OpenEditor(dialog.ShellTree);
    ASSERT_NE(second, nullptr);
    QTest::keyClick(second, Qt::Key_Escape); // keeps the name
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.Benutzerbutton, Qt::LeftButton);
    EXPECT_TRUE(QFileInfo(root + "Team/Neuer Ordner (2)").isDir());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(UserDialogTest, NewFolderFailsWithBothMessagesWhenAllNamesExist) {
    for (int n = 1; n <= NewFolderNameCount; ++n)
        ASSERT_TRUE(QDir(root + "Team").mkdir(NewFolderCandidate(n)));
    showDialog(root + "Team/");
    ModalScript script;
    QString systemText, ownText;
    script.on<QMessageBox>([&](QMessageBox* m) {
        systemText = m->text();
        m->accept();
    });
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        ownText = b->Textfeld->text();
        QTest::keyClick(b, Qt::Key_Return);
    });
    runWhileShown(script, [&] { QTest::mouseClick(dialog.Benutzerbutton, Qt::LeftButton); });
    EXPECT_TRUE(systemText.startsWith("Der Ordner 'Neuer Ordner (50)' konnte nicht erstellt werden.\n\n"));
    EXPECT_GT(systemText.size(), 62);
    EXPECT_EQ(ownText, "Fehler beim Anlegen des Ordners.");
    EXPECT_EQ(QDir(root + "Team").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(),
              NewFolderNameCount + 1);
}

struct DeleteCase {
    const char* name;
    int language;
    std::function<void(TMeldungDialog*)> answer;
    bool deleted;
};

class DeleteUser : public UserDialogTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteUser, AsksFirst) {
    const DeleteCase& c = GetParam();
    languageState().language = c.language;
    touch("Team/Anna.dat", "run\r\n");
    touch("Team/Bert.dat", "run\r\n");
    showDialog(root + "Team/");
    ASSERT_EQ(selectedLine(), "Anna");
    ModalScript script;
    QString text, caption = "<none>";
    bool yesNo = false;
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        text = b->Textfeld->text();
        caption = b->windowTitle();
        yesNo = b->jabutton->isVisible();
        c.answer(b);
    });
    runWhileShown(script, [&] { QTest::keyClick(dialog.BenutzerListbox, Qt::Key_F12); });
    EXPECT_EQ(text, c.language == German
                        ? QString::fromUtf8("Soll der Benutzer Anna wirklich gelöscht werden?")
                        : QString("Do you really want to delete the user Anna?"));
    EXPECT_EQ(caption, "");
    EXPECT_TRUE(yesNo);
    EXPECT_EQ(QFileInfo::exists(root + "Team/Anna.dat"), !c.deleted);
    EXPECT_TRUE(QFileInfo::exists(root + "Team/Bert.dat"));
    EXPECT_EQ(listed(), c.deleted ? QStringList{"Bert"} : (QStringList{"Anna", "Bert"}));
    EXPECT_TRUE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteUser,
    ::testing::Values(
        DeleteCase{"Yes", German, [](TMeldungDialog* b) { QTest::keyClick(b, 'j'); }, true},
        DeleteCase{"No", German, [](TMeldungDialog* b) { QTest::keyClick(b, 'n'); }, false},
        DeleteCase{"Escape", German, [](TMeldungDialog* b) { QTest::keyClick(b, Qt::Key_Escape); }, false},
        DeleteCase{"EnglishYesButton", English,
                   [](TMeldungDialog* b) { QTest::mouseClick(b->jabutton, Qt::LeftButton); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UserDialogTest, F12WithoutAUserDoesNothing) {
    showDialog(root + "Team/");
    ModalScript script; // any box would be unexpected
    QTest::keyClick(dialog.BenutzerListbox, Qt::Key_F12);
    QTest::qWait(50);
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(UserDialogTest, EnterDoesNothingEscapeAndCloseBoxCancel) {
    touch("Anna.dat");
    showDialog(root);
    dialog.setResult(0);
    QTest::keyClick(dialog.BenutzerListbox, Qt::Key_Return);
    QTest::keyClick(dialog.ShellTree, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(selection.SelectedFile, "");
    QTest::keyClick(dialog.BenutzerListbox, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);

    showDialog(root);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(dialog.width() - 35, 25));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);
    showDialog(root);
    QTest::mouseClick(dialog.abbrechenbutton, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(selection.SelectedFile, "");
}

TEST_F(UserDialogTest, TheTreeFollowsTheDiskAndF5RereadsIt) {
    showDialog(root + "Team/");
    QAbstractItemModel* model = dialog.ShellTree->model();
    const QPersistentModelIndex top = TopItem(dialog);
    ASSERT_TRUE(QDir(root).mkdir("Extern"));
    EXPECT_TRUE(WaitFor([&] { return model->rowCount(top) == 2; }, 5000));
    QTest::keyClick(dialog.ShellTree, Qt::Key_F5);
    EXPECT_EQ(selection.SelectedFolder, root + "Team/"); // the selection survives
    model = dialog.ShellTree->model();
    EXPECT_TRUE(WaitFor([&] { return model->rowCount(TopItem(dialog)) == 2; }));
    EXPECT_TRUE(dialog.isVisible());
}

struct TextCase {
    int language;
    QStringList texts; // new folder, new user, open, cancel, NL1, NL2, caption
};

class DialogTexts : public UserDialogTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(DialogTexts, FollowTheLanguage) {
    languageState().language = GetParam().language;
    showDialog(root);
    const QStringList shown{dialog.Benutzerbutton->text(),
                            dialog.NeuUserButton->text(),
                            dialog.okbutton->text(),
                            dialog.abbrechenbutton->text(),
                            dialog.NL1->text(),
                            dialog.NL2->text(),
                            dialog.windowTitle()};
    EXPECT_EQ(shown, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogTexts,
    ::testing::Values(TextCase{German,
                               {"Neuer Ordner", "Neuer Benutzer", QString::fromUtf8("Öffnen"), "Abbrechen",
                                "Ordner:", "Benutzer:", "Benutzer"}},
                      TextCase{English,
                               {"New folder", "New user", "Open", "Cancel", "Folder:", "User:", "User"}}));

TEST(NameDialog, TrimsAcceptsAndCancels) {
    const int savedLanguage = languageState().language;
    languageState().language = English;
    TDaten daten;
    TTextEingabeDialog d;
    d.show();
    EXPECT_EQ(d.size(), QSize(415, 227));
    EXPECT_EQ(d.abbrechenbutton->text(), "Cancel");
    EXPECT_EQ(d.windowTitle(), "Name");
    QTest::keyClicks(d.NameEdit, "\t Team1 ");
    QTest::mouseClick(d.okbutton, Qt::LeftButton);
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(d.name(), "Team1");
    d.show();
    EXPECT_EQ(d.NameEdit->text(), ""); // emptied on every showing
    QTest::keyClicks(d.NameEdit, "x");
    QTest::keyClick(d.NameEdit, Qt::Key_Escape);
    EXPECT_EQ(d.result(), 2);
    languageState().language = savedLanguage;
}

} // namespace
