#include <gtest/gtest.h>

#include "settings/program_folder.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

using test::ScratchFolder;
using test::writeBytes;

TEST(ProgramFolder, WritableExecutableFolderHoldsEverything) {
    ScratchFolder folder;
    const ProgramFolder place = programFolder(folder.path(), {"/nirgends", "/nirgends", ""});
    EXPECT_EQ(place.folder, folder.path());
    EXPECT_EQ(place.settingsFile, folder / "zrvcam.ini");
    EXPECT_EQ(place.filesFolder, folder / "Dateien");
    EXPECT_FALSE(std::filesystem::exists("/nirgends"));
}

TEST(ProgramFolder, UnwritableExecutableFolderMovesToTheUsersConfiguration) {
    ScratchFolder folder;
    const auto readOnly = folder / "bin";
    std::filesystem::create_directory(readOnly);
    std::filesystem::permissions(
        readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    // A folder that does not exist cannot be written either; it stands in when this user may
    // write into read-only folders.
    const auto executableFolder = folderWritable(readOnly) ? folder / "fehlt" : readOnly;
    const ProgramFolder place =
        programFolder(executableFolder, {(folder / "config").string(), "/nirgends", ""});
    EXPECT_EQ(place.folder, folder / "config" / "zrvcam");
    EXPECT_EQ(place.settingsFile, folder / "config" / "zrvcam" / "zrvcam.ini");
    EXPECT_TRUE(std::filesystem::is_directory(place.folder));
}

TEST(ProgramFolder, WithoutAnyConfigurationFolderTheExecutableFolderStays) {
    ScratchFolder folder;
    const ProgramFolder place = programFolder(folder / "fehlt", {});
    EXPECT_EQ(place.folder, folder / "fehlt");
}

TEST(UserConfigFolder, XdgWhenAbsoluteThenHomeThenAppData) {
    struct Case {
        const char* name;
        UserFolders user;
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {"xdg", {"/x/conf", "/home/u", "C:\\AppData"}, "/x/conf/zrvcam"},
        {"relative xdg is ignored", {"conf", "/home/u", ""}, "/home/u/.config/zrvcam"},
        {"home", {"", "/home/u", "C:\\AppData"}, "/home/u/.config/zrvcam"},
        {"appdata", {"", "", "/appdata"}, "/appdata/zrvcam"},
        {"nothing", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(userConfigFolder(c.user), c.expected);
    }
}

TEST(FolderWritable, LeavesNoProbeBehindAndRefusesFilesAndMissingFolders) {
    ScratchFolder folder;
    writeBytes(folder / "datei", "x");
    EXPECT_TRUE(folderWritable(folder.path()));
    EXPECT_FALSE(folderWritable(folder / "datei"));
    EXPECT_FALSE(folderWritable(folder / "fehlt"));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(FilesFolder, CreatedOnceExistingIsFineAndAFileInTheWayIsSkipped) {
    ScratchFolder folder;
    const ProgramFolder place = programFolder(folder.path(), {});
    createFilesFolder(place);
    createFilesFolder(place);
    EXPECT_TRUE(std::filesystem::is_directory(place.filesFolder));

    std::filesystem::create_directory(folder / "blockiert");
    const ProgramFolder blocked = programFolder(folder / "blockiert", {});
    writeBytes(blocked.filesFolder, "eine Datei");
    createFilesFolder(blocked);
    EXPECT_TRUE(std::filesystem::is_regular_file(blocked.filesFolder));
}

}  // namespace
}  // namespace zrv
