#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "base/text_file.h"
#include "settings/settings_file.h"
#include "settings_values.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

using test::changedSettings;
using test::describe;
using test::factorySettings;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// Changed settings whose last drawing is a real file in the test folder.
struct WithDrawing {
    explicit WithDrawing(const ScratchFolder& folder)
        : drawingFolder(folder / "Zeichnungen ä"),
          drawing(drawingFolder / "Platine Übung.zrv"),
          settings(changedSettings()) {
        std::filesystem::create_directory(drawingFolder);
        writeBytes(drawing, "\x07ZIRVA");
        settings.DATEI_NAME = utf8(drawing);
    }
    std::filesystem::path drawingFolder;
    std::filesystem::path drawing;
    Settings settings;
};

TEST(SettingsStart, FirstStartCreatesAnEmptyFileAndKeepsTheFactoryValues) {
    ScratchFolder folder;
    const auto path = folder / "zrvcam.ini";
    const Settings factory = factorySettings(kGermanLocale);
    const SettingsStart start = loadSettingsAtStart(path, factory);
    EXPECT_EQ(start.outcome, SettingsOutcome::Werkseinstellung);
    EXPECT_EQ(start.lines, std::vector<std::string>{"Werkseinstellung"});
    EXPECT_EQ(start.message, "");
    EXPECT_FALSE(start.openDrawing);
    EXPECT_FALSE(start.DATEI_ORDNER.has_value());
    EXPECT_EQ(describe(start.settings), describe(factory));
    ASSERT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);

    ASSERT_TRUE(PARAMETER_SPEICHERN(path, start.settings, kGermanLocale).ok());
    const std::string bytes = readBytes(path);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 54);
    EXPECT_TRUE(bytes.ends_with("\r\nENDE\r\n"));
}

TEST(SettingsStart, ExistingFileIsNotTouched) {
    ScratchFolder folder;
    const auto path = folder / "zrvcam.ini";
    writeBytes(path, "keine Einstellungen");
    const SettingsStart start = loadSettingsAtStart(path, changedSettings());
    EXPECT_EQ(start.lines, std::vector<std::string>{"Werkseinstellung"});
    EXPECT_EQ(describe(start.settings), describe(changedSettings()));
    EXPECT_EQ(readBytes(path), "keine Einstellungen");
}

TEST(SettingsStart, LastDrawingIsOpenedFromItsFolder) {
    ScratchFolder folder;
    const WithDrawing saved(folder);
    ASSERT_TRUE(PARAMETER_SPEICHERN(folder / "zrvcam.ini", saved.settings, kGermanLocale).ok());
    const SettingsStart start =
        loadSettingsAtStart(folder / "zrvcam.ini", factorySettings(kGermanLocale));
    EXPECT_EQ(start.outcome, SettingsOutcome::Applied);
    EXPECT_TRUE(start.lines.empty());
    EXPECT_EQ(start.message, "");
    EXPECT_TRUE(start.openDrawing);
    EXPECT_EQ(start.DATEI_ORDNER, utf8(saved.drawingFolder));
    EXPECT_EQ(describe(start.settings), describe(saved.settings));
}

TEST(SettingsStart, IncompleteFileSaysIniAndStillOpensTheDrawing) {
    ScratchFolder folder;
    const WithDrawing saved(folder);
    std::vector<std::string> lines = settingsLines(saved.settings, kGermanLocale);
    lines.erase(lines.begin() + 40);
    writeBytes(folder / "zrvcam.ini", windowsText(lines));
    const SettingsStart start =
        loadSettingsAtStart(folder / "zrvcam.ini", factorySettings(kGermanLocale));
    EXPECT_EQ(start.outcome, SettingsOutcome::Incomplete);
    EXPECT_EQ(start.message, "ini ?");
    EXPECT_TRUE(start.lines.empty());
    EXPECT_TRUE(start.openDrawing);
    EXPECT_EQ(start.settings.DATEI_NAME, saved.settings.DATEI_NAME);
}

TEST(SettingsStart, ForeignRevisionKeepsLineOneButOpensNothing) {
    ScratchFolder folder;
    const WithDrawing saved(folder);
    std::vector<std::string> lines = settingsLines(saved.settings, kGermanLocale);
    lines[1] = " 1 ";
    writeBytes(folder / "zrvcam.ini", windowsText(lines));
    const Settings factory = factorySettings(kGermanLocale);
    const SettingsStart start = loadSettingsAtStart(folder / "zrvcam.ini", factory);
    EXPECT_EQ(start.outcome, SettingsOutcome::RevisionMismatch);
    EXPECT_EQ(start.lines, std::vector<std::string>{"Werkseinstellung"});
    EXPECT_FALSE(start.openDrawing);
    EXPECT_FALSE(start.DATEI_ORDNER.has_value());
    Settings expected = factory;
    expected.DATEI_NAME = saved.settings.DATEI_NAME;
    EXPECT_EQ(describe(start.settings), describe(expected));
}

TEST(SettingsStart, GoneOrEmptyDrawingIsForgottenSilently) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "ordner.zrv");
    writeBytes(folder / "leer.zrv", "");
    for (const char* name : {"fehlt.zrv", "leer.zrv", "ordner.zrv", ""}) {
        SCOPED_TRACE(name);
        Settings saved = changedSettings();
        saved.DATEI_NAME = *name == '\0' ? "" : utf8(folder / name);
        ASSERT_TRUE(PARAMETER_SPEICHERN(folder / "zrvcam.ini", saved, kCLocale).ok());
        const SettingsStart start =
            loadSettingsAtStart(folder / "zrvcam.ini", factorySettings(kCLocale));
        EXPECT_EQ(start.outcome, SettingsOutcome::Applied);
        EXPECT_TRUE(start.lines.empty());
        EXPECT_FALSE(start.openDrawing);
        EXPECT_FALSE(start.DATEI_ORDNER.has_value());
        saved.DATEI_NAME.clear();
        EXPECT_EQ(describe(start.settings), describe(saved));
    }
}

TEST(SettingsStart, FolderWhereTheFileShouldBeGivesFactoryValuesAndAReason) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "zrvcam.ini");
    const Settings factory = factorySettings(kGermanLocale);
    const SettingsStart start = loadSettingsAtStart(folder / "zrvcam.ini", factory);
    EXPECT_EQ(start.outcome, SettingsOutcome::Werkseinstellung);
    ASSERT_EQ(start.lines.size(), 2u);
    EXPECT_NE(start.lines[0].find("zrvcam.ini"), std::string::npos) << start.lines[0];
    EXPECT_EQ(start.lines[1], "Werkseinstellung");
    EXPECT_FALSE(start.openDrawing);
    EXPECT_EQ(describe(start.settings), describe(factory));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "zrvcam.ini"));
}

struct FolderCase {
    const char* path;
    std::optional<std::string> folder;
};

TEST(FolderOfPath, TextBeforeTheLastSeparatorOfEitherKind) {
    const FolderCase cases[] = {
        {"C:\\Zeichnungen\\Platine.zrv", "C:\\Zeichnungen"},
        {"/home/jörg/platine.zrv7", "/home/jörg"},
        {"C:\\a/b\\c.zrv", "C:\\a/b"},
        {"D:/gemischt\\x/y.zrv", "D:/gemischt\\x"},
        {"/platine.zrv", "/"},
        {"C:\\platine.zrv", "C:"},
        {"platine.zrv", std::nullopt},
        {"", std::nullopt},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(folderOfPath(c.path), c.folder);
    }
}

}  // namespace
}  // namespace zrv
