#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/example_drawings.h"

namespace zrv {
namespace {

std::string committed(const char* name) {
    std::ifstream file(std::filesystem::path(ZRV_SOURCE_DIR) / "examples" / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The sample drawings are made by make_examples; a change of the builder must regenerate them.
TEST(Examples, TheCommittedDrawingsAreWhatTheBuilderMakes) {
    EXPECT_EQ(committed("platine40.zrv"), test::platine40Bytes());
    EXPECT_EQ(committed("platine70.zrv7"), test::platine70Bytes());
}

}  // namespace
}  // namespace zrv
