#include "levelling/level_program.h"

#include <algorithm>
#include <cmath>

#include "gcode/comment_text.h"
#include "gcode/gcode_words.h"
#include "levelling/length_text.h"
#include "settings/plain_number.h"

namespace zrv {
namespace {

constexpr double kChordTolerance = 0.002;  // mm between a piece and the surface under it
constexpr int kMostSplits = 64;            // per cell, for absurdly bent maps

struct Position {
    double x = 0;
    double y = 0;
    double z = 0;
};

// The parts of a motion line besides X, Y and Z.
struct MotionLine {
    std::string_view motion;  // "G01", empty when the modal motion goes on
    std::string rest;         // the other words, each with a leading blank
    const GcodeWord* x = nullptr;
    const GcodeWord* y = nullptr;
    const GcodeWord* z = nullptr;
    std::string_view comment;  // carried over when every word stands before it
};

bool isMotion(const GcodeWord& word) {
    return word.letter == 'G' && (word.value == 0 || word.value == 1);
}

// Splits the words; false when the line moves no axis, or does something this pass does not know
// (an arc, a probe) or GRBL refuses it: such a line stays as it is.
bool motionLine(const GcodeWords& read, MotionLine& out) {
    if (read.grblError != 0 || read.system) {
        return false;
    }
    for (const GcodeWord& word : read.words()) {
        if (isMotion(word)) {
            out.motion = word.text;
        } else if (word.letter == 'G' && word.value != 21 && word.value != 90 && word.value != 94) {
            return false;
        } else if (word.letter == 'X') {
            out.x = &word;
        } else if (word.letter == 'Y') {
            out.y = &word;
        } else if (word.letter == 'Z') {
            out.z = &word;
        } else {
            out.rest += ' ';
            out.rest += word.text;
        }
    }
    // A comment between words ("G1 X1 (a) Y2") is left out rather than written twice.
    const auto words = read.words();
    if (words.empty() || read.comment.empty() || words.back().text.data() < read.comment.data()) {
        out.comment = read.comment;
    }
    return out.x != nullptr || out.y != nullptr || out.z != nullptr;
}

std::string mapRefusal(double x, double y, const Grid& grid, NumberLocale locale) {
    const auto n = [locale](double v) {
        return plainNumberText(std::round(v * 100) / 100, locale);
    };
    return "Export abgebrochen: Das Programm fährt bei X" + n(x) + " Y" + n(y) + " mehr als " +
           plainNumberText(kMapMargin, locale) + " mm aus der Höhenkarte (X " + n(grid.x0) +
           " bis " + n(grid.xEnd()) + ", Y " + n(grid.y0) + " bis " + n(grid.yEnd()) +
           "). Wurde die Zeichnung oder die Wahl nach dem Antasten geändert?";
}

bool onMap(double x, double y, const Grid& grid) {
    return x >= grid.x0 - kMapMargin && x <= grid.xEnd() + kMapMargin &&
           y >= grid.y0 - kMapMargin && y <= grid.yEnd() + kMapMargin;
}

// The fractions of a move from a to b where it crosses a grid line of one axis.
void crossings(double a, double b, double origin, double step, std::size_t count,
               std::vector<double>& ts) {
    if (step <= 0 || a == b) {
        return;
    }
    const double lo = std::min(a, b);
    const double hi = std::max(a, b);
    const double last = static_cast<double>(count - 1);
    const double first = std::clamp(std::ceil((lo - origin) / step), 0.0, last + 1);
    for (double i = first; i <= last && origin + i * step < hi; ++i) {
        const double t = (origin + i * step - a) / (b - a);
        if (t > 0 && t < 1) {
            ts.push_back(t);
        }
    }
}

struct Piece {
    double t = 0;    // where the piece ends along the move
    double sag = 0;  // how far the surface under the piece bends away from its chord, in mm
};

// Kept across the moves of one program, so a move costs no allocation.
struct Buffers {
    std::vector<double> ts;
    std::vector<Piece> pieces;
    GcodeWords words;
};

const std::vector<Piece>& pieces(const Position& from, const Position& to, const HeightMap& map,
                                 Buffers& buffers) {
    std::vector<double>& ts = buffers.ts;
    ts.assign(1, 0.0);
    crossings(from.x, to.x, map.grid.x0, map.grid.dx, map.grid.nx, ts);
    crossings(from.y, to.y, map.grid.y0, map.grid.dy, map.grid.ny, ts);
    ts.push_back(1);
    std::sort(ts.begin(), ts.end());
    const auto at = [&](double t) {
        return heightAt(map, from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t);
    };
    std::vector<Piece>& result = buffers.pieces;
    result.clear();
    for (std::size_t k = 1; k < ts.size(); ++k) {
        const double a = ts[k - 1];
        const double b = ts[k];
        if (b <= a) {
            continue;
        }
        // Inside a cell the surface along a straight move is a parabola.
        const double sag = std::abs(at(a) + at(b) - 2 * at((a + b) / 2)) / 2;
        const int splits = std::clamp(static_cast<int>(std::ceil(std::sqrt(sag / kChordTolerance))),
                                      1, kMostSplits);
        for (int s = 1; s <= splits; ++s) {
            result.push_back({a + (b - a) * s / splits, sag / (splits * splits)});
        }
    }
    return result;
}

void addLine(std::vector<std::string>& out, std::string code, std::string_view comment) {
    if (!comment.empty()) {
        code += ' ';
        code += comment;
    }
    out.push_back(std::move(code));
}

// " X12.5" as the line wrote it; nothing for a word the line does not have.
std::string wordText(const GcodeWord* word) {
    return word != nullptr ? " " + std::string(word->text) : std::string();
}

// A move that changes XY, as pieces that follow the surface.
void levelMove(const Position& from, const Position& to, const MotionLine& line, Buffers& buffers,
               const HeightMap& map, std::vector<std::string>& out) {
    const std::vector<Piece>& cut = pieces(from, to, map, buffers);
    double margin = 0;
    if (from.z >= 0 && to.z >= 0) {
        for (const Piece& piece : cut) {
            margin = std::max(margin, 4 * piece.sag);
        }
    }
    for (std::size_t k = 0; k < cut.size(); ++k) {
        const double t = cut[k].t;
        const double x = from.x + (to.x - from.x) * t;
        const double y = from.y + (to.y - from.y) * t;
        const double z = from.z + (to.z - from.z) * t + heightAt(map, x, y) + margin;
        const bool last = k + 1 == cut.size();
        std::string code = k == 0 ? std::string(line.motion) : std::string();
        if (last) {
            code += wordText(line.x) + wordText(line.y);
        } else {
            code += " X" + lengthText(x) + " Y" + lengthText(y);
        }
        code += " Z" + lengthText(z);
        if (k == 0) {
            code += line.rest;
        }
        if (code.front() == ' ') {
            code.erase(0, 1);
        }
        addLine(out, std::move(code), last ? line.comment : std::string_view{});
    }
}

std::vector<std::string> mapComments(const HeightMap& map) {
    return {"(Nivelliert mit der Höhenkarte " + commentSafe(map.name) + ")",
            "(Höhenkarte: " + std::to_string(map.grid.nx) + " x " + std::to_string(map.grid.ny) +
                " Punkte, Höhen " + lengthText(lowestHeight(map)) + " bis " +
                lengthText(highestHeight(map)) + " mm)"};
}

// Whether the line may hold an axis word outside its comments; most lines of a program have none,
// and this costs less than reading their words.
bool hasAxisWord(std::string_view line) {
    for (std::size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (c == ';') {
            return false;
        }
        if (c == '(') {
            k = std::min(line.find(')', k), line.size());
        } else if (c == 'X' || c == 'Y' || c == 'Z' || c == 'x' || c == 'y' || c == 'z') {
            return true;
        }
    }
    return false;
}

}  // namespace

LevelledProgram levelProgram(std::vector<std::string> lines, const HeightMap& map,
                             std::size_t headerLines, NumberLocale locale) {
    LevelledProgram result;
    std::vector<std::string>& out = result.lines;
    out.reserve(lines.size() + lines.size() / 4);
    Position at;
    Buffers buffers;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (n == headerLines) {
            for (std::string& comment : mapComments(map)) {
                out.push_back(std::move(comment));
            }
        }
        std::string& text = lines[n];
        if (!hasAxisWord(text)) {
            out.push_back(std::move(text));
            continue;
        }
        readGcodeWords(text, buffers.words);
        MotionLine line;
        if (!motionLine(buffers.words, line)) {
            out.push_back(std::move(text));
            continue;
        }
        const Position to{line.x != nullptr ? line.x->value : at.x,
                          line.y != nullptr ? line.y->value : at.y,
                          line.z != nullptr ? line.z->value : at.z};
        if (!onMap(to.x, to.y, map.grid)) {
            return {{}, mapRefusal(to.x, to.y, map.grid, locale)};
        }
        if (to.x == at.x && to.y == at.y) {
            std::string code = std::string(line.motion) + wordText(line.x) + wordText(line.y) +
                               " Z" + lengthText(to.z + heightAt(map, to.x, to.y)) + line.rest;
            if (code.front() == ' ') {
                code.erase(0, 1);
            }
            addLine(out, std::move(code), line.comment);
        } else {
            levelMove(at, to, line, buffers, map, out);
        }
        at = to;
    }
    if (lines.size() <= headerLines) {
        for (std::string& comment : mapComments(map)) {
            out.push_back(std::move(comment));
        }
    }
    return result;
}

LevelledProgram writtenProgram(const GcodeJob& job, const HeightMap* map) {
    std::vector<std::string> lines = gcodeProgram(job);
    if (map == nullptr) {
        return {std::move(lines), {}};
    }
    constexpr std::size_t kHeaderLines = 3;
    return levelProgram(std::move(lines), *map, kHeaderLines, job.locale);
}

}  // namespace zrv
