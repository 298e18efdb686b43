#include "text/shortened.h"

namespace zrv {

std::string shortened(std::string_view text, std::size_t most) {
    if (text.size() <= most) {
        return std::string(text);
    }
    std::size_t cut = most;
    // A UTF-8 continuation byte is 10xxxxxx.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return std::string(text.substr(0, cut)) + "…";
}

}  // namespace zrv
