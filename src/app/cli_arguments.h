#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "store/figure_store.h"
#include "text/number_locale.h"

namespace zrv {

// One call of zrvcam-cli:
// zrvcam-cli [--settings FILE] [--locale de|C] [--machine FILE] [--improve-route]
// [--heightmap LOG] [--pass-depth MM] [--peck-depth MM] COMMAND DRAWING [ARG]
struct CliRequest {
    std::optional<std::string> settingsPath;
    std::optional<std::string> machinePath;    // the controller's answer to "$$"
    std::optional<std::string> heightMapPath;  // a probe log: gcode and info level by its map
    NumberLocale locale = kCLocale;
    bool improveRoute = false;  // the route improvement pass for holes and paths, whatever set
    // "Zustellung" and "Bohren in Stufen" as given, over the settings; the export judges them.
    std::optional<std::string> passDepth;
    std::optional<std::string> peckDepth;
    // send: the controller's serial port, its rate, the file that keeps what it sent.
    std::optional<std::string> port;
    int baud = 115200;
    std::optional<std::string> logPath;
    std::string command;  // list, info, log, gcode, probe, preview, export, dump, send
    std::string drawing;  // PROGRAM of send
    std::string
        argument;  // KIND of list, layout of dump, OUT of gcode or probe; empty when not given
};

// Why a command line is not a call; shown above the usage text.
struct UsageError {
    std::string reason;
};

// What an empty --locale leaves: "de" when LC_ALL, LC_NUMERIC or LANG (the first one set)
// begins with "de", otherwise the C locale.
NumberLocale environmentLocale();

// The list that `list` prints for its word (punkte, linien, ...); none for any other word.
std::optional<FigureList> cliList(std::string_view word);

// The arguments after the program's name.
std::variant<CliRequest, UsageError> parseCliArguments(std::span<const std::string> args,
                                                       NumberLocale defaultLocale);

// The short German usage text.
std::string usageText();

}  // namespace zrv
