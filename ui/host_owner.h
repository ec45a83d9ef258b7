#pragma once

class QWidget;

// Makes the host program's window (globalState().hostWindow) the owner of a top-level
// window. Without a host (-1, or 0, which names no window) nothing changes.
void ApplyHostOwner(QWidget* window);
