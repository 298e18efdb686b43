#include "geometry/chaining.h"

#include <optional>
#include <utility>

namespace zrv {
namespace {

struct Piece {
    std::string text;
    PathEnds ends;
    std::optional<bool> piecewise;  // read when first asked: most pieces never join

    bool readsPiecewise() {
        if (!piecewise) {
            piecewise = zrv::readsPiecewise(text);
        }
        return *piecewise;
    }
};

Piece pieceOf(std::string text) {
    const PathEnds ends = pathEnds(text);
    return {std::move(text), ends, std::nullopt};
}

bool touches(const Piece& before, const Piece& after) {
    return before.ends.end == after.ends.start;
}

// Appends the later piece to the earlier one. For piecewise texts the joint text starts where
// the first one starts and ends where the second one ends; anything else is read again.
void join(Piece& into, Piece&& later) {
    const bool piecewise = into.readsPiecewise() && later.readsPiecewise();
    into.text += later.text;
    if (piecewise) {
        into.ends.end = later.ends.end;
    } else {
        into = pieceOf(std::move(into.text));
    }
}

}  // namespace

bool readsPiecewise(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos || text[first] != 'X') {
        return false;
    }
    char expected = 'X';
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (c != 'X' && c != 'Y') {
            continue;
        }
        // A number that starts inside the text never reads into the next one.
        if (c != expected || k + 2 >= text.size() || text[k + 1] != '=') {
            return false;
        }
        expected = c == 'X' ? 'Y' : 'X';
    }
    return expected == 'X';
}

// The plain rule restarts its scan at the first path after every join. It need not: a scan
// that reached path j has found no join among paths 0 to j, and joining j + 1 onto j changes
// neither those texts nor the start of path j (the joint text begins with the old one), so a
// fresh scan would pass them again. Only a changed start can make its predecessor join, so
// the stack below checks its top pair until nothing joins; for piecewise texts that ends
// after one check. The output is the stack; its top is the path being extended.
ChainResult chainTouching(std::vector<std::string> ordered, std::span<const PathEnds> ends) {
    std::vector<Piece> stack;
    stack.reserve(ordered.size());
    std::size_t joins = 0;
    for (std::size_t k = 0; k < ordered.size(); ++k) {
        stack.push_back(Piece{std::move(ordered[k]), ends[k], std::nullopt});
        while (stack.size() >= 2 && touches(stack[stack.size() - 2], stack.back())) {
            Piece later = std::move(stack.back());
            stack.pop_back();
            join(stack.back(), std::move(later));
            ++joins;
        }
    }
    ChainResult result;
    result.joins = joins;
    result.paths.reserve(stack.size());
    for (Piece& piece : stack) {
        result.paths.push_back(std::move(piece.text));
    }
    return result;
}

}  // namespace zrv
