#pragma once

#include <string>

#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// "Vorschau speichern...": the whole board as the preview shows it, as PNG or SVG through the
// same writer as zrvcam-cli preview, so both give the same pictures.
void saveWholePreview(const Controls& controls, Platform& platform, const WindowState& state,
                      const std::string& programName);

// The preview's own entries (context menu, Home), the pointer's place under the picture and
// the measured distances in List1.
void connectPreview(const Controls& controls, Platform& platform, const WindowState& state,
                    const std::string& programName);

}  // namespace zrv
