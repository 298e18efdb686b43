#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace zrv::test {
namespace {

namespace fs = std::filesystem;

struct LayerCase {
    std::string_view name;
    std::string_view file;      // below src/
    std::string_view includes;  // its first line
    bool passes;
};

// A tree of three layers, each folder holding one header, the window with two rooms and a README
// that names them all; the case adds (or replaces) one file.
const LayerCase kCases[] = {
    {"own_folder", "middle/own.cpp", "#include \"middle/m.h\"", true},
    {"folder_below", "top/use.cpp", "#include \"bottom/b.h\"", true},
    {"folder_above", "bottom/use.h", "#include \"middle/m.h\"", false},
    {"two_folders_above", "bottom/use.cpp", "#include \"top/t.h\"", false},
    {"qt_in_the_core", "middle/use.cpp", "#include <QString>", false},
    {"qt_in_the_window", "ui/low/use.cpp", "#include <QString>", true},
    {"room_below", "ui/high/use.cpp", "#include \"ui/low/l.h\"", true},
    {"room_to_the_core", "ui/low/use.cpp", "#include \"top/t.h\"", true},
    {"room_above", "ui/low/use.h", "#include \"ui/high/h.h\"", false},
    {"room_without_layer", "ui/stray/use.cpp", "#include \"ui/low/l.h\"", false},
    {"file_in_no_room", "ui/use.cpp", "#include \"ui/low/l.h\"", false},
    {"folder_without_layer", "stray/use.cpp", "#include \"bottom/b.h\"", false},
    {"layer_not_in_the_readme", "../README.md",
     "### Layout\nsrc/bottom/ src/top/ src/ui/\n  low/\n  high/", false},
    {"room_not_in_the_readme", "../README.md",
     "### Layout\nsrc/bottom/ src/middle/ src/top/\nsrc/ui/ src/ui/low/\n", false},
    {"layout_is_another_section", "../README.md",
     "## Usage\nsrc/middle/\n### Layout\nsrc/bottom/ src/top/ src/ui/ src/ui/low/ src/ui/high/",
     false},
};

int checkLayers(const fs::path& root) {
    const std::string command =
        std::string(ZRV_SOURCE_DIR) + "/tools/check-layers '" + root.string() + "' 2>/dev/null";
    return std::system(command.c_str());
}

TEST(CheckLayers, FailsExactlyOnAnIncludeUpALayerOrRoomQtInTheCoreOrALayerTheReadmeOmits) {
    for (const LayerCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const ScratchFolder tree;
        for (const std::string_view folder : {"bottom", "middle", "top", "ui/low", "ui/high"}) {
            fs::create_directories(tree / ("src/" + std::string(folder)));
        }
        writeBytes(tree / "src/layers.txt", "# lowest first\nbottom\nmiddle\ntop\nui\n");
        writeBytes(tree / "src/bottom/b.h", "#pragma once\n");
        writeBytes(tree / "src/middle/m.h", "#pragma once\n#include \"bottom/b.h\"\n");
        writeBytes(tree / "src/top/t.h", "#pragma once\n#include \"middle/m.h\"\n");
        writeBytes(tree / "src/ui/layers.txt", "# lowest first\nlow\nhigh\n");
        writeBytes(tree / "src/ui/low/l.h", "#pragma once\n");
        writeBytes(tree / "src/ui/high/h.h", "#pragma once\n#include \"ui/low/l.h\"\n");
        writeBytes(tree / "README.md",
                   "### Layout\n```\nsrc/bottom/ src/middle/ src/top/\nsrc/ui/\n  low/   a room\n"
                   "  high/\n```\n### Building\n");
        fs::create_directories((tree / "src" / c.file).parent_path());
        writeBytes(tree / "src" / c.file, std::string(c.includes) + "\n");
        EXPECT_EQ(checkLayers(tree.path()) == 0, c.passes);
    }
}

TEST(CheckLayers, PassesOnThisRepository) {
    EXPECT_EQ(checkLayers(ZRV_SOURCE_DIR), 0);
}

}  // namespace
}  // namespace zrv::test
