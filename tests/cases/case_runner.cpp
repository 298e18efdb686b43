// One end-to-end case: runs zrvcam-cli once for each line of the case folder's `commands`, each
// time in a fresh copy of the case's files, and compares what the run produced (exit status,
// both streams, every file it wrote) with expected/NAME.txt. A written file with a NUL byte (a
// picture) stands there as its length and hash.
//
//   case_runner [--regenerate] ZRVCAM_CLI CASE_FOLDER
//
// Exit status 0 when every output matches (or was rewritten), 1 on a difference (shown by
// diff -u), 2 when the case itself is broken.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/host.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "text/windows1252.h"

extern char** environ;  // NOLINT: POSIX names it so

namespace zrv {
namespace {

namespace fs = std::filesystem;

struct Command {
    std::string name;               // of the expected file
    std::vector<std::string> args;  // "{D}" stands for the folder the case was copied to
};

struct Run {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); !from.empty() && at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Lines "NAME ARG ARG ...", split at blanks; blank lines and "#" comments are skipped.
std::vector<Command> readCommands(const fs::path& file) {
    std::vector<Command> commands;
    std::istringstream text(test::readBytes(file));
    for (std::string line; std::getline(text, line);) {
        std::istringstream words(line);
        Command command;
        if (!(words >> command.name) || command.name.starts_with('#')) {
            continue;
        }
        for (std::string word; words >> word;) {
            command.args.push_back(word);
        }
        commands.push_back(std::move(command));
    }
    return commands;
}

// The program sees the C locale, whatever the caller's, so a case without --locale is stable.
std::vector<std::string> childEnvironment() {
    std::vector<std::string> env{"LC_ALL=C"};
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        if (!text.starts_with("LC_") && !text.starts_with("LANG=") &&
            !text.starts_with("LANGUAGE=")) {
            env.emplace_back(text);
        }
    }
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

Run runProgram(const std::string& program, std::vector<std::string> args) {
    const test::ScratchFolder streams;
    const std::string out = streams.file("out");
    const std::string err = streams.file("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT, 0600);
    args.insert(args.begin(), program);
    std::vector<std::string> env = childEnvironment();
    pid_t child = 0;
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr,
                                   pointers(args).data(), pointers(env).data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (failed != 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        throw std::runtime_error(program + " did not run to its end");
    }
    return {WEXITSTATUS(status), test::readBytes(out), test::readBytes(err)};
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

// A text as it is (read as Windows-1252); other bytes by their length and FNV-1a hash, so a
// changed picture shows as a changed line.
std::string shownFile(const std::string& bytes) {
    if (bytes.find('\0') == std::string::npos) {
        return windows1252ToUtf8(bytes);
    }
    std::uint64_t hash = 14695981039346656037u;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211u;
    }
    std::ostringstream text;
    text << bytes.size() << " Bytes, FNV-1a " << std::hex << hash << "\n";
    return text.str();
}

bool isCaseFile(const fs::path& path) {
    const std::string name = path.filename().string();
    return name != "commands" && name != "expected";
}

// Exit status, both streams, every file the run wrote (in name order) and the names of the
// inputs it changed, as one text.
std::string wholeOutput(const std::string& program, const fs::path& caseFolder,
                        const Command& command) {
    const test::ScratchFolder folder;
    std::set<std::string> inputs;
    for (const auto& entry : fs::directory_iterator(caseFolder)) {
        if (isCaseFile(entry.path())) {
            fs::copy(entry.path(), folder / entry.path().filename().string(),
                     fs::copy_options::recursive);
            inputs.insert(entry.path().filename().string());
        }
    }
    std::vector<std::string> args;
    for (const std::string& arg : command.args) {
        args.push_back(replaceAll(arg, "{D}", folder.path().string()));
    }
    const Run run = runProgram(program, args);
    std::string text = "exit " + std::to_string(run.exitStatus) + "\n--- stdout\n" + run.out +
                       "--- stderr\n" + run.err;
    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        if (!inputs.contains(entry.path().filename().string())) {
            written.insert(entry.path().filename().string());
        }
    }
    for (const std::string& name : written) {
        text += "--- file " + name + "\n" + shownFile(test::readBytes(folder / name));
    }
    for (const std::string& name : inputs) {  // an input the run overwrote or removed
        if (test::readBytes(folder / name) != test::readBytes(caseFolder / name)) {
            text += "--- changed file " + name + "\n";
        }
    }
    return comparable(text, folder.path());
}

// Prints the difference and answers whether there is one.
bool differs(const fs::path& expected, const std::string& actual) {
    if (fs::exists(expected) && test::readBytes(expected) == actual) {
        return false;
    }
    const test::ScratchFolder folder;
    test::writeBytes(folder / "actual", actual);
    std::cout << std::flush;
    const std::string diff = "diff -u '" + expected.string() + "' '" + folder.file("actual") + "'";
    [[maybe_unused]] const int shown = std::system(diff.c_str());
    return true;
}

int runCase(const std::string& program, const fs::path& caseFolder, bool regenerate) {
    const std::vector<Command> commands = readCommands(caseFolder / "commands");
    if (commands.empty()) {
        std::cerr << caseFolder << ": no commands\n";
        return 2;
    }
    const fs::path expected = caseFolder / "expected";
    if (regenerate) {
        fs::remove_all(expected);
    }
    int result = 0;
    fs::create_directories(expected);
    for (const Command& command : commands) {
        const std::string actual = wholeOutput(program, caseFolder, command);
        const fs::path file = expected / (command.name + ".txt");
        if (regenerate) {
            test::writeBytes(file, actual);
        } else if (differs(file, actual)) {
            std::cout << "differs: " << file << "\n";
            result = 1;
        }
    }
    for (const auto& entry : fs::directory_iterator(expected)) {
        const std::string name = entry.path().stem().string();
        if (std::none_of(commands.begin(), commands.end(),
                         [&name](const Command& c) { return c.name == name; })) {
            std::cout << "no command writes " << entry.path() << "\n";
            result = 1;
        }
    }
    return result;
}

}  // namespace
}  // namespace zrv

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool regenerate = !args.empty() && args.front() == "--regenerate";
    if (regenerate) {
        args.erase(args.begin());
    }
    if (args.size() != 2) {
        std::cerr << "usage: case_runner [--regenerate] ZRVCAM_CLI CASE_FOLDER\n";
        return 2;
    }
    try {
        return zrv::runCase(args[0], args[1], regenerate);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 2;
    }
}
