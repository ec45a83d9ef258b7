#include "app/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), m_name(name) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(m_name + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0); // a lock left by a crashed program is taken over
    if (!m_lock->tryLock(100)) {
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (socket.waitForConnected(1000)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
        }
        return false;
    }
    QLocalServer::removeServer(m_name); // a server file left by a crashed program
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            if (m_raise)
                m_raise();
        }
    });
    m_server->listen(m_name);
    return true;
}
