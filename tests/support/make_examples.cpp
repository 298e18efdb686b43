// Writes the sample drawings of examples/ from the drawing builder:
// make_examples [FOLDER] (default: the examples folder of the source tree).
#include <filesystem>
#include <iostream>

#include "support/drawing_builder.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1
                                             ? std::filesystem::path(argv[1])
                                             : std::filesystem::path(ZRV_SOURCE_DIR) / "examples";
    try {
        zrv::test::writeBytes(folder / "platine40.zrv", zrv::test::platine40Bytes());
        zrv::test::writeBytes(folder / "platine70.zrv7", zrv::test::platine70Bytes());
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    std::cout << folder.string() << '\n';
    return 0;
}
