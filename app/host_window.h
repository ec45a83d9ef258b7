#pragma once

#include <QStringList>

// The host program's window handle from the command line (arguments without the program
// name): parameter 2, in any letter case, containing "hwnd=" gives the decimal integer
// after its first "=", surrounding blanks removed. -1 when there is none or it is not a
// 32-bit integer.
qint64 HostWindowFrom(const QStringList& arguments);
