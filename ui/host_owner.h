#pragma once

class QWidget;

// Applies the host program's window (globalState().hostWindow) as the owner of a
// top-level window, before it is first shown: a handle above 0 becomes its transient
// parent, whether or not such a window exists; 0 leaves it without an owner, even the
// one its parent widget would give; below 0 (no host) changes nothing.
void ApplyHostOwner(QWidget* window);
