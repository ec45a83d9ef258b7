#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// Process-wide state settled at start-up: folders, display area, joystick presence.
struct GlobalState {
    QString programFolder;  // ends in the platform separator
    QString dataFolder;     // programFolder + "DATA/"
    QString userDataFolder; // writable data folder, ends in the separator
    int displayWidth = 1024;
    int displayHeight = 768;
    // Where the display area sits on the screen: 0, 0 unless a full-screen window on a
    // larger screen centres it.
    int displayLeft = 0;
    int displayTop = 0;
    int colourDepth = 24;
    bool fullScreenSwitch = true; // cleared by "win" or a desktop that already fits
    bool joystickPresent = false;
    qint64 hostWindow = -1; // owner window of every window; -1: no host
};

GlobalState& globalState();

// 1..750 -> 640, 751..820 -> 800, anything else -> 1024 (the width alone decides).
int ResolutionClassFor(int displayWidth);

// Top-left corner that centres a window of the given outer size in the display area.
QPoint CentreInDisplayArea(const GlobalState& state, QSize outer);

// Trims blanks; empty stays empty, otherwise exactly one trailing separator.
QString TrailingSeparator(const QString& folder);
