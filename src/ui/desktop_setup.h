#pragma once

#include <QLocale>
#include <QStringList>

#include "ui/window_state.h"

namespace zrv {

// The decimal and grouping signs of a Qt locale; signs that are not single ASCII characters
// fall back to the point and the comma (or to the point for grouping beside a decimal comma).
NumberLocale numberLocaleOf(const QLocale& locale);

// The facts of this run: the program's folder, the system's number signs, the command line.
WindowSetup desktopSetup(const QStringList& arguments);

}  // namespace zrv
