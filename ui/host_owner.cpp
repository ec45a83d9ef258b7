#include "ui/host_owner.h"

#include "app/global_state.h"

#include <QHash>
#include <QWidget>
#include <QWindow>

void ApplyHostOwner(QWidget* window) {
    const qint64 host = globalState().hostWindow;
    if (!window || host < 0)
        return;
    QWindow* owner = nullptr;
    if (host > 0) {
        // One wrapper per foreign handle, kept for the life of the program.
        static QHash<qint64, QWindow*> wrappers;
        QWindow*& wrapper = wrappers[host];
        if (!wrapper)
            wrapper = QWindow::fromWinId(WId(host));
        owner = wrapper;
        // X11 writes the owner (WM_TRANSIENT_FOR) only for dialog-type windows.
        if (window->windowType() == Qt::Window)
            window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    }
    window->winId(); // the native window must exist before it gets an owner
    if (QWindow* handle = window->windowHandle())
        handle->setTransientParent(owner);
}
