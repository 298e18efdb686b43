#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace zrv::test {

// A strict reading of the RS274 words of a program: comments in parentheses closed on their
// line and not nested, otherwise only letter-number words with the letters GRBL knows (at most
// one X, Y, Z, F, S each);
// "$" and "?" lines only as one block of GRBL queries right after a separator line.
struct WordCheck {
    std::vector<std::string> errors;     // "line N: what is wrong"
    std::vector<std::size_t> grblLines;  // indices of the "$" and "?" lines
};
WordCheck checkWords(std::span<const std::string> lines);

// What a machine does when it runs the program: each Z move into the work piece (below 0) and
// each XY move while the tool is in it (Z at or below 0), with the section it belongs to
// ("Bohrungen", "Fräsungen", "Ende" or "" before the first).
struct Plunge {
    double x = 0;
    double y = 0;
    double z = 0;
    std::string section;
    double fromZ = 0;
    bool rapid = false;  // G0
    std::size_t line = 0;
};
struct Cut {
    double fromX = 0;
    double fromY = 0;
    double toX = 0;
    double toY = 0;
    std::string section;
    double z = 0;
    bool rapid = false;  // G0
    std::size_t line = 0;
};
struct MachineRun {
    std::vector<Plunge> plunges;
    std::vector<Cut> cuts;
    // moves before Z is known, without motion mode or with a feed of 0 or below, tool in the
    // work piece with the spindle off, XY and Z in one move
    std::vector<std::string> violations;
    double lowestZ = 0;
    bool ended = false;  // M30 was the last line
};
MachineRun runProgram(std::span<const std::string> lines);

}  // namespace zrv::test
