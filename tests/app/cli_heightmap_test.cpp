#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// What a controller reports for a probe program over a tilted board: every "G0 X.. Y.." before
// a G38.2, shifted into machine coordinates.
std::string logOfRun(const std::string& program) {
    std::string log;
    double x = 0;
    double y = 0;
    for (std::size_t at = 0; at < program.size();) {
        const std::size_t end = program.find('\n', at);
        const std::string line = program.substr(at, end - at);
        if (line.starts_with("G0 X")) {
            std::sscanf(line.c_str(), "G0 X%lf Y%lf", &x, &y);
        } else if (line.starts_with("G38.2")) {
            char report[120];
            std::snprintf(report, sizeof report, "[PRB:%.3f,%.3f,%.3f:1]\r\nok\r\n", x - 150,
                          y - 90, -30 + 0.003 * x - 0.002 * y);
            log += report;
        }
        at = end + 1;
    }
    return log;
}

// Probe program, log, levelled program, and the log of another board refused with nothing written.
TEST(CliHeightMap, ProbeLoadLevelAndRefuse) {
    const test::ScratchFolder folder;
    const std::string drawing = folder.file("platine.zrv");
    test::writeBytes(drawing, test::platine40Bytes());
    ASSERT_EQ(test::runCliWith({"probe", drawing}).exitStatus, 0);
    const std::string program = test::readBytes(folder / "platine_ANTASTEN.nc");
    EXPECT_TRUE(contains(program, "G0 X0 Y0 (Bezugspunkt 1 / "));
    EXPECT_TRUE(contains(program, "\r\nM30 (Programm-Ende)\r\n"));
    const std::string log = logOfRun(program);
    test::writeBytes(folder / "log.txt", "ok\r\n" + log);
    const test::CliRun levelled =
        test::runCliWith({"--heightmap", folder.file("log.txt"), "gcode", drawing});
    EXPECT_EQ(levelled.exitStatus, 0) << levelled.err;
    EXPECT_TRUE(contains(test::readBytes(folder / "platine.nc"),
                         "\r\n(Nivelliert mit der H\xf6henkarte log.txt)\r\n"));
    const test::CliRun info =
        test::runCliWith({"--heightmap", folder.file("log.txt"), "info", drawing});
    EXPECT_EQ(info.exitStatus, 0) << info.err;

    test::writeBytes(folder / "short.txt", log.substr(0, log.rfind("[PRB:")));
    const test::CliRun refused = test::runCliWith(
        {"--heightmap", folder.file("short.txt"), "gcode", drawing, folder.file("neu.nc")});
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_TRUE(contains(refused.err, "Tastprotokoll nicht übernommen: ")) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "neu.nc"));
}

}  // namespace
}  // namespace zrv
