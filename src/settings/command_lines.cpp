#include "settings/command_lines.h"

#include <algorithm>
#include <cstddef>

#include "base/file_names.h"

namespace zrv {
namespace {

constexpr std::string_view kZrv = ".zrv";

bool sameLetter(char a, char b) {
    auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return lower(a) == lower(b);
}

// Position of the first (or last) ".zrv" in any letter case, npos when there is none.
std::size_t findZrv(std::string_view text, bool last) {
    const auto found =
        last ? std::find_end(text.begin(), text.end(), kZrv.begin(), kZrv.end(), sameLetter)
             : std::search(text.begin(), text.end(), kZrv.begin(), kZrv.end(), sameLetter);
    return found == text.end() ? std::string_view::npos
                               : static_cast<std::size_t>(found - text.begin());
}

// The text up to and including the "." of a ".zrv" at `dot`, followed by "nc".
std::string ncName(std::string_view text, std::size_t dot) {
    if (dot == std::string_view::npos) {
        return "nc";
    }
    return std::string(text.substr(0, dot + 1)) + "nc";
}

}  // namespace

OutsideCommand outsideCommand(std::string_view program, std::string_view file) {
    return {std::string(program), std::string(file),
            std::string(program) + " " + std::string(file)};
}

OutsideCommand zirvaCommand(const ProgramPaths& paths, std::string_view DATEI_VERSION,
                            std::string_view DATEI_NAME) {
    if (DATEI_VERSION == "ZIRVA40") {
        return outsideCommand(paths.PROGRAMM_ZIRVA40, DATEI_NAME);
    }
    if (DATEI_VERSION == "ZIRVA70") {
        return outsideCommand(paths.PROGRAMM_ZIRVA70, DATEI_NAME);
    }
    // The drawing itself is no program; starting it could run whatever the file holds.
    return {{}, {}, std::string(DATEI_NAME)};
}

CncStart cncCommand(const ProgramPaths& paths, std::string_view DATEI_NAME) {
    if (characterCount(paths.PROGRAMM_CNC) < 5) {
        return {"Bitte unter -Optionen- ein CNC-Programm einstellen", {}};
    }
    const std::string line = paths.PROGRAMM_CNC + " " + std::string(DATEI_NAME);
    OutsideCommand command{{}, {}, ncName(line, findZrv(line, false))};
    // The argument is cut at the drawing's own extension, so a ".zrv" inside the sender's path
    // or a folder name cannot shorten it.
    if (const std::size_t dot = findZrv(DATEI_NAME, true); dot != std::string_view::npos) {
        command.program = paths.PROGRAMM_CNC;
        command.argument = ncName(DATEI_NAME, dot);
    }
    return {{}, std::move(command)};
}

}  // namespace zrv
