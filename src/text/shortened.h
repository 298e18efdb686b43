#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zrv {

// A text as a message quotes it: a pasted page shows its first `most` bytes and "…", cut before
// a character rather than through it.
std::string shortened(std::string_view text, std::size_t most = 40);

}  // namespace zrv
