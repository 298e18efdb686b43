#include "gcode/gcode_reading.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <string_view>

namespace zrv::test {
namespace {

using Words = std::map<char, double>;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
// The word letters GRBL knows; any other letter is an unsupported command to it.
bool isLetter(char c) {
    return c != '\0' && std::string_view("FGIJKLMNPRSTXYZ").find(c) != std::string_view::npos;
}

// Reads a number at `pos`: optional sign, digits with at most one ".", at least one digit.
std::optional<double> readNumber(std::string_view line, std::size_t& pos) {
    const std::size_t start = pos;
    if (pos < line.size() && (line[pos] == '+' || line[pos] == '-')) {
        ++pos;
    }
    int digits = 0;
    int points = 0;
    while (pos < line.size() && (isDigit(line[pos]) || line[pos] == '.')) {
        (line[pos] == '.' ? points : digits) += 1;
        ++pos;
    }
    if (digits == 0 || points > 1) {
        return std::nullopt;
    }
    return std::strtod(std::string(line.substr(start, pos - start)).c_str(), nullptr);
}

// The words of an ordinary line; an error text when the line is not plain RS274.
std::optional<std::string> readWords(std::string_view line, Words& words) {
    std::size_t pos = 0;
    int count = 0;
    while (pos < line.size()) {
        const char c = line[pos];
        if (c == ' ') {
            ++pos;
        } else if (c == '(') {
            const std::size_t close = line.find(')', pos);
            if (close == std::string_view::npos) {
                return "comment not closed";
            }
            if (line.substr(pos + 1, close - pos - 1).find('(') != std::string_view::npos) {
                return "nested comment";
            }
            pos = close + 1;
            ++count;
        } else if (isLetter(c)) {
            ++pos;
            const std::optional<double> value = readNumber(line, pos);
            if (!value) {
                return std::string("no number after ") + c;
            }
            if (c != 'G' && c != 'M' && words.contains(c)) {
                return std::string("word twice: ") + c;
            }
            words[c] = *value;
            ++count;
        } else {
            return std::string("unexpected character '") + c + "'";
        }
    }
    if (count == 0) {
        return "empty line";
    }
    return std::nullopt;
}

bool isGrblLine(std::string_view line) {
    for (std::string_view query : {"$I", "$#", "$G", "$$", "$X", "?"}) {
        if (line.starts_with(query)) {
            const std::string_view rest = line.substr(query.size());
            return rest.empty() || (rest.starts_with(" (") && rest.ends_with(")"));
        }
    }
    return false;
}

constexpr std::string_view kSeparatorStart = "(=====";

}  // namespace

WordCheck checkWords(std::span<const std::string> lines) {
    WordCheck check;
    bool blockSeen = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        auto fail = [&](const std::string& what) {
            check.errors.push_back("line " + std::to_string(i + 1) + ": " + what + ": " + line);
        };
        if (line.starts_with('$') || line.starts_with('?')) {
            const bool continues = !check.grblLines.empty() && check.grblLines.back() == i - 1;
            const bool opens = !blockSeen && i > 0 && lines[i - 1].starts_with(kSeparatorStart);
            if (!isGrblLine(line)) {
                fail("unknown GRBL query");
            } else if (!continues && !opens) {
                fail("GRBL query outside its block");
            }
            blockSeen = true;
            check.grblLines.push_back(i);
            continue;
        }
        Words words;
        if (std::optional<std::string> error = readWords(line, words)) {
            fail(*error);
        }
    }
    return check;
}

MachineRun runProgram(std::span<const std::string> lines) {
    const double unknown = std::numeric_limits<double>::quiet_NaN();
    MachineRun run;
    double x = unknown, y = unknown, z = unknown, feed = 0;
    int motion = -1;
    bool spindle = false;
    std::string section;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        auto violate = [&](const std::string& what) {
            run.violations.push_back("line " + std::to_string(i + 1) + ": " + what + ": " + line);
        };
        if (line.find("==================== Bohrungen") != std::string::npos) {
            section = "Bohrungen";
        } else if (line.find("==================== Fräsungen") != std::string::npos) {
            section = "Fräsungen";
        } else if (line == "(Ende)") {
            section = "Ende";
        }
        Words words;
        if (line.starts_with('$') || line.starts_with('?') || readWords(line, words)) {
            continue;
        }
        run.ended = words.contains('M') && words['M'] == 30 && i + 1 == lines.size();
        if (words.contains('G') && (words['G'] == 0 || words['G'] == 1)) {
            motion = static_cast<int>(words['G']);
        }
        if (words.contains('M')) {
            spindle = words['M'] == 3 ? true : words['M'] == 5 ? false : spindle;
        }
        if (words.contains('F')) {
            feed = words['F'];
        }
        const bool movesXy = words.contains('X') || words.contains('Y');
        const bool movesZ = words.contains('Z');
        if (!movesXy && !movesZ) {
            continue;
        }
        if (motion < 0 || (motion == 1 && feed <= 0)) {
            violate("move without motion mode or feed");
        }
        if (movesXy && movesZ) {
            violate("XY and Z in one move");
        }
        const double toX = words.contains('X') ? words['X'] : x;
        const double toY = words.contains('Y') ? words['Y'] : y;
        const double toZ = movesZ ? words['Z'] : z;
        if (movesXy && std::isnan(z)) {
            violate("XY move before Z is known");
        }
        if (movesXy && z <= 0) {
            run.cuts.push_back({x, y, toX, toY, section, z, motion == 0, i});
        }
        if (movesZ && toZ < 0 && !(z <= toZ)) {
            run.plunges.push_back({x, y, toZ, section, z, motion == 0, i});
        }
        if (((movesXy && z <= 0) || (movesZ && toZ < 0)) && !spindle) {
            violate("in the work piece with the spindle off");
        }
        x = toX;
        y = toY;
        z = toZ;
        if (!std::isnan(z) && z < run.lowestZ) {
            run.lowestZ = z;
        }
    }
    return run;
}

}  // namespace zrv::test
