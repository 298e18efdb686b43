#pragma once

#include <string>
#include <string_view>

#include "settings/program_paths.h"

namespace zrv {

// An outside program to start detached: the program and its one argument, never split at
// blanks and never through a shell, and the command line as the user would read it.
struct OutsideCommand {
    std::string program;   // empty when there is nothing that could be started
    std::string argument;  // the file path
    std::string text;      // program + " " + file

    friend bool operator==(const OutsideCommand&, const OutsideCommand&) = default;
};

// program + " " + file: the text editor with a text output, the Zirva editor with a drawing.
OutsideCommand outsideCommand(std::string_view program, std::string_view file);

// The Zirva editor for the drawing's version tag: "ZIRVA40" starts PROGRAMM_ZIRVA40, "ZIRVA70"
// PROGRAMM_ZIRVA70. Any other tag gives the drawing path alone as command text, which is no
// program: nothing is started.
OutsideCommand zirvaCommand(const ProgramPaths& paths, std::string_view DATEI_VERSION,
                            std::string_view DATEI_NAME);

// MENUE_CNC: the CNC sender with the G-code file of the drawing.
struct CncStart {
    // "Bitte unter -Optionen- ein CNC-Programm einstellen" when no sender has been chosen
    // (PROGRAMM_CNC shorter than 5 characters); the command is then empty.
    std::string message;
    // text: PROGRAMM_CNC + " " + DATEI_NAME cut after the first ".zrv" of any case, + "nc"
    // ("nc" alone without one); program: PROGRAMM_CNC; argument: DATEI_NAME with its ".zrv..."
    // extension turned into ".nc" (program empty when the drawing has none).
    OutsideCommand command;
};
CncStart cncCommand(const ProgramPaths& paths, std::string_view DATEI_NAME);

}  // namespace zrv
