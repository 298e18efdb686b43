// The end-to-end cases run the published program (tests/cases); this checks that it prints
// what the library prints, which the tests of this folder call in the process.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "cli_run.h"

namespace zrv {
namespace {

TEST(CliProgram, ThePublishedProgramPrintsWhatTheLibraryPrints) {
    const std::string drawing =
        (std::filesystem::path(ZRV_SOURCE_DIR) / "examples" / "platine40.zrv").string();
    const std::string command =
        std::string(ZRV_CLI_PROGRAM) + " --locale de info '" + drawing + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, n);
    }
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_EQ(out, test::runCliWith({"--locale", "de", "info", drawing}).out);
}

}  // namespace
}  // namespace zrv
