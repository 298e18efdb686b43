#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/cli.h"

namespace zrv::test {

// One in-process run of zrvcam-cli.
struct CliRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

inline CliRun runCliWith(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.exitStatus = runCli(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace zrv::test
