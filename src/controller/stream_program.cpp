#include "controller/stream_program.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>

#include "controller/grbl_words.h"
#include "controller/system_commands.h"
#include "gcode/gcode_words.h"
#include "planner/program_time.h"

namespace zrv {
namespace {

constexpr std::size_t kMostPauseComments = 8;

std::size_t lineCount(std::string_view bytes) {
    std::size_t count = 1;
    for (std::size_t at = bytes.find('\n'); at != std::string_view::npos;
         at = bytes.find('\n', at + 1)) {
        ++count;
    }
    return count;
}

std::string hexByte(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// A line split into what is sent (blanks left out) and its comments; the first byte outside
// comments that the controller would not take as text.
struct LineParts {
    std::string_view send;
    std::string_view comment;
    int badByte = -1;
    bool realtime = false;  // "?", "!" or "~" in what is sent
};

// Where reading the program stands, and where the lines' parts are written: what is sent and
// the comments each in a region of their own, each region as long as the file, which no line's
// parts outgrow (a comment drops its "(" or ";", which pays for the blank that joins it to the
// one before).
struct Reading {
    const char* at = nullptr;
    const char* end = nullptr;
    char* send = nullptr;
    char* comment = nullptr;
};

// What a byte outside comments is to the line.
enum class ByteRole : unsigned char { Sent, Realtime, Blank, Bad, Comment, LineEnd };

constexpr std::array<ByteRole, 256> kRoles = [] {
    std::array<ByteRole, 256> roles{};
    for (std::size_t c = 0; c < roles.size(); ++c) {
        roles[c] = c == '\n'                          ? ByteRole::LineEnd
                   : c == '(' || c == ';'             ? ByteRole::Comment
                   : c == ' '                         ? ByteRole::Blank
                   : c < 0x20 || c > 0x7E             ? ByteRole::Bad
                   : c == '?' || c == '!' || c == '~' ? ByteRole::Realtime
                                                      : ByteRole::Sent;
    }
    return roles;
}();

// The "\r" of a CR LF line end (or of the file's end) belongs to no line.
bool endMark(const char* at, const char* end) {
    return *at == '\r' && (at + 1 == end || at[1] == '\n');
}

// Where `c` first stands in [from, to), or `to`.
const char* findIn(const char* from, const char* to, char c) {
    const void* found = std::memchr(from, c, static_cast<std::size_t>(to - from));
    return found != nullptr ? static_cast<const char*>(found) : to;
}

// Reads the line at `read.at` in one pass, without looking for its end first (only a comment
// looks for it, to copy itself at once): at 450,000 short lines a search for each line's end
// costs more than the reading. Leaves `read.at` behind the line's "\n".
LineParts readLine(Reading& read) {
    LineParts parts;
    // Local pointers: written through, a member of `read` would be read back after every byte.
    const char* at = read.at;
    const char* const end = read.end;
    char* sendEnd = read.send;
    char* commentEnd = read.comment;
    const char* lineEnd = nullptr;  // found when a comment needs it
    for (; at < end; ++at) {
        const auto c = static_cast<unsigned char>(*at);
        const ByteRole role = kRoles[c];
        if (role == ByteRole::LineEnd) {
            break;
        }
        switch (role) {
            case ByteRole::Sent:
                *sendEnd++ = static_cast<char>(c);
                break;
            case ByteRole::Realtime:
                parts.realtime = true;
                *sendEnd++ = static_cast<char>(c);
                break;
            case ByteRole::Bad:
                if (parts.badByte < 0 && !endMark(at, end)) {
                    parts.badByte = c;
                }
                break;
            case ByteRole::Comment: {
                if (lineEnd == nullptr) {
                    lineEnd = findIn(at, end, '\n');
                }
                const char* close = lineEnd;
                if (c == '(') {
                    close = findIn(at + 1, lineEnd, ')');
                }
                // An open comment ends with the line, before its end mark.
                const char* const last =
                    close == lineEnd && close > at + 1 && endMark(close - 1, end) ? close - 1
                                                                                  : close;
                if (c == '(' && commentEnd != read.comment) {
                    *commentEnd++ = ' ';
                }
                commentEnd = std::copy(at + 1, last, commentEnd);
                at = close == lineEnd ? lineEnd - 1 : close;  // the loop's step goes on from there
                break;
            }
            case ByteRole::Blank:
            case ByteRole::LineEnd:
                break;
        }
    }
    parts.send = std::string_view(read.send, static_cast<std::size_t>(sendEnd - read.send));
    parts.comment =
        std::string_view(read.comment, static_cast<std::size_t>(commentEnd - read.comment));
    read = {at < end ? at + 1 : end, end, sendEnd, commentEnd};
    return parts;
}

// The kind of a line that is sent, or the reason it must not be.
std::string classify(StreamLine& line, bool realtime, GcodeWords& words) {
    if (line.send == "?") {
        line.kind = LineKind::Realtime;
        return {};
    }
    if (realtime) {
        return "„?“, „!“ und „~“ sind Echtzeitbefehle der Steuerung und gehören in keine Zeile";
    }
    if (line.send.find('/') != std::string_view::npos) {
        // GRBL drops the block-delete mark and runs the line the writer meant to skip.
        return "„/“ (Satz überspringen) kennt GRBL 1.1 nicht: die Zeile liefe trotzdem";
    }
    readGcodeWords(line.send, words);
    if (words.grblError != 0) {
        return words.refusal;
    }
    if (words.system) {
        line.kind = LineKind::System;
        return systemCommandRefusal(line.send);
    }
    for (const GcodeWord& word : words.words()) {
        if (word.letter != 'G' && word.letter != 'M') {
            continue;  // rejectedWord judges only these: spare the call
        }
        if (std::string rejected = rejectedWord(word); !rejected.empty()) {
            return rejected;
        }
    }
    const LineWords meaning = lineWords(words);
    line.kind = meaning.pause    ? LineKind::Pause
                : meaning.eeprom ? LineKind::Eeprom
                                 : LineKind::Gcode;
    return {};
}

// A comment's text without the blanks and "=" that frame it.
std::string_view withoutFrame(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" =");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" =");
    return text.substr(first, last - first + 1);
}

// Reads the program; with a profile also each line's time and the tool's way, planned from the
// words the check has read.
PreparedProgram prepare(std::string_view bytes, const MachineProfile* profile) {
    PreparedProgram prepared;
    // Not filled: only what the lines write is ever read.
    std::shared_ptr<char[]> text(new char[2 * bytes.size() + 1]);
    Reading read{bytes.data(), bytes.data() + bytes.size(), text.get(), text.get() + bytes.size()};
    GcodeWords words;  // kept from line to line
    const std::size_t lines = lineCount(bytes);
    prepared.program.lines.reserve(lines);
    std::optional<LinePlanner> planner;
    if (profile != nullptr) {
        planner.emplace(*profile, lines);
        prepared.toolPath.reserve(lines);
    }
    std::size_t fileLine = 0;
    while (read.at < read.end) {
        ++fileLine;
        const LineParts parts = readLine(read);
        StreamLine& added = prepared.program.lines.emplace_back(
            StreamLine{parts.send, parts.comment, 0.0, static_cast<std::uint32_t>(fileLine),
                       LineKind::Nothing});
        std::string problem;
        if (parts.badByte >= 0) {
            problem = "Byte " + hexByte(static_cast<unsigned char>(parts.badByte)) +
                      " außerhalb eines Kommentars";
        } else if (!added.send.empty()) {
            problem = classify(added, parts.realtime, words);
        }
        if (!problem.empty()) {
            prepared.refusals.push_back("Zeile " + std::to_string(fileLine) + ": " + problem);
        }
        if (planner) {
            // Only a line the check has read and taken moves the machine.
            if (problem.empty() && added.kind != LineKind::Nothing &&
                added.kind != LineKind::Realtime) {
                planner->add(words, fileLine - 1);
            }
            prepared.toolPath.push_back({planner->position()[0], planner->position()[1]});
        }
    }
    prepared.program.text = std::move(text);
    if (planner) {
        const std::vector<double>& seconds = planner->finish();
        for (std::size_t k = 0; k < prepared.program.lines.size(); ++k) {
            prepared.program.lines[k].seconds = seconds[k];
            prepared.program.seconds += seconds[k];
        }
    }
    return prepared;
}

}  // namespace

PreparedProgram prepareLines(std::string_view bytes) {
    return prepare(bytes, nullptr);
}

PreparedProgram prepareProgram(std::string_view bytes, const MachineProfile& profile) {
    return prepare(bytes, &profile);
}

std::vector<std::string> pauseComments(const StreamProgram& program, std::size_t index) {
    std::vector<std::string> comments;
    for (std::size_t k = std::min(index, program.lines.size()); k > 0; --k) {
        const StreamLine& line = program.lines[k - 1];
        if (line.kind != LineKind::Nothing || comments.size() == kMostPauseComments) {
            break;
        }
        if (const std::string_view text = withoutFrame(line.comment); !text.empty()) {
            comments.emplace_back(text);
        }
    }
    std::reverse(comments.begin(), comments.end());
    return comments;
}

}  // namespace zrv
