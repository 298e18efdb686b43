#include "job/export.h"
#include "job/load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include "base/file_names.h"
#include "gcode/gcode_examples.h"
#include "gcode/gcode_reading.h"
#include "store/entry_text.h"
#include "support/drawing_builder.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"
#include "text/windows1252.h"

namespace zrv {
namespace {

namespace fs = std::filesystem;

// The file's lines as UTF-8; every line must end with CR LF, and a program must be plain RS274.
std::vector<std::string> fileLines(const fs::path& path) {
    const std::string bytes = test::readBytes(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF";
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        lines.push_back(windows1252ToUtf8(line));
        start = end + 2;
    }
    if (path.extension() == ".nc" || path.filename() == ".nc") {
        const test::WordCheck check = test::checkWords(lines);
        EXPECT_TRUE(check.errors.empty()) << check.errors.front();
    }
    return lines;
}

// A whole number with a grouping sign every three digits.
std::string grouped(std::uintmax_t number, char sign) {
    std::string digits = std::to_string(number);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(digits.begin() + at, sign);
    }
    return digits;
}

class ExportTest : public testing::Test {
  protected:
    void SetUp() override {
        state_.file.DATEI_NAME = (dir_ / "board.zrv").string();
        state_.file.DATEI_BASIS = (dir_ / "board").string();
        state_.store.PUNKTE = {test::kExampleHole};
        state_.store.FRAESUNGEN = {test::kExamplePath};
    }

    Choices choices(NumberLocale locale, int grbl = 0) const {
        Choices result;
        result.parameters = test::startParameters(locale);
        result.exports = ExportChoices{1, 1, 0, grbl};
        return result;
    }

    test::ScratchFolder folder_;
    const fs::path& dir_ = folder_.path();
    ProgramState state_;
};

TEST_F(ExportTest, WorkedExampleOnDiskInBothLocales) {
    const struct {
        const char* name;
        NumberLocale locale;
    } cases[] = {{"German", kGermanLocale}, {"C", kCLocale}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingHost recording(c.locale);
        const WriteResult result = GERBER_SCHREIBEN(state_, choices(c.locale), recording.host);
        ASSERT_TRUE(result.status.ok()) << result.status.error;
        const std::string path = (dir_ / "board.nc").string();
        EXPECT_EQ(result.path, path);
        EXPECT_EQ(fileLines(path), test::workedExampleLines("(07.12.2026 08:00:00)", path));
        // "ä", "Ö" and "ü" are single bytes in the file.
        EXPECT_NE(test::readBytes(path).find("(Bohrung-H\xD6HE: 2.5)\r\n"), std::string::npos);
        const std::string sizeLine = grouped(fs::file_size(path), c.locale.grouping) + " Bytes";
        EXPECT_EQ(recording.progress.lines, (std::vector<std::string>{"Export Gerberdatei...", path,
                                                                      "", "", sizeLine, "ok"}));
        EXPECT_EQ(recording.progress.lineClears, 1);
        EXPECT_TRUE(recording.progress.messages.empty());
    }
}

TEST_F(ExportTest, WrittenProgramReadsBackSafely) {
    for (int k = 1; k < 40; ++k) {
        state_.store.PUNKTE.push_back(" X=" + std::to_string(k) +
                                      ".250 Y=" + std::to_string(k % 7) + ".500");
    }
    test::RecordingHost recording(kGermanLocale);
    ASSERT_TRUE(GERBER_SCHREIBEN(state_, choices(kGermanLocale, 1), recording.host).status.ok());
    const std::vector<std::string> lines = fileLines(dir_ / "board.nc");
    const test::WordCheck check = test::checkWords(lines);
    EXPECT_TRUE(check.errors.empty()) << check.errors.front();
    EXPECT_EQ(check.grblLines.size(), 6u);
    const test::MachineRun run = test::runProgram(lines);
    EXPECT_TRUE(run.violations.empty()) << run.violations.front();
    EXPECT_EQ(run.lowestZ, -1.5);
    std::size_t drilled = 0;
    for (const test::Plunge& plunge : run.plunges) {
        drilled += plunge.z == -1.5 ? 1 : 0;
    }
    EXPECT_EQ(drilled, state_.store.PUNKTE.size());
}

// The example boards, loaded and prepared as the window does, run through a simple machine:
// every hole drilled once at the set depth, cuts only along the stored paths.
TEST_F(ExportTest, ExampleBoardsDrillEveryHoleOnceAndCutOnlyAlongThePaths) {
    for (const char* drawing : {"platine40.zrv", "platine70.zrv7"}) {
        SCOPED_TRACE(drawing);
        const fs::path copy = dir_ / drawing;
        fs::copy_file(fs::path(ZRV_SOURCE_DIR) / "examples" / drawing, copy);
        test::RecordingHost recording(kGermanLocale);
        Choices all = factoryChoices(kGermanLocale);
        ProgramState board;
        ASSERT_EQ(DATEI_LADEN(board, copy.string(), all, recording.host).outcome,
                  LoadOutcome::Loaded);
        ASSERT_FALSE(board.store.PUNKTE.empty());
        ASSERT_FALSE(board.store.FRAESUNGEN.empty());
        const WriteResult result = GERBER_SCHREIBEN(board, all, recording.host);
        ASSERT_TRUE(result.status.ok()) << result.status.error;
        const test::MachineRun run = test::runProgram(fileLines(result.path));
        EXPECT_TRUE(run.violations.empty()) << run.violations.front();
        EXPECT_EQ(run.lowestZ, -1.5);

        std::vector<Point> drilled;
        for (const test::Plunge& plunge : run.plunges) {
            if (plunge.z == -1.5) {
                drilled.push_back({plunge.x, plunge.y});
            }
        }
        std::vector<Point> holes;
        for (const std::string& entry : board.store.PUNKTE) {
            holes.push_back(readPoint(entry));
        }
        EXPECT_EQ(drilled, holes);

        std::vector<Point> cutEnds;
        for (const test::Cut& cut : run.cuts) {
            EXPECT_EQ(cut.section, "Fräsungen");
            cutEnds.push_back({cut.toX, cut.toY});
        }
        std::vector<Point> pathPoints;
        for (const std::string& entry : board.store.FRAESUNGEN) {
            const std::vector<Point> pairs = readPairs(entry);
            pathPoints.insert(pathPoints.end(), pairs.begin() + (pairs.empty() ? 0 : 1),
                              pairs.end());
        }
        EXPECT_EQ(cutEnds, pathPoints);
    }
}

// Pending window events run before writing; one of them may reload the drawing.
TEST_F(ExportTest, StoreReloadedByPendingEventsIsWhatIsWritten) {
    test::RecordingHost recording(kCLocale);
    recording.progress.onEvents = [this] {
        state_.store.PUNKTE.assign(50, " X=0007.000 Y=0008.000");
        state_.store.FRAESUNGEN.clear();
    };
    ASSERT_TRUE(GERBER_SCHREIBEN(state_, choices(kCLocale), recording.host).status.ok());
    const std::vector<std::string> lines = fileLines(dir_ / "board.nc");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "G01 F500X7.00 Y8.00 (Next)"), 50);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "(Fräsung-Anzahl:  1)"), 0);
}

TEST_F(ExportTest, SecondExportReplacesTheFirstWhole) {
    test::RecordingHost recording(kCLocale);
    ASSERT_TRUE(GERBER_SCHREIBEN(state_, choices(kCLocale), recording.host).status.ok());
    Choices nothing = choices(kCLocale);
    nothing.exports = ExportChoices{0, 0, 0, 0};
    ASSERT_TRUE(GERBER_SCHREIBEN(state_, nothing, recording.host).status.ok());
    const std::vector<std::string> lines = fileLines(dir_ / "board.nc");
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines.back(), "M30 (Programm-Ende)");
    EXPECT_EQ(recording.progress.lines.size(), 4u);  // no empty entries without summaries
    for (const auto& entry : fs::directory_iterator(dir_)) {
        EXPECT_EQ(entry.path().filename(), "board.nc") << "left behind";
    }
}

// The export refuses a spindle speed or depth without a number: its box keeps what was typed,
// since as "0" it would pass the next click; outside a written section it is cleaned.
TEST_F(ExportTest, TextWithoutNumberStaysInTheBoxOfAWrittenSection) {
    Choices typed = choices(kGermanLocale);
    typed.exports.Check_EXPORT_FRAESUNG = 0;
    typed.parameters.Combo_BOHRUNG_SPINDLE_SPEED = "schnell";
    typed.parameters.Combo_FRAESUNG_TIEFE = "tief";
    typed.parameters.Combo_BOHRUNG_VORSCHUB_XY = "kein";
    const Parameters cleaned = exportParameters(state_, typed, kGermanLocale);
    EXPECT_EQ(cleaned.Combo_BOHRUNG_SPINDLE_SPEED, "schnell");
    EXPECT_EQ(cleaned.Combo_FRAESUNG_TIEFE, "0");
    EXPECT_EQ(cleaned.Combo_BOHRUNG_VORSCHUB_XY, "0");
}

// A GRBL controller acts on "!", "~", "?" and the bytes 0x80 to 0xA1 even inside a comment: none
// may come from the drawing's folder or name, the program's own status query stays.
TEST_F(ExportTest, NamesOfFolderAndDrawingGiveNoCommandBytes) {
    const fs::path folder = dir_ / "Platine \u2013 neu!";
    fs::create_directories(folder);
    state_.file.DATEI_BASIS = (folder / "Peter\u2019s \u201ETest\u201C\u2026\u00A0~?").string();
    test::RecordingHost recording(kGermanLocale);
    const WriteResult result = GERBER_SCHREIBEN(state_, choices(kGermanLocale, 1), recording.host);
    ASSERT_TRUE(result.status.ok()) << result.status.error;
    const std::string bytes = test::readBytes(fileSystemPath(result.path));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_FALSE(byte >= 0x80 && byte <= 0xA1) << static_cast<int>(byte);
    }
    EXPECT_EQ(
        std::count(bytes.begin(), bytes.end(), '!') + std::count(bytes.begin(), bytes.end(), '~'),
        0);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '?'), 1);
    EXPECT_NE(bytes.find("\r\n? (current status)\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Platine - neu./Peter's \"Test\"... -_.nc)\r\n"), std::string::npos);
}

TEST_F(ExportTest, ZeroFeedRefusesAndKeepsThePreviousFile) {
    const fs::path target = dir_ / "board.nc";
    test::writeBytes(target, "previous program\r\n");
    Choices zero = choices(kGermanLocale);
    zero.parameters.Combo_BOHRUNG_VORSCHUB_Z_AB = "0";
    zero.parameters.Combo_FRAESUNG_VORSCHUB_XY = "kein";
    test::RecordingHost recording(kGermanLocale);
    recording.progress.lines = {"earlier line"};
    const WriteResult result = GERBER_SCHREIBEN(state_, zero, recording.host);
    const std::string message =
        "Export abgebrochen: Vorschub muss größer als 0 sein: Bohrung (Z), Fräsung (XY)";
    EXPECT_EQ(result.status.error, message);
    EXPECT_EQ(recording.progress.messages, std::vector<std::string>{message});
    EXPECT_EQ(test::readBytes(target), "previous program\r\n");
    EXPECT_EQ(recording.progress.lines, std::vector<std::string>{message});
}

// Only the boxes of a section that is written count; each reason is a line of the message and
// of the status list, and the previous program stays.
TEST_F(ExportTest, RefusalsOfTheSectionsWritten) {
    const std::array boxes{
        &Parameters::Combo_BOHRUNG_SPINDLE_SPEED, &Parameters::Combo_FRAESUNG_SPINDLE_SPEED,
        &Parameters::Combo_BOHRUNG_HOEHE,         &Parameters::Combo_FRAESUNG_HOEHE,
        &Parameters::Combo_BOHRUNG_TIEFE,         &Parameters::Combo_FRAESUNG_TIEFE};
    const std::string no = "Export abgebrochen: ";
    const std::string above = " muss größer als 0 sein";
    const struct {
        const char* name;
        int milling;
        std::string loadRefusal;
        std::array<const char*, 6> typed;   // spindles, heights, depths: drilling, milling
        std::vector<std::string> refusals;  // none: written
        DepthStepChoices steps{};           // passes, pecks
    } cases[] = {
        {"S0, S-0 and a tiny height", 1, "", {"0", "-0", "2", "0,01", "-1,5", "-0,1"}, {}},
        {"milling boxes, milling off", 0, "", {"1", "-1", "2", "0", "-1,5", "5"}, {}},
        {"spindles and heights",
         1,
         "",
         {"-12000", "-0,001", "0", "hoch", "-1,5", "-0,1"},
         {no + "Spindle Speed darf nicht negativ sein: Bohrungen, Fräsungen",
          no + "Bohrhöhe" + above, no + "Fräshöhe" + above}},
        {"sizes beyond any machine: over 100000, not at it",
         1,
         "",
         {"100000,5", "-100000", "100000", "250000", "-1,5", "-100001"},
         {no + "Spindle Speed darf nicht negativ sein: Fräsungen",
          no + "Betrag darf höchstens 100000 sein: Spindle Speed (Bohrungen), Fräshöhe "
               "(Fräsungen), Frästiefe (Fräsungen)"}},
        {"spindle and depth without a number",
         1,
         "",
         {"abc", "12abc", "2", "2", "", "-0,1"},
         {no + "Eingabe ist keine Zahl: Spindle Speed (Bohrungen), Bohrtiefe (Bohrungen)"}},
        {"letters, milling off", 0, "", {"1", "x", "2", "2", "-1", "x"}, {}},
        {"depth above the safe height; in the air is allowed",
         1,
         "",
         {"1", "1", "2,5", "10", "1000", "9,9"},
         {no + "Bohrtiefe darf nicht höher als Bohrhöhe sein"}},
        {"drawing not read whole",
         1,
         no + "kaputt",
         {"1", "1", "0", "1", "-1,5", "-0,1"},
         {no + "kaputt"}},
        {"nothing read",
         1,
         std::string(kNoDrawing),
         {"1", "1", "1", "1", "-1,5", "-0,1"},
         {"no Datei"}},
        {"steps: 0 is off, exactly 1000 passes and pecks",
         1,
         "",
         {"1", "1", "1", "1", "-1,5", "-0,1"},
         {},
         {"0,0001 mm", "0,0015"}},
        {"steps: no number, below 0",
         1,
         "",
         {"1", "1", "1", "1", "-1,5", "-0,1"},
         {no + "Bohren in Stufen muss größer als 0 sein (leer oder 0: aus)",
          no + "Zustellung ist keine Zahl: \"0,5x\""},
         {" 0,5x", "-0,5"}},
        {"steps: too small",
         1,
         "",
         {"1", "1", "1", "1", "-1,5", "-0,1"},
         {no + "Bohren in Stufen ist zu klein (0,000001): mehr als 1000 Stufen bis zur Bohrtiefe",
          no + "Zustellung ist zu klein (0,00009): mehr als 1000 Durchgänge bis zur Frästiefe"},
         {"0,00009", "0,000001"}},
        {"steps of milling, milling off",
         0,
         "",
         {"1", "1", "1", "1", "-1,5", "-0,1"},
         {},
         {"-1", "0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::writeBytes(dir_ / "board.nc", "previous\r\n");
        ProgramState state = state_;
        state.loadRefusal = c.loadRefusal;
        Choices typed = choices(kGermanLocale);
        typed.exports.Check_EXPORT_FRAESUNG = c.milling;
        typed.steps = c.steps;
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            typed.parameters.*boxes[k] = c.typed[k];
        }
        test::RecordingHost recording(kGermanLocale);
        const Status status = GERBER_SCHREIBEN(state, typed, recording.host).status;
        EXPECT_EQ(status.ok(), c.refusals.empty()) << status.error;
        if (!status.ok()) {
            EXPECT_EQ(recording.progress.messages, std::vector<std::string>{status.error});
            EXPECT_EQ(std::count(status.error.begin(), status.error.end(), '\n') + 1u,
                      c.refusals.size());
            EXPECT_EQ(recording.progress.lines, c.refusals);
            EXPECT_EQ(test::readBytes(dir_ / "board.nc"), "previous\r\n");
        }
    }
}

TEST_F(ExportTest, FailedWriteLeavesWhatWasThere) {
    const fs::path folderTarget = dir_ / "board.nc";
    fs::create_directories(folderTarget);
    test::writeBytes(folderTarget / "inside.txt", "kept");
    const struct {
        const char* name;
        std::string base;
        fs::path pathNamed;
    } cases[] = {
        {"target is a folder", (dir_ / "board").string(), folderTarget},
        {"folder missing", (dir_ / "fehlt" / "board").string(), dir_ / "fehlt" / "board.nc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state_.file.DATEI_BASIS = c.base;
        test::RecordingHost recording(kGermanLocale);
        const WriteResult result = GERBER_SCHREIBEN(state_, choices(kGermanLocale), recording.host);
        ASSERT_FALSE(result.status.ok());
        EXPECT_NE(result.status.error.find(c.pathNamed.string()), std::string::npos)
            << result.status.error;
        EXPECT_EQ(recording.progress.messages, std::vector<std::string>{result.status.error});
        EXPECT_TRUE(recording.progress.lines.empty() || recording.progress.lines.back() != "ok");
    }
    EXPECT_TRUE(fs::is_directory(folderTarget));
    EXPECT_EQ(test::readBytes(folderTarget / "inside.txt"), "kept");
    EXPECT_FALSE(fs::exists(dir_ / "fehlt"));
    for (const auto& entry : fs::directory_iterator(dir_)) {
        EXPECT_EQ(entry.path().filename(), "board.nc") << "left behind";
    }
}

// Changes the current folder for one test.
class CurrentFolder {
  public:
    explicit CurrentFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CurrentFolder() { fs::current_path(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    fs::path previous_;
};

TEST_F(ExportTest, WithoutDrawingTheFilesAreNamedByTheirEndingAlone) {
    ProgramState none;
    const CurrentFolder here(dir_);
    test::RecordingHost recording(kGermanLocale);
    const WriteResult program = GERBER_SCHREIBEN(none, choices(kGermanLocale, 1), recording.host);
    ASSERT_TRUE(program.status.ok()) << program.status.error;
    EXPECT_EQ(program.path, ".nc");
    const std::vector<std::string> lines = fileLines(dir_ / ".nc");
    EXPECT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[2], "(.nc)");
    const WriteResult table = exportMillingData(none, recording.host);
    ASSERT_TRUE(table.status.ok()) << table.status.error;
    EXPECT_EQ(table.path, "_EXPORT.txt");
    EXPECT_EQ(fs::file_size(dir_ / "_EXPORT.txt"), 0u);
}

TEST_F(ExportTest, OutputPathOfTheCaller) {
    const std::string out = (dir_ / "anders.nc").string();
    test::RecordingHost recording(kCLocale);
    const WriteResult result = GERBER_SCHREIBEN(state_, choices(kCLocale), recording.host, out);
    ASSERT_TRUE(result.status.ok());
    EXPECT_EQ(result.path, out);
    EXPECT_EQ(fileLines(out)[2], "(" + out + ")");
    EXPECT_FALSE(fs::exists(dir_ / "board.nc"));
    EXPECT_FALSE(result.time) << "the command line plans nothing";
    const WriteResult planned =
        GERBER_SCHREIBEN(state_, choices(kCLocale), recording.host, out, Planning::Plan);
    ASSERT_TRUE(planned.time);
    const JobFigures figures = jobFigures(state_, choices(kCLocale), kCLocale, Planning::Plan);
    ASSERT_TRUE(figures.planned);
    EXPECT_GT(planned.time->total, 0);
    EXPECT_DOUBLE_EQ(planned.time->total, figures.planned->total);
}

TEST_F(ExportTest, ParametersAreCleanedBeforeWriting) {
    Choices typed = choices(kGermanLocale);
    typed.parameters.Combo_BOHRUNG_VORSCHUB_XY = "500 mm/min";
    typed.parameters.Combo_BOHRUNG_TIEFE = " - 1,50";
    test::RecordingHost recording(kGermanLocale);
    ASSERT_TRUE(GERBER_SCHREIBEN(state_, typed, recording.host).status.ok());
    EXPECT_EQ(fileLines(dir_ / "board.nc"),
              test::workedExampleLines("(07.12.2026 08:00:00)", (dir_ / "board.nc").string()));
}

TEST(CleanParameters, NumberReadBackForTheLocale) {
    const struct {
        const char* name;
        NumberLocale locale;
        const char* text;
        const char* cleaned;
    } cases[] = {
        {"decimal comma stays", kGermanLocale, "12,5", "12,5"},
        {"decimal point becomes a comma", kGermanLocale, "12.5", "12,5"},
        {"unit dropped", kGermanLocale, "500 mm/min", "500"},
        {"blanks inside the number", kGermanLocale, " - 1,50", "-1,5"},
        {"letters become 0", kGermanLocale, "abc", "0"},
        {"empty becomes 0", kGermanLocale, "", "0"},
        {"comma read as point in C", kCLocale, "12,5", "12.5"},
        {"minus zero", kCLocale, "-0", "0"},
        {"tiny value without exponent", kGermanLocale, "0,00001", "0,00001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Parameters typed = test::startParameters(c.locale);
        typed.Combo_BOHRUNG_TIEFE = c.text;
        typed.Combo_FRAESUNG_VORSCHUB_XY = c.text;
        Parameters expected = test::startParameters(c.locale);
        expected.Combo_BOHRUNG_TIEFE = c.cleaned;
        expected.Combo_FRAESUNG_VORSCHUB_XY = c.cleaned;
        EXPECT_EQ(cleanParameters(typed, c.locale), expected);
    }
    Parameters overlong = test::startParameters(kCLocale);
    overlong.Combo_BOHRUNG_VORSCHUB_XY = std::string(400, '9');
    EXPECT_EQ(cleanParameters(overlong, kCLocale).Combo_BOHRUNG_VORSCHUB_XY, "0");
}

// Cleaning twice changes nothing: a tiny depth stays tiny instead of turning into -1.
TEST(CleanParameters, CleanedTextsStayAsTheyAre) {
    Parameters typed = test::startParameters(kGermanLocale);
    typed.Combo_BOHRUNG_TIEFE = "-0,00001";
    typed.Combo_FRAESUNG_HOEHE = "1500000000000000";
    const Parameters once = cleanParameters(typed, kGermanLocale);
    EXPECT_EQ(once, typed);
    EXPECT_EQ(cleanParameters(once, kGermanLocale), once);
}

TEST_F(ExportTest, MillingTableOnDisk) {
    state_.store.FRAESUNGEN = {" X=05.250 Y=-03.000 X=10.000 Y=00.000", "", " X=1.000 Y=2.000"};
    test::RecordingHost recording(kGermanLocale);
    const WriteResult result = exportMillingData(state_, recording.host);
    ASSERT_TRUE(result.status.ok()) << result.status.error;
    const std::string path = (dir_ / "board_EXPORT.txt").string();
    EXPECT_EQ(result.path, path);
    EXPECT_EQ(test::readBytes(path),
              "05,250\t-03,000\t10,000\t00,000\t\r\n\r\n01,000\t02,000\t\r\n");
    EXPECT_EQ(recording.progress.lines,
              (std::vector<std::string>{"", "Export als Text-Datei... wait", path, "ok"}));
    EXPECT_GE(recording.progress.eventPasses, 1);
}

TEST_F(ExportTest, MillingTableFailureIsShownAndKeepsTheOldFile) {
    const fs::path target = dir_ / "board_EXPORT.txt";
    fs::create_directories(target);
    test::RecordingHost recording(kCLocale);
    const WriteResult result = exportMillingData(state_, recording.host);
    ASSERT_FALSE(result.status.ok());
    EXPECT_NE(result.status.error.find(target.string()), std::string::npos);
    EXPECT_EQ(recording.progress.messages, std::vector<std::string>{result.status.error});
    EXPECT_EQ(recording.progress.lines,
              (std::vector<std::string>{"", "Export als Text-Datei... wait"}));
    EXPECT_TRUE(fs::is_directory(target));
}

}  // namespace
}  // namespace zrv
