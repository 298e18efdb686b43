#pragma once

#include <string>
#include <string_view>

namespace zrv {

// Why GRBL 1.1 would not take this `$` line (the line as sent: no blanks, no comments), in
// German; empty for one of its system commands. GRBL reads letters as capitals, so "$x" is "$X".
// A line GRBL answers with error:3 stops the job in its middle; "$RST=*" and "$SLP" are taken,
// since they are GRBL's own, and a program that holds them was written on purpose.
std::string systemCommandRefusal(std::string_view send);

}  // namespace zrv
