#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "levelling/probe_program.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

std::vector<std::string> program() {
    const ProbeGrid grid = probeGrid(ProbeArea{-3, 45, 0, 28}, ProbeChoices{}, kCLocale).grid;
    return probeProgram(grid, ProbeChoices{}, 2.5, "platine (1).zrv");
}

// Every word one GRBL 1.1 knows, no line longer than its buffer outside comments, one probe per
// grid node and the reference first.
TEST(ProbeProgram, OnlyGrblWordsAndShortLines) {
    const std::set<std::string> known{"G0", "G21", "G90", "G94", "G38.2", "M5", "M30"};
    int probes = 0;
    const std::vector<std::string> lines = program();
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        const std::string code = line.substr(0, line.find('('));
        EXPECT_LE(code.size(), 80U);
        EXPECT_EQ(line.find('(', line.find('(') + 1), std::string::npos);  // one comment
        std::size_t at = 0;
        while ((at = code.find_first_not_of(' ', at)) != std::string::npos) {
            const std::size_t end = code.find(' ', at);
            const std::string word = code.substr(at, end - at);
            const bool axis = std::string("XYZF").find(word[0]) != std::string::npos;
            EXPECT_TRUE(known.contains(word) || axis) << word;
            probes += word == "G38.2";
            at = end;
        }
    }
    EXPECT_EQ(probes, 1 + 6 * 4);  // 48 mm in 5 steps, 28 mm in 3
    EXPECT_EQ(lines[1], "(platine [1].zrv)");
    EXPECT_EQ(lines[10], "G0 X0 Y0 (Bezugspunkt 1 / 25)");
    EXPECT_EQ(lines[11], "G38.2 Z-2 F20 (antasten)");
    EXPECT_EQ(lines.back(), "M30 (Programm-Ende)");
}

// LinuxCNC's own interpreter reads the whole program without an error, where it is installed.
TEST(ProbeProgram, LinuxCncInterpreterAcceptsIt) {
    if (std::system("command -v rs274 >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "rs274 (linuxcnc-uspace) is not installed";
    }
    const test::ScratchFolder folder;
    ASSERT_TRUE(writeTextFile(folder / "p.nc", program()).ok());
    const std::string command = "rs274 -g '" + (folder / "p.nc").string() + "' > '" +
                                (folder / "out.txt").string() + "' 2>&1 </dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    const std::string text = test::readBytes(folder / "out.txt");
    EXPECT_EQ(text.find("error"), std::string::npos) << text;
    EXPECT_NE(text.find("STRAIGHT_PROBE"), std::string::npos) << text;
}

}  // namespace
}  // namespace zrv
