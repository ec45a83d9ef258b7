#include "ui/host_owner.h"

#include "app/global_state.h"

#include <QHash>
#include <QWidget>
#include <QWindow>

void ApplyHostOwner(QWidget* window) {
    const qint64 host = globalState().hostWindow;
    if (!window || host <= 0)
        return;
    // One wrapper per foreign handle, kept for the life of the program.
    static QHash<qint64, QWindow*> wrappers;
    QWindow*& owner = wrappers[host];
    if (!owner)
        owner = QWindow::fromWinId(WId(host));
    window->winId(); // the native window must exist before it gets an owner
    if (owner && window->windowHandle())
        window->windowHandle()->setTransientParent(owner);
}
