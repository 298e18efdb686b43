#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "job/dump.h"
#include "job/export.h"
#include "job/load.h"
#include "load_helper.h"
#include "settings/settings_file.h"
#include "support/case_name.h"
#include "support/drawing_builder.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrevious = "die vorige Datei\r\nbleibt\r\n";
constexpr uid_t kNobody = 65534;

struct Writer {
    const char* name;
    const char* fileName;  // in the drawing's folder; the drawing is "platine.zrv"
    std::function<Status(ProgramState&, Host&)> write;
};

const std::vector<Writer> kWriters = {
    {"GcodeProgram", "platine.nc",
     [](ProgramState& state, Host& host) {
         return GERBER_SCHREIBEN(state, factoryChoices(kGermanLocale), host).status;
     }},
    {"MillingTable", "platine_EXPORT.txt",
     [](ProgramState& state, Host& host) { return exportMillingData(state, host).status; }},
    {"DumpHorizontal", "platine_EXPORT.txt",
     [](ProgramState& state, Host& host) {
         return writeDump(state.file, DumpLayout::Horizontal, host).status;
     }},
    {"DumpVertical", "platine_EXPORT.txt",
     [](ProgramState& state, Host& host) {
         return writeDump(state.file, DumpLayout::Vertical, host).status;
     }},
    {"SettingsFile", "zrvcam.ini",
     [](ProgramState& state, Host& host) {
         const fs::path path = fs::path(state.file.DATEI_BASIS).parent_path() / "zrvcam.ini";
         const Settings settings{state.file.DATEI_NAME, factoryChoices(kGermanLocale)};
         Status status = PARAMETER_SPEICHERN(path, settings, host.locale);
         if (!status.ok()) {
             host.progress.showMessage(status.error);  // what the window does with it
         }
         return status;
     }},
};

// How the write is made to fail: `setUp` lays out the folder with the previous file, `inChild`
// runs in the child before the write; each returns a reason to skip, or nothing.
struct Failure {
    const char* name;
    const char* cause;  // the German cause the message must name
    std::function<std::string(const fs::path& folder, const fs::path& target)> setUp;
    std::function<std::string()> inChild;
};

std::string noSkip() {
    return {};
}

const std::vector<Failure> kFailures = {
    {"FullDisk", "Die Datei ist zu groß",
     [](const fs::path&, const fs::path& target) {
         test::writeBytes(target, kPrevious);
         return noSkip();
     },
     [] {
         // A file-size limit stands in for a full disk: writes beyond it fail with EFBIG.
         signal(SIGXFSZ, SIG_IGN);
         const rlimit limit{64, 64};
         return setrlimit(RLIMIT_FSIZE, &limit) == 0 ? noSkip() : "setrlimit failed";
     }},
    {"ReadOnlyFolder", "Zugriff verweigert",
     [](const fs::path& folder, const fs::path& target) {
         test::writeBytes(target, kPrevious);
         if (geteuid() != 0) {
             fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
         }
         return noSkip();
     },
     [] {
         // Root writes everywhere: the child gives up its rights first.
         if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
             return std::string("cannot drop to an unprivileged user");
         }
         prctl(PR_SET_DUMPABLE, 1);  // keep /proc/self readable for the sanitizers
         return noSkip();
     }},
    {"FolderInTheWay", "An dieser Stelle steht ein Ordner",
     [](const fs::path&, const fs::path& target) {
         fs::create_directories(target);
         test::writeBytes(target / "darin.txt", kPrevious);
         return noSkip();
     },
     noSkip},
};

// Runs the write in a child and sends back "skip:", "ok" or "failed:" with the message and
// whether exactly that message was shown.
std::string writeInChild(const Writer& writer, const Failure& failure, ProgramState& state) {
    int channel[2];
    if (pipe(channel) != 0) {
        return "skip: no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string report = failure.inChild();
        if (report.empty()) {
            test::RecordingHost recorder(kGermanLocale);
            const Status status = writer.write(state, recorder.host);
            const bool shownOnce = recorder.progress.messages == std::vector{status.error};
            report =
                status.ok() ? "ok" : (shownOnce ? "failed:" : "failed unshown:") + status.error;
        } else {
            report = "skip: " + report;
        }
        const ssize_t sent = write(channel[1], report.data(), report.size());
        _exit(sent == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
        report.append(buffer, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return "the child ended abnormally: " + std::to_string(status);
    }
    return report;
}

// Every file below the folder with its bytes ("/" for a folder).
std::map<std::string, std::string> contents(const fs::path& folder) {
    std::map<std::string, std::string> all;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        all[name] = entry.is_directory() ? "/" : test::readBytes(entry.path());
    }
    return all;
}

ProgramState loadedExample(const test::ScratchFolder& folder) {
    ProgramState state;
    state.file.DATEI_NAME = folder.file("platine.zrv");
    state.file.DATEI_BASIS = folder.file("platine");
    state.file.DATEI_INHALT = test::platine40Bytes();
    test::RecordingHost recorder;
    ANALYSE_DATEI(state, test::unchangedOrder(), recorder.host);
    return state;
}

void PrintTo(const Writer& writer, std::ostream* out) {
    *out << writer.name;
}
void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.name;
}

using Combination = std::tuple<Writer, Failure>;

class WriteFailure : public testing::TestWithParam<Combination> {};

TEST_P(WriteFailure, ClearMessageNothingHalfWrittenPreviousFileIntact) {
    const auto& [writer, failure] = GetParam();
    const test::ScratchFolder scratch;
    const fs::path folder = scratch.path() / "Platinen";
    fs::create_directories(folder);
    ProgramState state = loadedExample(scratch);
    state.file.DATEI_NAME = (folder / "platine.zrv").string();
    state.file.DATEI_BASIS = (folder / "platine").string();
    const fs::path target = folder / writer.fileName;
    if (const std::string skip = failure.setUp(folder, target); !skip.empty()) {
        GTEST_SKIP() << skip;
    }
    const auto before = contents(folder);

    const std::string report = writeInChild(writer, failure, state);
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    if (report.starts_with("skip:")) {
        GTEST_SKIP() << report;
    }
    ASSERT_TRUE(report.starts_with("failed:")) << report;
    const std::string message = report.substr(7);
    EXPECT_TRUE(message.starts_with("Die Datei „" + target.string() +
                                    "“ konnte nicht geschrieben werden: "))
        << message;
    EXPECT_NE(message.find(failure.cause), std::string::npos) << message;
    EXPECT_EQ(contents(folder), before);  // no temporary file, every byte as it was
}

std::string combinationName(const testing::TestParamInfo<Combination>& row) {
    return std::string(std::get<0>(row.param).name) + "_" + std::get<1>(row.param).name;
}

INSTANTIATE_TEST_SUITE_P(Writers, WriteFailure,
                         testing::Combine(testing::ValuesIn(kWriters),
                                          testing::ValuesIn(kFailures)),
                         combinationName);

}  // namespace
}  // namespace zrv
