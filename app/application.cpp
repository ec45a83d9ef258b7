#include "app/application.h"

VelmoraApplication::VelmoraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Velmora"));
    setApplicationDisplayName(QStringLiteral("Velmora"));
}

bool VelmoraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // The handler that threw just stops there; no message, no log.
        return false;
    }
}
