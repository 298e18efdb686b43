#pragma once

#include <string>

namespace zrv {

// The state of the drawing file last opened; empty until a file is loaded.
struct DrawingFile {
    std::string DATEI_NAME;             // full path of the drawing
    std::string DATEI_BASIS;            // the path without its extension, base of output names
    std::string DATEI_INHALT;           // the whole file, one char per byte
    std::string DATEI_VERSION = "???";  // the 7-character version tag of the header
};

}  // namespace zrv
