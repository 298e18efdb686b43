#pragma once

#include <QWidget>

#include "ui/controls/controls.h"

namespace zrv {

// Builds the frames beside the preview (switches, counts, parameters, export) and records
// every control in `controls`. The controls start in their design state.
QWidget* buildPanel(QWidget* parent, Controls& controls);

}  // namespace zrv
