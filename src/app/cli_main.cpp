#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return zrv::runCli(args, std::cout, std::cerr);
}
