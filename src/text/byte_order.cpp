#include "text/byte_order.h"

#include <algorithm>
#include <cstdint>

#include "text/utf8.h"

namespace zrv {
namespace {

// How many leading bytes a file without a mark is judged by.
constexpr std::size_t kJudged = 64;

std::uint8_t byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<std::uint8_t>(bytes[i]);
}

// Whether every second byte (from `zero`) of the file's start is 0 and the others are not.
bool looksLikeUtf16(std::string_view bytes, std::size_t zero) {
    const std::size_t judged = std::min(bytes.size() & ~std::size_t{1}, kJudged);
    if (judged < 4) {
        return false;
    }
    for (std::size_t i = 0; i < judged; i += 2) {
        if (byteAt(bytes, i + zero) != 0 || byteAt(bytes, i + 1 - zero) == 0) {
            return false;
        }
    }
    return true;
}

std::string decoded(std::string_view bytes, bool littleEndian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = byteAt(bytes, littleEndian ? i : i + 1);
        const auto high = byteAt(bytes, littleEndian ? i + 1 : i);
        const auto unit = static_cast<char32_t>(high << 8 | low);
        appendUtf8(text, unit >= 0xD800 && unit <= 0xDFFF ? char32_t{0xFFFD} : unit);
    }
    return text;
}

}  // namespace

std::optional<std::string> utf16Text(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) {
        return decoded(bytes.substr(2), true);
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return decoded(bytes.substr(2), false);
    }
    if (looksLikeUtf16(bytes, 1)) {
        return decoded(bytes, true);
    }
    if (looksLikeUtf16(bytes, 0)) {
        return decoded(bytes, false);
    }
    return std::nullopt;
}

}  // namespace zrv
