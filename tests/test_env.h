#pragma once

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

// Quiets Qt's runtime-dir warning and keeps tests away from the real home.
inline void PrepareTestEnvironment() {
    static QTemporaryDir runtimeDir;
    QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
}
