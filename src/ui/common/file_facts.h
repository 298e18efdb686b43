#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "reader/drawing_file.h"
#include "ui/common/platform.h"

namespace zrv {

// A path as the program's UTF-8 text, the same on every system.
std::string textOf(const std::filesystem::path& path);

// An output named after the drawing can be written: the drawing's bytes are in memory. Without
// them the name has no base ("_EXPORT.txt" or ".nc" in whatever folder is current, or a stale
// one over the output of the drawing read before), so "no Datei" is shown instead.
bool drawingInMemory(const DrawingFile& file, Platform& platform, std::string_view messageTitle);

}  // namespace zrv
