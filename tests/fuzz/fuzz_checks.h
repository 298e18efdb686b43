#pragma once

#include <filesystem>

namespace zrv::fuzz {

// A folder of this process for the files the targets write; removed when the process ends.
const std::filesystem::path& scratch();

}  // namespace zrv::fuzz
