#pragma once

#include "app/global_state.h"

#include <QSize>
#include <QStringList>

// What the command line asks for (arguments without the program name).
struct CommandLine {
    bool win = false;   // parameter 1 exactly "win": no full-screen display
    bool debug = false; // parameter 1 exactly "debug": display area from parameters 2 and 3
    bool debugSizeValid = false;
    int debugWidth = 0;
    int debugHeight = 0;
};

CommandLine ParseCommandLine(const QStringList& arguments);

// The display area for the command line on a screen of the given size. A "debug"
// size that is not two whole numbers keeps 1024 x 768; one larger than the screen is
// clamped to it and *clamped is set (the caller shows the message). Full screen on a
// screen smaller than 1024 x 768 takes the screen's size without a message: the display
// mode is never switched here, so the area has to fit what there is.
QSize DisplayAreaFor(const CommandLine& commandLine, QSize screen, bool fullScreenSwitch, bool* clamped);

// The full-screen switch: cleared by "win", or by a desktop of exactly 1024 x 768
// with at least 15 bits per pixel (nothing to switch).
bool FullScreenSwitchFor(const CommandLine& commandLine, QSize screen, int colourDepth);

// documents + "Velmora/Zavor/Daten/" when there is a documents folder; otherwise the
// folder Daten beside a program folder with a seven-letter name. Not created here.
QString UserDataFolderFor(const QString& documentsFolder, const QString& programFolder);

// The colour-depth warning of the first show; empty when the depth is 15 or more.
QString DisplayWarningText(int colourDepth, int language);

// Messages shown in German whatever the language.
QString DebugSizeMessage();
QString DisplayInterruptedMessage();
