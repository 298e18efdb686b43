#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "planner/machine_profile.h"
#include "store/entry_text.h"

namespace zrv {

// How a line of a program reaches the controller.
enum class LineKind : std::uint8_t {
    Nothing,   // blank or comment only: never sent
    Gcode,     // streamed with character counting
    System,    // "$..." (settings, queries, $X): sent alone once every earlier line is answered
               // and the controller is idle
    Eeprom,    // G10 L2/L20, G28.1, G30.1: writes the EEPROM, sent alone like System
    Realtime,  // a line that is only "?": the status query, sent as its one byte
    Pause,     // M0: sent, then nothing more until the pause is over
};

// One line of the program file. Kept small: a program has hundreds of thousands of them.
struct StreamLine {
    std::string_view send;       // without comments, blanks and line end; what the controller gets
    std::string_view comment;    // the comments' text, for showing
    double seconds = 0;          // the planner's time of this line
    std::uint32_t fileLine = 0;  // 1-based, as an editor counts
    LineKind kind = LineKind::Nothing;
};

struct StreamProgram {
    std::vector<StreamLine> lines;  // every line of the file, in order
    double seconds = 0;             // the planner's time of the whole program
    // What the lines' `send` and `comment` show, in one piece for the whole program rather than
    // two strings a line; shared, so that a copy of the program shows the same text.
    std::shared_ptr<const char[]> text;
};

// A program read for streaming, and why it must not be sent (German, one line each, naming the
// file's line). Empty refusals: fit to send.
struct PreparedProgram {
    StreamProgram program;
    std::vector<std::string> refusals;
    // The tool's XY position after each line of the file, in millimetres (prepareProgram only).
    std::vector<Point> toolPath;
};

// Reads a program file's bytes (CR LF or LF, Windows-1252 or UTF-8 comments) and checks it
// against the controller: every line at most 79 characters to send (its line buffer holds 80
// with the end mark), printable ASCII outside comments, and only words GRBL 1.1 runs.
PreparedProgram prepareProgram(std::string_view bytes, const MachineProfile& profile);

// The same without the planner's times (all 0) and the tool's way: the link's own share of the
// work.
PreparedProgram prepareLines(std::string_view bytes);

// The comment lines shown at a pause: the comments of the lines right before `index`, without
// their framing "=" and blanks, empty ones left out.
std::vector<std::string> pauseComments(const StreamProgram& program, std::size_t index);

}  // namespace zrv
