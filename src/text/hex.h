#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zrv {

// A byte as two upper-case hexadecimal digits: 0 gives "00", 255 gives "FF".
std::string HEX_BYTE(std::uint8_t byte);

// A byte as eight bit characters, most significant first: 0x3F gives "00111111".
std::string BYTE_BITS(std::uint8_t byte);

// Eight bit characters back to a byte: each "1" at position k (1 to 8) adds 2^(8-k), any other
// character adds nothing. A text whose length is not 8 gives no byte.
std::optional<std::uint8_t> BITS_BYTE(std::string_view bits);

}  // namespace zrv
