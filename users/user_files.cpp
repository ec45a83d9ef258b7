#include "users/user_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

UserSelection& userSelection() {
    static UserSelection selection;
    return selection;
}

static const QLatin1String DatSuffix(".dat");

QStringList ListUserNames(const QString& folder) {
    if (folder.isEmpty())
        return {};
    QDir dir(folder);
    // Without QDir::CaseSensitive the name filter ignores case, as on Windows.
    const QStringList entries = dir.entryList(
        {QStringLiteral("*.dat")}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::IgnoreCase);
    QStringList names;
    names.reserve(entries.size());
    for (const QString& entry : entries)
        names.append(entry.left(entry.toLower().indexOf(DatSuffix)));
    return names;
}

static bool IsBlankOrControl(QChar c) {
    return c.unicode() <= 0x20 || c.isSpace() || c.category() == QChar::Other_Control;
}

QString TrimUserName(const QString& name) {
    qsizetype begin = 0, end = name.size();
    while (begin < end && IsBlankOrControl(name.at(begin)))
        ++begin;
    while (end > begin && IsBlankOrControl(name.at(end - 1)))
        --end;
    return name.mid(begin, end - begin);
}

bool IsValidUserName(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1String("..")) ||
        name.compare(QLatin1String("$$TEMP$$"), Qt::CaseInsensitive) == 0)
        return false;
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// Whether `path` names an entry directly inside `folder` (no way out through the name).
static bool DirectlyInside(const QString& folder, const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absolutePath()) ==
           QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString FindUserFile(const QString& folder, const QString& name) {
    if (folder.isEmpty() || name.isEmpty())
        return {};
    const QString exact = folder + name + DatSuffix;
    if (QFileInfo(exact).isFile())
        return exact;
    // Compared by hand: the name may hold wildcard characters.
    const QStringList entries =
        QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        // The name part keeps its case; only the suffix may differ.
        if (entry.size() == name.size() + 4 && entry.startsWith(name, Qt::CaseSensitive) &&
            entry.endsWith(DatSuffix, Qt::CaseInsensitive))
            return folder + entry;
    }
    return {};
}

CreateUserResult CreateUserFile(const QString& folder, const QString& name) {
    if (folder.isEmpty() || !IsValidUserName(name) || !QFileInfo(folder).isDir())
        return CreateUserResult::Failed;
    const QString path = folder + name + DatSuffix;
    if (!DirectlyInside(folder, path))
        return CreateUserResult::Failed;
    if (!FindUserFile(folder, name).isEmpty() || QFileInfo::exists(path))
        return QFileInfo(path).isDir() ? CreateUserResult::Failed : CreateUserResult::Exists;
    QFile file(path);
    // NewOnly: a file that appeared meanwhile is left as it is.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QFileInfo::exists(path) ? CreateUserResult::Exists : CreateUserResult::Failed;
    file.close();
    return file.error() == QFileDevice::NoError ? CreateUserResult::Created : CreateUserResult::Failed;
}

bool DeleteUserFile(const QString& folder, const QString& name) {
    const QString path = FindUserFile(folder, name);
    if (path.isEmpty() || !DirectlyInside(folder, path))
        return false;
    return QFile::remove(path);
}

QString NewFolderCandidate(int number) {
    const QString base = QStringLiteral("Neuer Ordner");
    return number <= 1 ? base : base + QStringLiteral(" (%1)").arg(number);
}

NewFolderResult CreateNewFolder(const QString& parent) {
    NewFolderResult result;
    result.name = NewFolderCandidate(1);
    if (parent.isEmpty() || !QFileInfo(parent).isDir()) {
        result.error =
            QString::fromLocal8Bit(std::make_error_code(std::errc::no_such_file_or_directory).message());
        return result;
    }
    for (int n = 1; n <= NewFolderNameCount; ++n) {
        result.name = NewFolderCandidate(n);
        const QString path = QDir(parent).filePath(result.name);
        if (QFileInfo::exists(path))
            continue;
        std::error_code ec;
        const bool created =
            std::filesystem::create_directory(std::filesystem::path(path.toStdU16String()), ec);
        if (created) {
            result.ok = true;
            result.path = path;
            result.error.clear();
            return result;
        }
        if (ec) {
            result.error = QString::fromLocal8Bit(ec.message());
            return result;
        }
        // Created by someone else meanwhile: try the next name.
    }
    result.error = QString::fromLocal8Bit(std::make_error_code(std::errc::file_exists).message());
    return result;
}

QString NewFolderFailureText(const NewFolderResult& result) {
    return QStringLiteral("Der Ordner '%2' konnte nicht erstellt werden.\n\n%1")
        .arg(result.error, result.name);
}
