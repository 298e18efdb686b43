// GCC 12 warns falsely inside <regex> (a std::function in its states) under the sanitizers.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "base/host.h"
#include "cli_run.h"
#include "support/case_name.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "text/windows1252.h"

namespace zrv {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(ZRV_SOURCE_DIR) / "examples";
const fs::path kExpected = fs::path(ZRV_SOURCE_DIR) / "tests" / "app" / "expected";
const std::vector<std::string> kDrawings{"platine40.zrv", "platine70.zrv7"};

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); !from.empty() && at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// What changes from run to run is blanked: the folder, the elapsed-time lines, the date and
// the time of day; carriage returns are shown so the expected files stay plain text.
std::string comparable(std::string text, const fs::path& folder) {
    text = replaceAll(std::move(text), folder.string(), "<ORDNER>");
    text = replaceAll(std::move(text), SystemClock(kGermanLocale).dateText(), "<DATUM>");
    text = replaceAll(std::move(text), SystemClock(kCLocale).dateText(), "<DATUM>");
    text = std::regex_replace(text, std::regex("[0-9]{2}:[0-9]{2}:[0-9]{2}"), "<UHRZEIT>");
    text = std::regex_replace(text, std::regex("(^|\n)-?[0-9]+[.,][0-9]{3}s(\r?)(?=\n|$)"),
                              "$1<ZEIT>$2");
    return replaceAll(std::move(text), "\r", "<CR>");
}

struct EndToEndCase {
    std::string name;
    std::vector<std::string> args;  // "{D}" stands for the folder the drawings were copied to

    friend void PrintTo(const EndToEndCase& row, std::ostream* out) { *out << row.name; }
};

const std::vector<EndToEndCase> kCases = [] {
    std::vector<EndToEndCase> cases;
    for (const std::string& drawing : kDrawings) {
        const std::string stem = fs::path(drawing).stem().string();
        const std::string path = "{D}/" + drawing;
        const auto add = [&](const std::string& name, std::vector<std::string> args) {
            cases.push_back({stem + "_" + name, std::move(args)});
        };
        for (const char* kind :
             {"punkte", "linien", "rechtecke", "polygone", "kreise", "fraesungen"}) {
            add(std::string("list_") + kind, {"--locale", "de", "list", path, kind});
        }
        add("info", {"--locale", "de", "info", path});
        add("log_de", {"--locale", "de", "log", path});
        add("log_C", {"--locale", "C", "log", path});
        add("dump_horizontal", {"--locale", "de", "dump", path, "horizontal"});
        add("dump_vertical", {"--locale", "de", "dump", path, "vertical"});
        add("gcode", {"--locale", "de", "gcode", path});
        add("gcode_out", {"--locale", "C", "gcode", path, "{D}/aus.nc"});
        add("export", {"--locale", "de", "export", path});
    }
    return cases;
}();

// Exit status, both streams and every file the run wrote, as one text.
std::string wholeOutput(const EndToEndCase& c) {
    test::ScratchFolder folder;
    for (const std::string& drawing : kDrawings) {
        fs::copy_file(kExamples / drawing, folder.path() / drawing);
    }
    std::vector<std::string> args;
    for (const std::string& arg : c.args) {
        args.push_back(replaceAll(arg, "{D}", folder.path().string()));
    }
    const test::CliRun run = test::runCliWith(args);
    std::string text = "exit " + std::to_string(run.exitStatus) + "\n--- stdout\n" + run.out +
                       "--- stderr\n" + run.err;
    std::vector<fs::path> written;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        if (std::find(kDrawings.begin(), kDrawings.end(), name) == kDrawings.end()) {
            written.push_back(entry.path());
        }
    }
    std::sort(written.begin(), written.end());
    for (const fs::path& file : written) {
        text += "--- file " + file.filename().string() + "\n" +
                windows1252ToUtf8(test::readBytes(file));
    }
    return comparable(text, folder.path());
}

class CliEndToEnd : public testing::TestWithParam<EndToEndCase> {};

// ZRV_REGENERATE=1 rewrites the expected files after a deliberate change; review the diff.
TEST_P(CliEndToEnd, WholeOutputEqualsTheExpectedFile) {
    const EndToEndCase& c = GetParam();
    const std::string actual = wholeOutput(c);
    const fs::path expectedPath = kExpected / (c.name + ".txt");
    const char* regenerate = std::getenv("ZRV_REGENERATE");
    if (regenerate != nullptr && std::string(regenerate) == "1") {
        fs::create_directories(kExpected);
        std::ofstream(expectedPath, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << expectedPath;
    }
    ASSERT_TRUE(fs::exists(expectedPath)) << expectedPath << " (run with ZRV_REGENERATE=1)";
    EXPECT_EQ(actual, test::readBytes(expectedPath));
}

INSTANTIATE_TEST_SUITE_P(Examples, CliEndToEnd, testing::ValuesIn(kCases), test::CaseName());

TEST(CliProgram, ThePublishedProgramPrintsWhatTheLibraryPrints) {
    const std::string drawing = (kExamples / "platine40.zrv").string();
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
