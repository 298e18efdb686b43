#pragma once

#include <string_view>

namespace zrv {

// The text without the blanks, tabs and carriage returns around it, as a hand-edited file or a
// controller's answer may carry them.
std::string_view trimmed(std::string_view text);

}  // namespace zrv
