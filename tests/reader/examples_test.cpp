#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/example_drawings.h"
#include "support/file_bytes.h"

namespace zrv {
namespace {

std::string committed(const char* name) {
    return test::readBytes(std::filesystem::path(ZRV_SOURCE_DIR) / "examples" / name);
}

// The sample drawings are made by make_examples; a change of the builder must regenerate them.
TEST(Examples, TheCommittedDrawingsAreWhatTheBuilderMakes) {
    EXPECT_EQ(committed("platine40.zrv"), test::platine40Bytes());
    EXPECT_EQ(committed("platine70.zrv7"), test::platine70Bytes());
}

}  // namespace
}  // namespace zrv
