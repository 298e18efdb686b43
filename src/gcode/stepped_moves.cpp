#include "gcode/stepped_moves.h"

#include <string>

#include "settings/plain_number.h"

namespace zrv {
namespace {

using enum ParameterRole;

// Above the bottom drilled so far: a rapid down stops this far short of it.
constexpr double kPeckClearance = 0.2;

std::string passComment(std::size_t pass, std::size_t passes) {
    return "(Durchgang " + std::to_string(pass) + " / " + std::to_string(passes) + ")";
}

void plunge(GcodeLines& out, const ToolValues& mill, const std::string& depth) {
    out.ZEILE_SCHREIBEN("G01 Z" + depth + " F" + mill[FeedDown] + " (ab)");
}

void feedOn(GcodeLines& out, const ToolValues& mill) {
    out.ZEILE_SCHREIBEN("G01 F" + mill[FeedXy] + " (Vorschub)");
}

// The pairs after the first of a pass, forwards or backwards.
void cutAlong(GcodeLines& out, std::span<const Point> pairs, bool backwards) {
    for (std::size_t i = 1; i < pairs.size(); ++i) {
        const Point& pair = backwards ? pairs[pairs.size() - 1 - i] : pairs[i];
        out.FRAESUNG_XY(pair.x, pair.y);
    }
}

}  // namespace

void millPath(GcodeLines& out, std::span<const Point> pairs, const ToolValues& mill,
              const StepDepths& depths) {
    if (pairs.empty()) {
        out.FRAESER_AUF();
        return;
    }
    const std::size_t passes = depths.texts.size();
    const bool closed = pairs.front() == pairs.back();
    out.FRAESUNG_ANFAHREN(pairs.front().x, pairs.front().y);
    if (passes == 1) {
        out.FRAESER_AB();
    } else {
        out.ZEILE_SCHREIBEN(passComment(1, passes));
        out.ZEILE_SCHREIBEN("G01 Z0.1 F100 (ab-schnell)");
        plunge(out, mill, depths.texts.front());
    }
    feedOn(out, mill);
    cutAlong(out, pairs, false);
    bool atEnd = true;
    for (std::size_t pass = 2; pass <= passes; ++pass) {
        out.ZEILE_SCHREIBEN(passComment(pass, passes));
        plunge(out, mill, depths.texts[pass - 1]);
        feedOn(out, mill);
        const bool backwards = !closed && atEnd;
        cutAlong(out, pairs, backwards);
        atEnd = closed || !backwards;
    }
    out.FRAESER_AUF();
}

void drillHole(GcodeLines& out, const ToolValues& drill, const StepDepths& depths) {
    if (depths.texts.size() == 1) {
        out.BOHRER_AB();
        out.BOHRER_AUF();
        return;
    }
    out.ZEILE_SCHREIBEN("G01 F100 Z0.1 (Bohrer absenken)");
    for (std::size_t peck = 0; peck < depths.texts.size(); ++peck) {
        if (peck > 0) {
            const double back = depths.values[peck - 1] + kPeckClearance;
            out.ZEILE_SCHREIBEN("G0 Z" + plainNumberText(back, kCLocale) + " (Bohrer zurück)");
        }
        out.ZEILE_SCHREIBEN("G01  F" + drill[FeedDown] + " Z" + depths.texts[peck] +
                            " (Bohrer ab)");
        out.BOHRER_AUF();
    }
}

}  // namespace zrv
