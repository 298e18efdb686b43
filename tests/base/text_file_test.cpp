#include "base/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
  protected:
    test::ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();
};

TEST_F(TextFileTest, LinesAreWrittenInWindows1252WithCrLf) {
    const std::vector<std::string> lines = {"(Bohrung-HÖHE: 2.5)", "", "ENDE"};
    ASSERT_TRUE(writeTextFile(folder_ / "a.txt", lines).ok());
    EXPECT_EQ(test::readBytes(folder_ / "a.txt"), "(Bohrung-H\xD6HE: 2.5)\r\n\r\nENDE\r\n");
    const TextLines back = readTextFile(folder_ / "a.txt");
    ASSERT_TRUE(back.status.ok());
    EXPECT_EQ(back.lines, lines);
}

TEST_F(TextFileTest, ReadingAcceptsLfAndALastLineWithoutEnd) {
    std::ofstream(folder_ / "lf.txt", std::ios::binary) << "eins\nzwei\r\ndrei";
    const TextLines back = readTextFile(folder_ / "lf.txt");
    EXPECT_EQ(back.lines, (std::vector<std::string>{"eins", "zwei", "drei"}));
}

// A hand-edited file as Notepad, PowerShell or the program itself writes it: "Hö" then a line.
TEST(DecodedText, MarksAndUtf16DecodeAndEverythingElseIsWindows1252) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        std::string bytes;
        bool marked;
    };
    const Case cases[] = {
        {"Windows-1252", "H\xF6\r\nx", false},
        {"UTF-8 after its mark", "\xEF\xBB\xBFH\xC3\xB6\r\nx", true},
        {"UTF-16 LE with its mark", "\xFF\xFEH\0\xF6\0\r\0\n\0x\0"s, true},
        {"UTF-16 BE with its mark", "\xFE\xFF\0H\0\xF6\0\r\0\n\0x"s, true},
        {"UTF-16 LE without a mark", "H\0\xF6\0\r\0\n\0x\0"s, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(markedText(c.bytes).has_value(), c.marked);
        EXPECT_EQ(textLines(decodedText(c.bytes)), (std::vector<std::string>{"Hö", "x"}));
    }
    EXPECT_EQ(textLines(""), std::vector<std::string>{});
    EXPECT_EQ(textLines("a\r\n\nb\r"), (std::vector<std::string>{"a", "", "b"}));
}

TEST_F(TextFileTest, AFailedWriteLeavesThePreviousFileAndNoTemporary) {
    const fs::path target = folder_ / "keep.nc";
    ASSERT_TRUE(writeFileAtomically(target, "old").ok());
    // A folder where the temporary file would go makes the write fail before the rename.
    fs::create_directories(folder_ / "keep.nc.zrvcam-tmp");
    const Status status = writeFileAtomically(target, "new");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error.find("keep.nc"), std::string::npos) << status.error;
    EXPECT_EQ(test::readBytes(target), "old");
}

TEST_F(TextFileTest, AFolderAsTargetIsRefusedWithAGermanMessage) {
    fs::create_directories(folder_ / "ordner");
    const Status status = writeFileAtomically(folder_ / "ordner", "x");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error.find("Ordner"), std::string::npos) << status.error;
    EXPECT_TRUE(fs::is_directory(folder_ / "ordner"));
}

TEST_F(TextFileTest, AMissingFolderIsReported) {
    const Status status = writeFileAtomically(folder_ / "fehlt" / "a.nc", "x");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error.find("nicht gefunden"), std::string::npos) << status.error;
    EXPECT_FALSE(fs::exists(folder_ / "fehlt"));
}

TEST_F(TextFileTest, ReadingAMissingFileOrAFolderGivesAMessage) {
    const FileBytes missing = readFileBytes(folder_ / "nichts.zrv");
    EXPECT_NE(missing.status.error.find("nicht gefunden"), std::string::npos);
    const FileBytes folder = readFileBytes(folder_);
    EXPECT_NE(folder.status.error.find("Ordner"), std::string::npos);
}

TEST_F(TextFileTest, BinaryBytesAreReadWhole) {
    std::string bytes;
    for (int i = 0; i < 300000; ++i) {
        bytes.push_back(static_cast<char>(i * 7));
    }
    ASSERT_TRUE(writeFileAtomically(folder_ / "b.bin", bytes).ok());
    EXPECT_EQ(test::readBytes(folder_ / "b.bin"), bytes);
    EXPECT_EQ(readFileBytes(folder_ / "b.bin").bytes, bytes);
}

}  // namespace
}  // namespace zrv
