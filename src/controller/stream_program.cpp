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
    bool inBracket = false;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const auto c = static_cast<unsigned char>(line[k]);
        if (inBracket) {
            if (c == ')') {
                inBracket = false;
            } else {
                parts.comment.push_back(static_cast<char>(c));
            }
        } else if (c == '(') {
            inBracket = true;
            if (!parts.comment.empty()) {
                parts.comment.push_back(' ');
            }
        } else if (c == ';') {
            parts.comment.append(line.substr(k + 1));
            break;
        } else if (c < 0x20 || c > 0x7E) {
            if (parts.problem.empty()) {
                parts.problem = "Byte " + hexByte(c) + " außerhalb eines Kommentars";
            }
        } else if (c != ' ') {
            parts.send.push_back(static_cast<char>(c));
        }
    }
    return parts;
}

// The kind of a line that is sent, or the reason it must not be.
std::string classify(StreamLine& line) {
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
    const GcodeWords words = readGcodeWords(line.send);
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

PreparedProgram prepareProgram(std::string_view bytes, const MachineProfile& profile) {
    PreparedProgram prepared;
    const std::vector<std::string> texts = splitLines(bytes);
    const std::vector<double> seconds = lineSeconds(texts, profile);
    prepared.program.lines.reserve(texts.size());
    for (std::size_t k = 0; k < texts.size(); ++k) {
        LineParts parts = splitComments(texts[k]);
        StreamLine line{k + 1, std::move(parts.send), std::move(parts.comment), LineKind::Nothing,
                        k < seconds.size() ? seconds[k] : 0.0};
        std::string problem = std::move(parts.problem);
        if (problem.empty() && !line.send.empty()) {
            problem = classify(line);
        }
        if (!problem.empty()) {
            prepared.refusals.push_back("Zeile " + std::to_string(k + 1) + ": " + problem);
        }
        prepared.program.seconds += line.seconds;
        prepared.program.lines.push_back(std::move(line));
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
