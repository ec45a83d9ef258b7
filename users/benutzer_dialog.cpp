#include "users/benutzer_dialog.h"

#include "app/global_state.h"
#include "app/language.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_button.h"
#include "users/text_eingabe_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>

static TBenutzerDialog* g_instance = nullptr;

static QString CleanFolder(const QString& folder) {
    return folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

// Whether `inner` is `outer` or lies below it (both cleaned).
static bool IsSelfOrBelow(const QString& outer, const QString& inner) {
    if (outer.isEmpty())
        return false;
    return inner == outer ||
           inner.startsWith(outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/'));
}

namespace {

// Shows the root folder as the tree's only top item: of everything above it only the
// chain of its ancestors passes, everything below it passes.
class RootFolderProxy : public QSortFilterProxyModel {
public:
    RootFolderProxy(const QString& root, QObject* parent) : QSortFilterProxyModel(parent), m_root(root) {}

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = QSortFilterProxyModel::flags(index);
        if (pathOf(mapToSource(index)) == m_root)
            f &= ~Qt::ItemIsEditable; // renaming the root would lose the user data folder
        return f;
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QString path = pathOf(sourceModel()->index(row, 0, parent));
        return IsSelfOrBelow(path, m_root) || IsSelfOrBelow(m_root, path);
    }

private:
    QString pathOf(const QModelIndex& index) const {
        return QDir::cleanPath(static_cast<QFileSystemModel*>(sourceModel())->filePath(index));
    }
    QString m_root;
};

// Lines of 16 pixels in the user list.
class LineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), 16);
    }
};

QWidget* PaleArea(QWidget* parent, const QRect& geometry) {
    auto* area = new QWidget(parent);
    area->setGeometry(geometry);
    area->setAutoFillBackground(true);
    QPalette pal = area->palette();
    pal.setColor(QPalette::Window, QColor(215, 250, 240));
    area->setPalette(pal);
    return area;
}

void Hint(const QString& german, const QString& english) {
    const int language = languageState().language;
    const QString text = ByLanguage(language, german, english);
    if (!text.isEmpty())
        Meldungsfenster(text, ByLanguage(language, QStringLiteral("Hinweis"), QStringLiteral("info")), 6,
                        true, false);
}

} // namespace

bool FolderTree::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool wasEditing = isEditing();
    const bool result = QTreeView::edit(index, trigger, event);
    if (result && !wasEditing && isEditing())
        emit editingStarted();
    return result;
}

TBenutzerDialog::TBenutzerDialog(UserSelection& selection, QWidget* parent)
    : TOwnFenster(parent), m_selection(selection) {
    if (!g_instance)
        g_instance = this;
    setPppSize(600, 402);
    setWindowTitle(QStringLiteral("Benutzer"));
    PaleArea(ppp, QRect(14, 19, 281, 323));
    PaleArea(ppp, QRect(306, 19, 281, 323));

    NL1 = new QLabel(QStringLiteral("Ordner:"), ppp);
    NL1->setGeometry(26, 28, 200, 16);
    NL1->setFont(ArialPixels(13, false));
    NL2 = new QLabel(QStringLiteral("Benutzer:"), ppp);
    NL2->setGeometry(318, 28, 200, 16);
    NL2->setFont(ArialPixels(13, false));

    ShellTree = new FolderTree(ppp);
    ShellTree->setGeometry(26, 48, 256, 247);
    ShellTree->setFont(ArialPixels(13, false));
    ShellTree->setHeaderHidden(true);
    ShellTree->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    ShellTree->setSelectionMode(QAbstractItemView::SingleSelection);
    // The selection stays visible while another control has the focus.
    QPalette pal = ShellTree->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    ShellTree->setPalette(pal);
    connect(ShellTree, &FolderTree::editingStarted, this, &TBenutzerDialog::ListUserFiles);

    BenutzerListbox = new QListWidget(ppp);
    BenutzerListbox->setGeometry(318, 48, 256, 247);
    BenutzerListbox->setFont(ArialPixels(13, false));
    BenutzerListbox->setUniformItemSizes(true);
    BenutzerListbox->setItemDelegate(new LineDelegate(BenutzerListbox));
    BenutzerListbox->setSelectionMode(QAbstractItemView::SingleSelection);
    BenutzerListbox->setPalette(pal);
    connect(BenutzerListbox, &QListWidget::itemDoubleClicked, this, &TBenutzerDialog::okbuttonClick);

    const QColor green(200, 250, 230);
    Benutzerbutton = AddButton(ppp, 90, 302, Faces::Green, green);
    Benutzerbutton->setText(QStringLiteral("Neuer Ordner"));
    NeuUserButton = AddButton(ppp, 386, 302, Faces::Green, green);
    NeuUserButton->setText(QStringLiteral("Neuer Benutzer"));
    okbutton = AddButton(ppp, 160, 356, Faces::Blue, QColor(210, 220, 240));
    okbutton->setText(QString::fromUtf8("Öffnen"));
    abbrechenbutton = AddButton(ppp, 302, 356, Faces::Blue, QColor(210, 220, 250));
    abbrechenbutton->setText(QStringLiteral("Abbrechen"));
    connect(Benutzerbutton, &QAbstractButton::clicked, this, &TBenutzerDialog::BenutzerbuttonClick);
    connect(NeuUserButton, &QAbstractButton::clicked, this, &TBenutzerDialog::NeuUserButtonClick);
    connect(okbutton, &QAbstractButton::clicked, this, &TBenutzerDialog::okbuttonClick);
    connect(abbrechenbutton, &QAbstractButton::clicked, this, [this] { done(2); });

    m_nameDialog = new TTextEingabeDialog(this);
}

TBenutzerDialog::~TBenutzerDialog() {
    if (g_instance == this)
        g_instance = nullptr;
}

void TBenutzerDialog::BuildModel() {
    QAbstractItemModel* oldProxy = m_proxy;
    QFileSystemModel* oldModel = m_model;
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setReadOnly(false); // in-place rename
    m_proxy = new RootFolderProxy(m_root, this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->sort(0);
    ShellTree->setModel(m_proxy);
    for (int column = 1; column < m_model->columnCount(); ++column)
        ShellTree->hideColumn(column);
    delete oldProxy;
    delete oldModel;

    m_model->setRootPath(m_root);
    const QFileInfo root(m_root);
    ShellTree->setRootIndex(root.isRoot() || m_root.isEmpty()
                                ? QModelIndex()
                                : m_proxy->mapFromSource(m_model->index(root.absolutePath())));
    connect(ShellTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TBenutzerDialog::ListUserFiles);
    connect(m_model, &QFileSystemModel::directoryLoaded, this, &TBenutzerDialog::TrySelectPending);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, &TBenutzerDialog::TrySelectPending);
    // A renamed folder has a new path: list it again under that path.
    connect(m_model, &QFileSystemModel::fileRenamed, this, &TBenutzerDialog::ListUserFiles);
}

QModelIndex TBenutzerDialog::treeIndex(const QString& folder) const {
    if (!m_model || !IsSelfOrBelow(m_root, folder))
        return {};
    return m_proxy->mapFromSource(m_model->index(folder));
}

// Expanding alone does not read a folder whose layout is still pending.
void TBenutzerDialog::expandFolder(const QModelIndex& index) {
    ShellTree->expand(index);
    if (m_proxy->canFetchMore(index))
        m_proxy->fetchMore(index);
}

QString TBenutzerDialog::treeFolder() const {
    if (!m_model)
        return {};
    const QModelIndex current = ShellTree->currentIndex();
    if (!current.isValid())
        return {};
    QString path = QDir::toNativeSeparators(m_model->filePath(m_proxy->mapToSource(current)));
    if (path.isEmpty())
        return {};
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

bool TBenutzerDialog::selectFolder(const QString& folder) {
    const QString clean = CleanFolder(folder);
    if (!QFileInfo(clean).isDir())
        return false;
    const QModelIndex index = treeIndex(clean);
    if (!index.isValid())
        return false;
    for (QModelIndex up = index.parent(); up.isValid() && up != ShellTree->rootIndex(); up = up.parent())
        expandFolder(up);
    ShellTree->setCurrentIndex(index);
    ShellTree->scrollTo(index);
    return true;
}

void TBenutzerDialog::TrySelectPending() {
    if (m_pendingFolder.isEmpty())
        return;
    const QString folder = m_pendingFolder;
    if (selectFolder(folder)) {
        m_pendingFolder.clear();
        ListUserFiles();
    }
}

void TBenutzerDialog::FormShow() {
    const QString root = CleanFolder(globalState().userDataFolder);
    if (root != m_root || !m_model) {
        m_root = root;
        BuildModel();
    }
    // No folder chosen yet, or one that is gone: the user data folder itself.
    const QString wanted = CleanFolder(m_selection.SelectedFolder);
    m_pendingFolder = IsSelfOrBelow(m_root, wanted) && QFileInfo(wanted).isDir() ? wanted : m_root;
    ShellTree->setCurrentIndex(QModelIndex());
    TrySelectPending();
    if (!ShellTree->currentIndex().isValid())
        ListUserFiles(); // nothing selected yet: no folder to list or create users in

    const int language = languageState().language;
    if (language == German || language == English) {
        Benutzerbutton->setText(
            ByLanguage(language, QStringLiteral("Neuer Ordner"), QStringLiteral("New folder")));
        NeuUserButton->setText(
            ByLanguage(language, QStringLiteral("Neuer Benutzer"), QStringLiteral("New user")));
        okbutton->setText(ByLanguage(language, QString::fromUtf8("Öffnen"), QStringLiteral("Open")));
        abbrechenbutton->setText(ByLanguage(language, QStringLiteral("Abbrechen"), QStringLiteral("Cancel")));
        NL1->setText(ByLanguage(language, QStringLiteral("Ordner:"), QStringLiteral("Folder:")));
        NL2->setText(ByLanguage(language, QStringLiteral("Benutzer:"), QStringLiteral("User:")));
        setWindowTitle(ByLanguage(language, QStringLiteral("Benutzer"), QStringLiteral("User")));
    }
    ShellTree->setFocus();
}

void TBenutzerDialog::ListUserFiles() {
    m_selection.SelectedFolder = treeFolder();
    BenutzerListbox->clear();
    BenutzerListbox->addItems(ListUserNames(m_selection.SelectedFolder));
    if (BenutzerListbox->count() > 0)
        BenutzerListbox->setCurrentRow(0);
}

void TBenutzerDialog::okbuttonClick() {
    const QList<QListWidgetItem*> selected = BenutzerListbox->selectedItems();
    if (!selected.isEmpty()) {
        m_selection.SelectedFile = selected.first()->text() + QStringLiteral(".dat");
        done(1);
        return;
    }
    Hint(QString::fromUtf8(
             "Bitte wählen Sie einen Benutzer aus der Liste oder legen Sie einen neuen Benutzer an."),
         QStringLiteral("Please choose a user from the list or create a new user profile."));
}

void TBenutzerDialog::NeuUserButtonClick() {
    if (m_nameDialog->exec() != 1)
        return;
    switch (CreateUserFile(m_selection.SelectedFolder, m_nameDialog->name())) {
    case CreateUserResult::Exists:
        return;
    case CreateUserResult::Created:
        ListUserFiles();
        return;
    case CreateUserResult::Failed:
        Hint(QStringLiteral("Fehler beim Anlegen des Benutzers."),
             QStringLiteral("Error creating a new user profile."));
        return;
    }
}

void TBenutzerDialog::BenutzerbuttonClick() {
    const QModelIndex parent = ShellTree->currentIndex();
    const NewFolderResult result = CreateNewFolder(treeFolder());
    if (!result.ok) {
        QMessageBox::warning(this, QString(), NewFolderFailureText(result));
        Hint(QStringLiteral("Fehler beim Anlegen des Ordners."),
             QStringLiteral("Error creating a new folder."));
        return;
    }
    expandFolder(parent);
    const QModelIndex created = treeIndex(CleanFolder(result.path));
    if (created.isValid()) {
        ShellTree->scrollTo(created);
        ShellTree->edit(created);
    }
}

void TBenutzerDialog::DeleteSelectedUser() {
    const QList<QListWidgetItem*> selected = BenutzerListbox->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = selected.first()->text();
    const QString question = ByLanguage(
        languageState().language,
        QStringLiteral("Soll der Benutzer ") + name + QString::fromUtf8(" wirklich gelöscht werden?"),
        QStringLiteral("Do you really want to delete the user ") + name + "?");
    if (question.isEmpty() || Meldungsfenster(question, QString(), 6, true, true) != 6)
        return;
    DeleteUserFile(m_selection.SelectedFolder, name); // a failure leaves the user in the list
    ListUserFiles();
}

void TBenutzerDialog::RefreshTree() {
    const QString current = CleanFolder(treeFolder());
    BuildModel();
    m_pendingFolder = current.isEmpty() ? m_root : current;
    TrySelectPending();
}

bool TBenutzerDialog::FormKeyDown(QKeyEvent* event) {
    if (ShellTree->isEditing())
        return false; // the rename editor keeps Enter, Escape and the rest
    switch (event->key()) {
    case Qt::Key_Escape:
        done(2);
        return true;
    case Qt::Key_F5:
        RefreshTree();
        return true;
    case Qt::Key_F12:
        DeleteSelectedUser();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true; // Enter has no function here
    default:
        return false;
    }
}

TBenutzerDialog& benutzerDialog() {
    if (!g_instance) {
        auto* dialog = new TBenutzerDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    return *g_instance;
}
