#include "app/host_window.h"

qint64 HostWindowFrom(const QStringList& arguments) {
    if (arguments.size() < 2)
        return -1;
    const QString parameter = arguments.at(1).toLower();
    if (!parameter.contains(QLatin1String("hwnd=")))
        return -1;
    // The first "=" of the parameter, which need not be the one of "hwnd=".
    const QString value = parameter.mid(parameter.indexOf(QLatin1Char('=')) + 1).trimmed();
    bool ok = false;
    const qint32 handle = value.toInt(&ok, 10);
    return ok ? handle : -1;
}
