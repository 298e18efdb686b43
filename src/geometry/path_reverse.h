#pragma once

#include <string>
#include <string_view>

namespace zrv {

struct ReversedPath {
    std::string text;
    // Every number kept digit for digit, so the pairs read back are the old ones in reverse
    // order (a path's ends swap); otherwise the values went through "00.000".
    bool keptNumbers = false;
};

// PFAD_UMKEHREN, saying how the numbers were written.
ReversedPath reversePath(std::string_view path);

// The pairs of a path in reverse order, each rewritten with "00.000".
std::string PFAD_UMKEHREN(std::string_view path);

}  // namespace zrv
