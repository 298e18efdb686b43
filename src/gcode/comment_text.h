#pragma once

#include <string>
#include <string_view>

namespace zrv {

// The one way a text from outside (a path, a name from the drawing) enters a comment of a
// program for the controller. A bracket or a line break of its own would end the comment or the
// line early; "!", "~", "?" and the Windows-1252 bytes 0x80 to 0xA1 (typographic quotes and
// dashes, the no-break space) are real-time commands to GRBL even inside a comment. They are
// written as ASCII look-alikes; umlauts, ß and everything else from 0xA2 up stay.
std::string commentSafe(std::string_view text);

}  // namespace zrv
