#pragma once

#include <QLockFile>
#include <QObject>

#include <functional>
#include <memory>

class QLocalServer;

// One running program per user: a lock file in the temp folder plus a local server
// named after the executable. A second start asks the first to come forward.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first instance; a second one has told the first and should end.
    bool acquire();
    // Called in the first instance when another start asks it to come forward.
    void setRaiseHandler(std::function<void()> handler) { m_raise = std::move(handler); }

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    std::function<void()> m_raise;
};
