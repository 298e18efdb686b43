#include "controller/stream_program.h"

#include <algorithm>
#include <cstdio>

#include "controller/grbl_words.h"
#include "gcode/gcode_words.h"
#include "planner/program_time.h"

namespace zrv {
namespace {

constexpr std::size_t kMostPauseComments = 8;

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

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

// The line split into what is sent (blanks left out) and its comments; the first byte outside
// comments that the controller would not take as text.
struct LineParts {
    std::string send;
    std::string comment;
    std::string problem;
};

LineParts splitComments(std::string_view line) {
    LineParts parts;
    std::size_t k = 0;
    while (k < line.size()) {
        const auto c = static_cast<unsigned char>(line[k]);
        if (c == '(') {
            const std::size_t close = std::min(line.find(')', k + 1), line.size());
            if (!parts.comment.empty()) {
                parts.comment.push_back(' ');
            }
            parts.comment.append(line.substr(k + 1, close - k - 1));
            k = close + 1;
        } else if (c == ';') {
            parts.comment.append(line.substr(k + 1));
            break;
        } else if (c < 0x20 || c > 0x7E) {
            if (parts.problem.empty()) {
                parts.problem = "Byte " + hexByte(c) + " außerhalb eines Kommentars";
            }
            ++k;
        } else if (c == ' ') {
            ++k;
        } else {
            // A run of plain characters at once.
            std::size_t end = k + 1;
            while (end < line.size() && line[end] > ' ' && line[end] < 0x7F && line[end] != '(' &&
                   line[end] != ';') {
                ++end;
            }
            parts.send.append(line.substr(k, end - k));
            k = end;
        }
    }
    return parts;
}

// The kind of a line that is sent, or the reason it must not be.
std::string classify(StreamLine& line, GcodeWords& words) {
    if (line.send == "?") {
        line.kind = LineKind::Realtime;
        return {};
    }
    if (line.send.find_first_of("?!~") != std::string::npos) {
        return "„?“, „!“ und „~“ sind Echtzeitbefehle der Steuerung und gehören in keine Zeile";
    }
    if (line.send.front() == '$') {
        line.kind = LineKind::System;
        return line.send.size() > kGrblLineChars
                   ? "Die Zeile hat mehr als " + std::to_string(kGrblLineChars) +
                         " Zeichen ohne Leerzeichen und Kommentare (error:11)"
                   : std::string{};
    }
    readGcodeWords(line.send, words);
    if (words.grblError != 0) {
        return words.refusal;
    }
    for (const GcodeWord& word : words.words()) {
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

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" =");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" =");
    return text.substr(first, last - first + 1);
}

}  // namespace

PreparedProgram prepareLines(std::string_view bytes) {
    PreparedProgram prepared;
    GcodeWords words;  // kept from line to line
    prepared.program.lines.reserve(lineCount(bytes));
    std::size_t fileLine = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (text.ends_with('\r')) {
            text.remove_suffix(1);
        }
        ++fileLine;
        LineParts parts = splitComments(text);
        StreamLine line{fileLine, std::move(parts.send), std::move(parts.comment),
                        LineKind::Nothing, 0.0};
        std::string problem = std::move(parts.problem);
        if (problem.empty() && !line.send.empty()) {
            problem = classify(line, words);
        }
        if (!problem.empty()) {
            prepared.refusals.push_back("Zeile " + std::to_string(fileLine) + ": " + problem);
        }
        prepared.program.lines.push_back(std::move(line));
    }
    return prepared;
}

PreparedProgram prepareProgram(std::string_view bytes, const MachineProfile& profile) {
    PreparedProgram prepared = prepareLines(bytes);
    const std::vector<double> seconds = lineSeconds(splitLines(bytes), profile);
    for (std::size_t k = 0; k < prepared.program.lines.size() && k < seconds.size(); ++k) {
        prepared.program.lines[k].seconds = seconds[k];
        prepared.program.seconds += seconds[k];
    }
    return prepared;
}

std::vector<std::string> pauseComments(const StreamProgram& program, std::size_t index) {
    std::vector<std::string> comments;
    for (std::size_t k = std::min(index, program.lines.size()); k > 0; --k) {
        const StreamLine& line = program.lines[k - 1];
        if (line.kind != LineKind::Nothing || comments.size() == kMostPauseComments) {
            break;
        }
        if (const std::string_view text = trimmed(line.comment); !text.empty()) {
            comments.emplace_back(text);
        }
    }
    std::reverse(comments.begin(), comments.end());
    return comments;
}

}  // namespace zrv
