#pragma once

#include <string>

#include "controller/stream_program.h"
#include "planner/machine_profile.h"

namespace zrv::test {

// A program as the export writes it (CR LF, comments), read for streaming; no refusals expected.
inline StreamProgram streamProgram(const std::string& text) {
    return prepareProgram(text, readMachineProfile("").profile).program;
}

// `moves` short moves of varying length, with a comment line and a blank line between some.
inline std::string manyMoves(std::size_t moves) {
    std::string text = "G21 (mm)\r\nG90\r\n";
    for (std::size_t k = 0; k < moves; ++k) {
        text += "G1 X" + std::to_string(k % 97) + "." + std::to_string(k % 10) + " Y" +
                std::to_string(k % 13) + " F" + std::to_string(100 + k % 900) + " (Schnitt)\r\n";
        if (k % 50 == 0) {
            text += "(========== Pfad " + std::to_string(k) + " ==========)\r\n\r\n";
        }
    }
    return text + "M30\r\n";
}

}  // namespace zrv::test
