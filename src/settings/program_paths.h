#pragma once

#include <string>

namespace zrv {

// The outside programs the user has chosen.
struct ProgramPaths {
    std::string PROGRAMM_ZIRVA40;
    std::string PROGRAMM_ZIRVA50;
    std::string PROGRAMM_ZIRVA60;
    std::string PROGRAMM_ZIRVA70;
    std::string PROGRAMM_EDITOR;
    std::string PROGRAMM_CNC;

    friend bool operator==(const ProgramPaths&, const ProgramPaths&) = default;
};

}  // namespace zrv
