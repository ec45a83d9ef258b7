#pragma once

#include "ui/own_fenster.h"
#include "users/user_files.h"

#include <QTreeView>

class QFileSystemModel;
class QLabel;
class QListWidget;
class QSortFilterProxyModel;
class TTextEingabeDialog;

// The folder tree of the user file dialog; it tells when an in-place rename begins.
class FolderTree : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::edit;
    using QTreeView::QTreeView;
    bool isEditing() const { return state() == EditingState; }

signals:
    void editingStarted();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
};

// Browse the folders below the user data folder, create folders and users, delete users
// and choose one: result 1 with the choice in selection(), 2 when cancelled.
class TBenutzerDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TBenutzerDialog(UserSelection& selection = userSelection(), QWidget* parent = nullptr);
    ~TBenutzerDialog() override;

    UserSelection& selection() { return m_selection; }
    // The full path of the folder selected in the tree, ending in the separator; empty when none.
    QString treeFolder() const;
    // Selects a folder in the tree (once the tree has read it); false when it is not in the tree.
    bool selectFolder(const QString& folder);
    TTextEingabeDialog* nameDialog() const { return m_nameDialog; }
    QFileSystemModel* folderModel() const { return m_model; }

    QLabel* NL1 = nullptr;
    FolderTree* ShellTree = nullptr;
    QLabel* NL2 = nullptr;
    QListWidget* BenutzerListbox = nullptr;
    PictureButton* Benutzerbutton = nullptr;
    PictureButton* NeuUserButton = nullptr;
    PictureButton* okbutton = nullptr;
    PictureButton* abbrechenbutton = nullptr;

public slots:
    void ListUserFiles();
    void okbuttonClick();
    void NeuUserButtonClick();
    void BenutzerbuttonClick();
    void DeleteSelectedUser();
    void RefreshTree();

protected:
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void BuildModel();
    void TrySelectPending();
    void expandFolder(const QModelIndex& index);
    QModelIndex treeIndex(const QString& folder) const;

    UserSelection& m_selection;
    QString m_root; // the tree's root folder, without a trailing separator
    QString m_pendingFolder;
    QFileSystemModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    TTextEingabeDialog* m_nameDialog = nullptr;
};

// The program's instance: the first one created, or one made on first use that lives
// until the event loop ends.
TBenutzerDialog& benutzerDialog();
