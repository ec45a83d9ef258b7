#include "app/global_state.h"

#include <QDir>

GlobalState& globalState() {
    static GlobalState state;
    return state;
}

int ResolutionClassFor(int displayWidth) {
    if (displayWidth >= 1 && displayWidth <= 750)
        return 640;
    if (displayWidth >= 751 && displayWidth <= 820)
        return 800;
    return 1024;
}

QString TrailingSeparator(const QString& folder) {
    QString s = folder.trimmed();
    if (s.isEmpty())
        return s;
    const QChar sep = QDir::separator();
    if (!s.endsWith(sep) && !s.endsWith(QLatin1Char('/')))
        s += sep;
    return s;
}

QPoint CentreInDisplayArea(const GlobalState& state, QSize outer) {
    return {state.displayLeft + (state.displayWidth - outer.width()) / 2,
            state.displayTop + (state.displayHeight - outer.height()) / 2};
}
