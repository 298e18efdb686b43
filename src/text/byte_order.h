#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zrv {

// Notepad writes a UTF-8 file with a byte-order mark; PowerShell's ">" writes UTF-16.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The text of a UTF-16 file as UTF-8: one with its mark (either byte order), or one without
// whose first characters are plain ASCII with a zero byte beside each. None for any other file.
// A character beyond U+FFFF becomes U+FFFD: every text the program reads is ASCII or Latin.
std::optional<std::string> utf16Text(std::string_view bytes);

}  // namespace zrv
