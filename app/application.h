#pragma once

#include <QApplication>

// The application object: an exception escaping an event handler is swallowed and
// the event loop goes on.
class VelmoraApplication : public QApplication {
    Q_OBJECT
public:
    VelmoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
