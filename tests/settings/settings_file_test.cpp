#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "settings/program_folder.h"
#include "settings/settings_file.h"
#include "settings/switches.h"
#include "settings_values.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "text/windows1252.h"

namespace zrv {
namespace {

using test::changedSettings;
using test::crlfFile;
using test::describe;
using test::factorySettings;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;
using Lines = std::vector<std::string>;

#ifdef _WIN32
#define ZRV_NOT_CHOSEN "C:\\"
#define ZRV_EDITOR "NOTEPAD.EXE"
#else
#define ZRV_NOT_CHOSEN "/"
#define ZRV_EDITOR "xdg-open"
#endif

// The factory file of a German system as bytes on disk (Windows-1252), line by line.
const Lines kGermanFactoryBytes = {
    "C:\\Zeichnungen\\\xDC"
    "bung \xE4.zrv",
    " 2 ",
    ZRV_NOT_CHOSEN,
    ZRV_NOT_CHOSEN,
    ZRV_NOT_CHOSEN,
    ZRV_NOT_CHOSEN,
    ZRV_EDITOR,
    ZRV_NOT_CHOSEN,
    " 5 ",
    " 2,54 ",
    " 0 ",
    " 0 ",
    " 0 ",
    " 0 ",
    " 0 ",
    " 0 ",
    "1 Zirva Farben",
    " 1 ",
    " 1 ",
    " 1 ",
    " 1 ",
    " 1 ",
    "1 Zirva Figuren",
    " 1 ",
    " 1 ",
    " 1 ",
    " 1 ",
    "1 Optimierung Bohrungen",
    " 1 ",
    "1-Standard",
    " 255 ",
    " 12632256 ",
    "1 Optimierung Fr\xE4sungen",
    " 1 ",
    "1-Standard",
    " 16711680 ",
    " 12632256 ",
    "1000",
    "500",
    "1000",
    "10",
    "2,5",
    "-1,5",
    "1000",
    "100",
    "10",
    "10",
    "2,5",
    "-0,1",
    "1 Gerber-Export",
    " 1 ",
    " 1 ",
    " 1 ",
    "ENDE"};

TEST(SettingsWrite, GermanFactoryFileOnDiskByteByByte) {
    ScratchFolder folder;
    Settings settings = factorySettings(kGermanLocale);
    settings.DATEI_NAME = "C:\\Zeichnungen\\Übung ä.zrv";
    ASSERT_TRUE(PARAMETER_SPEICHERN(folder / "zrvcam.ini", settings, kGermanLocale).ok());
    ASSERT_EQ(kGermanFactoryBytes.size(), 54u);
    EXPECT_EQ(readBytes(folder / "zrvcam.ini"), crlfFile(kGermanFactoryBytes));
}

TEST(SettingsWrite, EachCheckBoxRowLandsOnItsLine) {
    for (const SwitchRow& row : kSwitches) {
        if (row.line == 0) {
            continue;
        }
        SCOPED_TRACE(row.name);
        Settings settings = factorySettings(kCLocale);
        switchValue(settings.choices, row) = 2;
        const Lines lines = settingsLines(settings, kCLocale);
        ASSERT_EQ(lines.size(), 54u);
        const std::string line = row.lineLabel.empty() ? " 2 " : "2" + std::string(row.lineLabel);
        EXPECT_EQ(lines[static_cast<std::size_t>(row.line) - 1], line);
    }
}

TEST(SettingsWrite, NumbersFollowTheLocaleAndTextsStayAsTyped) {
    const Lines lines = settingsLines(changedSettings(), kCLocale);
    ASSERT_EQ(lines.size(), 54u);
    EXPECT_EQ(lines[8], " 7.5 ");
    EXPECT_EQ(lines[9], " 3.175 ");
    EXPECT_EQ(lines[10], " 1 ");
    EXPECT_EQ(lines[11], " 2 ");
    EXPECT_EQ(lines[16], "0 Zirva Farben");
    EXPECT_EQ(lines[22], "0 Zirva Figuren");
    EXPECT_EQ(lines[30], " 65280 ");
    EXPECT_EQ(lines[31], " 0 ");
    EXPECT_EQ(lines[35], " 16777215 ");
    EXPECT_EQ(lines[42], "-0,75");
    EXPECT_EQ(lines[48], "-0,05");
    EXPECT_EQ(lines[49], "0 Gerber-Export");
    EXPECT_EQ(settingsLines(changedSettings(), kGermanLocale)[9], " 3,175 ");
}

TEST(SettingsWrite, NegativeNumberTakesTheLeadingBlanksPlace) {
    Settings settings = factorySettings(kGermanLocale);
    settings.choices.calibration.STRECKE_ZIRVA_WERT = -2.5;
    EXPECT_EQ(settingsLines(settings, kGermanLocale)[8], "-2,5 ");
}

TEST(SettingsWrite, LineBreakInsideATextCannotShiftTheLaterLines) {
    ScratchFolder folder;
    Settings settings = changedSettings();
    settings.DATEI_NAME = "/tmp/a\nb\r\nc.zrv";
    settings.choices.parameters.Combo_FRAESUNG_TIEFE = "-0,1\n";
    ASSERT_TRUE(PARAMETER_SPEICHERN(folder / "zrvcam.ini", settings, kGermanLocale).ok());
    const SettingsRead read = readSettings(folder / "zrvcam.ini", factorySettings(kGermanLocale));
    EXPECT_EQ(read.outcome, SettingsOutcome::Applied);
    EXPECT_EQ(read.settings.DATEI_NAME, "/tmp/a b  c.zrv");
    EXPECT_EQ(read.settings.choices.parameters.Combo_FRAESUNG_TIEFE, "-0,1 ");
    EXPECT_EQ(read.settings.choices.exports.Check_EXPORT_GRBL_INFO, 0);
}

TEST(SettingsWrite, SuccessLeavesNoTemporaryFileBehind) {
    ScratchFolder folder;
    ASSERT_TRUE(PARAMETER_SPEICHERN(folder / "zrvcam.ini", changedSettings(), kCLocale).ok());
    ASSERT_TRUE(PARAMETER_SPEICHERN(folder / "zrvcam.ini", changedSettings(), kCLocale).ok());
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().filename(), "zrvcam.ini");
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(SettingsWrite, FolderInTheWayGivesAMessageAndStaysIntact) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "zrvcam.ini");
    writeBytes(folder / "zrvcam.ini" / "inhalt.txt", "bleibt");
    const Status status =
        PARAMETER_SPEICHERN(folder / "zrvcam.ini", changedSettings(), kGermanLocale);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error.find("zrvcam.ini"), std::string::npos) << status.error;
    EXPECT_EQ(readBytes(folder / "zrvcam.ini" / "inhalt.txt"), "bleibt");
}

TEST(SettingsWrite, PathThatCannotBeCreatedGivesAMessage) {
    ScratchFolder folder;
    writeBytes(folder / "keinOrdner", "eine Datei");
    const Status status =
        PARAMETER_SPEICHERN(folder / "keinOrdner" / "zrvcam.ini", changedSettings(), kCLocale);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error.find("zrvcam.ini"), std::string::npos) << status.error;
    EXPECT_EQ(readBytes(folder / "keinOrdner"), "eine Datei");
}

TEST(SettingsWrite, ReadOnlyFolderKeepsThePreviousFile) {
    ScratchFolder folder;
    const auto path = folder / "zrvcam.ini";
    ASSERT_TRUE(PARAMETER_SPEICHERN(path, factorySettings(kGermanLocale), kGermanLocale).ok());
    const std::string before = readBytes(path);
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (folderWritable(folder.path())) {
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    const Status status = PARAMETER_SPEICHERN(path, changedSettings(), kGermanLocale);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(readBytes(path), before);
}

// Every value survives a write in either locale and a read over the factory values of either.
TEST(SettingsRoundTrip, EveryChangedValueComesBack) {
    for (const NumberLocale writeLocale : {kGermanLocale, kCLocale}) {
        for (const NumberLocale readLocale : {kGermanLocale, kCLocale}) {
            SCOPED_TRACE(std::string("written with '") + writeLocale.decimal + "', read with '" +
                         readLocale.decimal + "'");
            ScratchFolder folder;
            ASSERT_TRUE(
                PARAMETER_SPEICHERN(folder / "zrvcam.ini", changedSettings(), writeLocale).ok());
            const SettingsRead read =
                readSettings(folder / "zrvcam.ini", factorySettings(readLocale));
            EXPECT_EQ(read.outcome, SettingsOutcome::Applied);
            EXPECT_TRUE(read.status.ok());
            EXPECT_EQ(describe(read.settings), describe(changedSettings()));
        }
    }
}

TEST(SettingsRoundTrip, ChangedValuesDifferFromTheFactoryOnesEverywhere) {
    const test::ValueList factory = describe(factorySettings(kGermanLocale));
    const test::ValueList changed = describe(changedSettings());
    ASSERT_EQ(factory.size(), changed.size());
    for (std::size_t i = 0; i < factory.size(); ++i) {
        EXPECT_NE(factory[i].second, changed[i].second) << factory[i].first;
    }
}

// The lines of the changed settings as the German program writes them.
Lines changedLines() {
    return settingsLines(changedSettings(), kGermanLocale);
}

Lines replaced(Lines lines, std::size_t lineNumber, std::string text) {
    lines.at(lineNumber - 1) = std::move(text);
    return lines;
}

std::string lfFile(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += utf8ToWindows1252(line) + "\n";
    }
    return text;
}

std::string fileOf(const Lines& lines) {
    return windowsText(lines);
}

// The changed settings' file with some lines (numbered from 1) replaced.
std::string changedFileWith(std::initializer_list<std::pair<std::size_t, std::string>> lines) {
    Lines file = changedLines();
    for (const auto& [lineNumber, text] : lines) {
        file = replaced(file, lineNumber, text);
    }
    return fileOf(file);
}

struct ReadCase {
    const char* name;
    std::function<std::string()> bytes;
    SettingsOutcome outcome;
    // The expected values, from the changed settings (what the file holds) and the factory ones
    // (what was current before reading).
    std::function<Settings(const Settings& file, const Settings& current)> expected;
};

Settings fileValues(const Settings& file, const Settings&) {
    return file;
}
Settings currentValues(const Settings&, const Settings& current) {
    return current;
}
Settings lineOneOnly(const Settings& file, const Settings& current) {
    Settings expected = current;
    expected.DATEI_NAME = file.DATEI_NAME;
    return expected;
}

const ReadCase kReadCases[] = {
    {"LfLineEnds", [] { return lfFile(changedLines()); }, SettingsOutcome::Applied, fileValues},
    {"NoEndAfterLastLine",
     [] {
         std::string bytes = fileOf(changedLines());
         bytes.resize(bytes.size() - 2);
         return bytes;
     },
     SettingsOutcome::Applied, fileValues},
    {"EmptyFile", [] { return std::string(); }, SettingsOutcome::Werkseinstellung, currentValues},
    {"OnlyLineEnds", [] { return std::string("\r\n\r\n"); }, SettingsOutcome::Werkseinstellung,
     currentValues},
    {"LastLineMissing",
     [] {
         Lines lines = changedLines();
         lines.pop_back();
         return fileOf(lines);
     },
     SettingsOutcome::Werkseinstellung, currentValues},
    {"BlankLineAfterEnde",
     [] {
         Lines lines = changedLines();
         lines.emplace_back();
         return fileOf(lines);
     },
     SettingsOutcome::Werkseinstellung, currentValues},
    {"EndeWithTrailingBlank",
     [] {
         return changedFileWith({{54, "ENDE "}});
     },
     SettingsOutcome::Werkseinstellung, currentValues},
    {"LowerCaseEnde",
     [] {
         return changedFileWith({{54, "ende"}});
     },
     SettingsOutcome::Werkseinstellung, currentValues},
    {"ForeignRevision",
     [] {
         return changedFileWith({{2, " 3 "}});
     },
     SettingsOutcome::RevisionMismatch, lineOneOnly},
    {"RevisionAsText",
     [] {
         return changedFileWith({{2, "zwei"}});
     },
     SettingsOutcome::RevisionMismatch, lineOneOnly},
    {"RevisionWithDecimalComma",
     [] {
         return changedFileWith({{2, " 2,5 "}});
     },
     SettingsOutcome::Applied, fileValues},
    {"OnlyTheEndMark", [] { return fileOf({"ENDE"}); }, SettingsOutcome::RevisionMismatch,
     currentValues},
    {"EndMarkAfterLineTwo",
     [] {
         return fileOf({"/x/a.zrv", " 2 ", "ENDE"});
     },
     SettingsOutcome::Incomplete,
     [](const Settings&, const Settings& current) {
         Settings expected = current;
         expected.DATEI_NAME = "/x/a.zrv";
         return expected;
     }},
    {"CutAfterLineForty",
     [] {
         Lines lines = changedLines();
         lines.resize(40);
         lines.emplace_back("ENDE");
         return fileOf(lines);
     },
     SettingsOutcome::Incomplete,
     [](const Settings& file, const Settings& current) {
         Settings expected = file;
         Parameters& p = expected.choices.parameters;
         const Parameters& old = current.choices.parameters;
         p.Combo_BOHRUNG_VORSCHUB_Z_AB = old.Combo_BOHRUNG_VORSCHUB_Z_AB;
         p.Combo_BOHRUNG_HOEHE = old.Combo_BOHRUNG_HOEHE;
         p.Combo_BOHRUNG_TIEFE = old.Combo_BOHRUNG_TIEFE;
         p.Combo_FRAESUNG_SPINDLE_SPEED = old.Combo_FRAESUNG_SPINDLE_SPEED;
         p.Combo_FRAESUNG_VORSCHUB_Z_AUF = old.Combo_FRAESUNG_VORSCHUB_Z_AUF;
         p.Combo_FRAESUNG_VORSCHUB_Z_AB = old.Combo_FRAESUNG_VORSCHUB_Z_AB;
         p.Combo_FRAESUNG_VORSCHUB_XY = old.Combo_FRAESUNG_VORSCHUB_XY;
         p.Combo_FRAESUNG_HOEHE = old.Combo_FRAESUNG_HOEHE;
         p.Combo_FRAESUNG_TIEFE = old.Combo_FRAESUNG_TIEFE;
         expected.choices.exports = current.choices.exports;
         return expected;
     }},
    {"LineMissingInTheMiddle",
     [] {
         Lines lines = changedLines();
         lines.erase(lines.begin() + 36);  // line 37, the milling path colour
         return fileOf(lines);
     },
     SettingsOutcome::Incomplete,
     [](const Settings& file, const Settings& current) {
         // From line 37 on every value lands one box too early; the last box keeps its value.
         Settings expected = file;
         Parameters& p = expected.choices.parameters;
         const Parameters& f = file.choices.parameters;
         expected.choices.view.Command_FARBE_WEG_FRAESUNGEN = 1200;  // "1200 U/min"
         p.Combo_BOHRUNG_SPINDLE_SPEED = f.Combo_BOHRUNG_VORSCHUB_XY;
         p.Combo_BOHRUNG_VORSCHUB_XY = f.Combo_BOHRUNG_VORSCHUB_Z_AUF;
         p.Combo_BOHRUNG_VORSCHUB_Z_AUF = f.Combo_BOHRUNG_VORSCHUB_Z_AB;
         p.Combo_BOHRUNG_VORSCHUB_Z_AB = f.Combo_BOHRUNG_HOEHE;
         p.Combo_BOHRUNG_HOEHE = f.Combo_BOHRUNG_TIEFE;
         p.Combo_BOHRUNG_TIEFE = f.Combo_FRAESUNG_SPINDLE_SPEED;
         p.Combo_FRAESUNG_SPINDLE_SPEED = f.Combo_FRAESUNG_VORSCHUB_Z_AUF;
         p.Combo_FRAESUNG_VORSCHUB_Z_AUF = f.Combo_FRAESUNG_VORSCHUB_Z_AB;
         p.Combo_FRAESUNG_VORSCHUB_Z_AB = f.Combo_FRAESUNG_VORSCHUB_XY;
         p.Combo_FRAESUNG_VORSCHUB_XY = f.Combo_FRAESUNG_HOEHE;
         p.Combo_FRAESUNG_HOEHE = f.Combo_FRAESUNG_TIEFE;
         p.Combo_FRAESUNG_TIEFE = "0 Gerber-Export";
         expected.choices.exports = {2, 0, 0, current.choices.exports.Check_EXPORT_GRBL_INFO};
         return expected;
     }},
    {"ExtraLineInTheMiddle",
     [] {
         Lines lines = changedLines();
         lines.insert(lines.begin() + 52, " 2 ");  // before line 53
         return fileOf(lines);
     },
     SettingsOutcome::Incomplete,
     [](const Settings& file, const Settings&) {
         Settings expected = file;
         expected.choices.exports.Check_EXPORT_GRBL_INFO = 2;
         return expected;
     }},
    {"TextWhereNumbersBelong",
     [] {
         return changedFileWith({{9, "fünf"}, {12, "ja"}, {19, "Zirva Farben"}, {36, "hellgrau"}});
     },
     SettingsOutcome::Applied,
     [](const Settings& file, const Settings& current) {
         Settings expected = file;
         expected.choices.calibration.STRECKE_ZIRVA_WERT =
             current.choices.calibration.STRECKE_ZIRVA_WERT;
         expected.choices.view.Check_VIEW_LINEAL = 0;
         expected.choices.filter.Check_FARBE_BLAU = 0;
         expected.choices.view.Command_FARBE_VIEW_FRAESUNGEN = 0;
         return expected;
     }},
    {"CheckValuesOutsideZeroToTwo",
     [] {
         return changedFileWith({{11, " 3 "},
                                 {12, "-1 "},
                                 {13, " 2.5 "},
                                 {14, " 99999999999999999999 "},
                                 {15, " 1.6 "},
                                 {16, " 0.5 "},
                                 {19, "-0.4"},
                                 {23, "2 Zirva Figuren"}});
     },
     SettingsOutcome::Applied,
     [](const Settings& file, const Settings& current) {
         Settings expected = file;
         expected.choices.view.Check_VIEW_RASTER = current.choices.view.Check_VIEW_RASTER;
         expected.choices.view.Check_VIEW_LINEAL = current.choices.view.Check_VIEW_LINEAL;
         expected.choices.view.Check_BEREICH = current.choices.view.Check_BEREICH;
         expected.choices.view.Check_NULL_PUNKT = current.choices.view.Check_NULL_PUNKT;
         expected.choices.prepare.Check_BUENDIG = 2;
         expected.choices.prepare.Check_SPIEGELN_HORIZONTAL = 1;
         expected.choices.filter.Check_FARBE_BLAU = 0;
         expected.choices.filter.Check_ENABLED_BOHRUNGEN = 2;
         return expected;
     }},
    {"ColoursOutsideTwentyFourBits",
     [] {
         return changedFileWith(
             {{31, "-1 "}, {32, " 16777216 "}, {36, " 255,7 "}, {37, " 16777215 "}});
     },
     SettingsOutcome::Applied,
     [](const Settings& file, const Settings& current) {
         Settings expected = file;
         ViewChoices& view = expected.choices.view;
         view.Command_FARBE_VIEW_BOHRUNGEN = current.choices.view.Command_FARBE_VIEW_BOHRUNGEN;
         view.Command_FARBE_WEG_BOHRUNGEN = current.choices.view.Command_FARBE_WEG_BOHRUNGEN;
         view.Command_FARBE_VIEW_FRAESUNGEN = 255;
         view.Command_FARBE_WEG_FRAESUNGEN = 16777215;
         return expected;
     }},
    {"DistancesThatWouldDivideByZero",
     [] {
         return changedFileWith({{9, " 0 "}, {10, "-2,54 "}});
     },
     SettingsOutcome::Applied,
     [](const Settings& file, const Settings& current) {
         Settings expected = file;
         expected.choices.calibration = current.choices.calibration;
         return expected;
     }},
    {"DistanceTooLargeForADouble",
     [] {
         return changedFileWith({{10, "1" + std::string(400, '0')}});
     },
     SettingsOutcome::Applied,
     [](const Settings& file, const Settings& current) {
         Settings expected = file;
         expected.choices.calibration.STRECKE_ORIGINAL_WERT =
             current.choices.calibration.STRECKE_ORIGINAL_WERT;
         return expected;
     }},
    {"DistancesWithPointOrCommaAndLabel",
     [] {
         return changedFileWith({{9, "1.5"}, {10, " 0,8 mm"}});
     },
     SettingsOutcome::Applied,
     [](const Settings& file, const Settings&) {
         Settings expected = file;
         expected.choices.calibration = {1.5, 0.8};
         return expected;
     }},
};

void PrintTo(const ReadCase& row, std::ostream* out) {
    *out << row.name;
}

class SettingsReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(SettingsReadTest, ValuesAppliedAsFarAsTheyCanBe) {
    ScratchFolder folder;
    writeBytes(folder / "zrvcam.ini", GetParam().bytes());
    const Settings current = factorySettings(kGermanLocale);
    const SettingsRead read = readSettings(folder / "zrvcam.ini", current);
    EXPECT_EQ(read.outcome, GetParam().outcome);
    EXPECT_TRUE(read.status.ok()) << read.status.error;
    EXPECT_EQ(describe(read.settings), describe(GetParam().expected(changedSettings(), current)));
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsReadTest, testing::ValuesIn(kReadCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SettingsRead, NoReadableFileKeepsTheCurrentValuesAndSaysWhy) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "ordner.ini");
    for (const char* name : {"fehlt.ini", "ordner.ini"}) {
        SCOPED_TRACE(name);
        const Settings current = changedSettings();
        const SettingsRead read = readSettings(folder / name, current);
        EXPECT_EQ(read.outcome, SettingsOutcome::Werkseinstellung);
        EXPECT_FALSE(read.status.ok());
        EXPECT_NE(read.status.error.find(name), std::string::npos) << read.status.error;
        EXPECT_EQ(describe(read.settings), describe(current));
        EXPECT_FALSE(std::filesystem::is_regular_file(folder / name));
    }
}

TEST(SettingsRead, ForeignRevisionIsWrittenBackWithItsLineOne) {
    ScratchFolder folder;
    const auto path = folder / "zrvcam.ini";
    writeBytes(path, changedFileWith({{2, " 1 "}}));
    const SettingsRead read = readSettings(path, factorySettings(kGermanLocale));
    ASSERT_EQ(read.outcome, SettingsOutcome::RevisionMismatch);
    ASSERT_TRUE(PARAMETER_SPEICHERN(path, read.settings, kGermanLocale).ok());
    Settings expected = factorySettings(kGermanLocale);
    expected.DATEI_NAME = changedSettings().DATEI_NAME;
    EXPECT_EQ(readBytes(path), fileOf(settingsLines(expected, kGermanLocale)));
    EXPECT_EQ(readBytes(path).substr(0, 28),
              "C:\\Zeichnungen\\\xDC"
              "bung \xE4.zrv\r\n");
}

}  // namespace
}  // namespace zrv
