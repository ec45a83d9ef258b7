#include "app/options.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

OptionsRecord& optionsRecord() {
    static OptionsRecord record;
    return record;
}

OptionsRecord LoadOptionen(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(8);
    if (bytes.size() != 8)
        return {};
    OptionsRecord r;
    r.useJoystick = qFromLittleEndian<qint32>(bytes.constData());
    r.reserved = qFromLittleEndian<qint32>(bytes.constData() + 4);
    return r;
}

bool SaveOptionen(const OptionsRecord& options, const QString& path) {
    char bytes[8];
    qToLittleEndian<qint32>(options.useJoystick, bytes);
    qToLittleEndian<qint32>(options.reserved, bytes + 4);
    // Written to a temporary file and renamed, so a failed write never leaves half a record.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes, 8) != 8) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
