#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_targets.h"

namespace zrv::fuzz {

void PrintTo(const Target& target, std::ostream* out) {
    *out << target.name;
}

namespace {

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class Corpus : public testing::TestWithParam<Target> {};

// Every seed and every minimised finding of a target still passes all its checks.
TEST_P(Corpus, EveryFileKeepsEveryInvariant) {
    const std::filesystem::path folder =
        std::filesystem::path(ZRV_SOURCE_DIR) / "tests/fuzz/corpus" / GetParam().name;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty()) << folder;
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const std::vector<std::uint8_t> bytes = fileBytes(file);
        EXPECT_EQ(GetParam().run(bytes), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, Corpus, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<Target>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace zrv::fuzz
