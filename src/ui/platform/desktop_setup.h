#pragma once

#include <QLocale>
#include <QStringList>
#include <string>

#include "ui/common/window_state.h"

namespace zrv {

// The decimal and grouping signs of a Qt locale; signs that are not single ASCII characters
// fall back to the point and the comma (or to the point for grouping beside a decimal comma).
NumberLocale numberLocaleOf(const QLocale& locale);

// The drawing a file manager hands over: the one argument, when it names a drawing file
// (*.zrv, *.zrv7) that holds bytes; as an absolute path, since it is kept as the last drawing.
// Empty for any other command line.
std::string drawingArgument(const QStringList& arguments);

// The facts of this run: the program's folder, the system's number signs, the command line.
WindowSetup desktopSetup(const QStringList& arguments);

}  // namespace zrv
