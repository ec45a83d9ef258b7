#pragma once

#include "app/global_state.h"
#include "app/language.h"
#include "tests/ui/modal_script.h"
#include "ui/daten.h"
#include "ui/meldung_dialog.h"
#include "users/benutzer_dialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

// Processes events until the condition holds or two seconds have passed.
inline bool WaitFor(const std::function<bool()>& condition, int ms = 2000) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The view's open editor. A closed one is only hidden until its deferred deletion, so the
// first line edit found may be the last rename's.
inline QLineEdit* OpenEditor(const QAbstractItemView* view) {
    for (QLineEdit* editor : view->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

// A user data folder "<tmp>/Velmora/" with the folders Team and Team/Sub, the program's
// message box, the resource holder and a user dialog on its own selection.
class UserDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedGlobal = globalState();
        savedLanguage = languageState().language;
        languageState().language = German;
        ASSERT_TRUE(QDir(tmp.path()).mkpath("Velmora/Team/Sub"));
        root = tmp.filePath("Velmora") + "/";
        globalState().userDataFolder = root;
    }
    void TearDown() override {
        globalState() = savedGlobal;
        languageState().language = savedLanguage;
    }
    void touch(const QString& relative, const QByteArray& content = {}) {
        QFile f(root + relative);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << relative.toStdString();
        f.write(content);
    }
    QByteArray contentOf(const QString& relative) {
        QFile f(root + relative);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList listed() const {
        QStringList lines;
        for (int i = 0; i < dialog.BenutzerListbox->count(); ++i)
            lines << dialog.BenutzerListbox->item(i)->text();
        return lines;
    }
    QString selectedLine() const {
        const auto items = dialog.BenutzerListbox->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
    // Shows the dialog (not modally) and waits until the tree has selected its folder.
    void showDialog(const QString& selectedFolder) {
        selection.SelectedFolder = selectedFolder;
        dialog.show();
        ASSERT_TRUE(WaitFor([&] { return !dialog.treeFolder().isEmpty(); }));
    }
    // The script answers boxes opened by `action` while the dialog stays shown.
    void runWhileShown(ModalScript& script, const std::function<void()>& action) {
        action();
        EXPECT_TRUE(WaitFor([&] { return script.finished(); }, 5000));
        EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(",").toStdString();
    }

    GlobalState savedGlobal;
    int savedLanguage = German;
    QTemporaryDir tmp;
    QString root;
    TDaten daten;
    TMeldungDialog box;
    UserSelection selection;
    TBenutzerDialog dialog{selection};
};
