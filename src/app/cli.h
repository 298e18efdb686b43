#pragma once

#include <ostream>
#include <span>
#include <string>

namespace zrv {

// zrvcam-cli without its process: `args` are the arguments after the program's name. Requested
// data goes to `out`, every message the window would show in a box to `err`. Returns the exit
// status: 0 success, 1 drawing not read or output not written, 2 usage error.
int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace zrv
