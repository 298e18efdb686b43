#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/file_names.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

struct NameCase {
    const char* path;
    const char* fileName;              // DATEI_OHNE_PFAD
    std::optional<std::string> basis;  // DATEI_BASIS
};

const NameCase kNameCases[] = {
    {"C:\\Platinen\\board.zrv", "board.zrv", "C:\\Platinen\\board"},
    {"/home/user/board.zrv7", "board.zrv7", "/home/user/board"},
    {"C:\\mixed/folder\\a/b.zrv", "b.zrv", "C:\\mixed/folder\\a/b"},
    {"board.zrv", "board.zrv", "board"},
    {"x.zrv7", "x.zrv7", "x"},
    {"a.zrv", "a.zrv", "a"},
    {"/a/b.c.zrv", "b.c.zrv", "/a/b.c"},
    {"/a/b.tar.gz", "b.tar.gz", "/a/b.tar"},
    {"/a/b.zrvcam", "b.zrvcam", std::nullopt},
    {"/a/noextension", "noextension", std::nullopt},
    {"/a.b/c", "c", "/a"},
    {"/tmp/", "", std::nullopt},
    {"abcd", "", std::nullopt},
    {".zrv", "", ""},
    {"/ä/ö.zrv", "ö.zrv", "/ä/ö"},
    {"/x/äöü.z", "äöü.z", "/x/äöü"},
};

TEST(FileNames, FileNameAndBaseOfAPath) {
    for (const NameCase& c : kNameCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(DATEI_OHNE_PFAD(c.path), c.fileName);
        EXPECT_EQ(dateiBasis(c.path), c.basis);
    }
}

TEST(FileNames, ShortPathsHaveNoFileNameCountedInCharacters) {
    EXPECT_EQ(DATEI_OHNE_PFAD(""), "");
    EXPECT_EQ(DATEI_OHNE_PFAD("äöüß"), "");  // four characters, eight bytes
    EXPECT_EQ(DATEI_OHNE_PFAD("äöüßx"), "äöüßx");
    EXPECT_EQ(characterCount("äöüß"), 4u);
}

// The start-up asks it of the last drawing, the load flow of a drawing the user picks.
TEST(FileNames, HoldsBytesOnlyForARegularFileWithContent) {
    const test::ScratchFolder folder;
    test::writeBytes(folder / "Übung ä.zrv", "\x07ZIRVA");
    test::writeBytes(folder / "leer.zrv", "");
    test::writeBytes(folder / "ein Byte.zrv", "x");
    std::filesystem::create_directory(folder / "ordner.zrv");
    const struct {
        std::string path;
        bool holds;
    } cases[] = {
        {folder.file("Übung ä.zrv"), true},
        {folder.file("leer.zrv"), false},
        {folder.file("ein Byte.zrv"), true},  // the least content there is
        {folder.file("ordner.zrv"), false},
        {folder.file("fehlt.zrv"), false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(holdsBytes(c.path), c.holds);
    }
}

}  // namespace
}  // namespace zrv
