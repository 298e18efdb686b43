#pragma once

#include <QMenuBar>

#include "ui/controls/controls.h"

namespace zrv {

// Builds the menu bar of the main window with every entry named and captioned.
void buildMenus(QMenuBar* bar, Menus& menus);

}  // namespace zrv
