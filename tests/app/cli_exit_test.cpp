#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"
#include "support/drawing_builder.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliExit, UsageErrorsShowTheUsageOnStandardError) {
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"info"},
        {"bohren", "a.zrv"},
        {"list", "a.zrv"},
        {"dump", "a.zrv", "diagonal"},
        {"--locale", "fr", "info", "a.zrv"},
        {"preview", "a.zrv"},
        {"preview", "a.zrv", "bild.jpg"},
        {"--heightmap", "l.txt", "list", "a.zrv", "punkte"},
        {"--heightmap", "l.txt", "log", "a.zrv"},
        {"--heightmap", "l.txt", "export", "a.zrv"},
        {"--heightmap", "l.txt", "probe", "a.zrv"},
        {"--heightmap", "l.txt", "preview", "a.zrv", "b.png"},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(testing::PrintToString(call));
        const test::CliRun run = test::runCliWith(call);
        EXPECT_EQ(run.exitStatus, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(run.err.starts_with("zrvcam-cli: "));
        EXPECT_TRUE(contains(run.err, "Aufruf: zrvcam-cli [--settings DATEI] [--locale de|C]"));
    }
}

TEST(CliExit, APreviewThatCannotBeWrittenEndsWithOne) {
    test::ScratchFolder folder;
    const std::string drawing = folder.file("platine40.zrv");
    test::writeBytes(drawing, test::platine40Bytes());
    const test::CliRun written = test::runCliWith({"preview", drawing, folder.file("p.PNG")});
    EXPECT_EQ(written.exitStatus, 0) << written.err;
    EXPECT_TRUE(test::readBytes(folder.file("p.PNG")).starts_with("\x89PNG\r\n"));
    const test::CliRun failed = test::runCliWith({"preview", drawing, folder.file("fehlt/p.svg")});
    EXPECT_EQ(failed.exitStatus, 1);
    EXPECT_TRUE(contains(failed.err, "konnte nicht geschrieben werden")) << failed.err;
}

class CliExitFiles : public testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = folder.file(name);
        test::writeBytes(path, bytes);
        return path;
    }
    test::ScratchFolder folder;
};

TEST_F(CliExitFiles, ADrawingThatCannotBeReadEndsWithOne) {
    struct Case {
        const char* name;
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {"missing", folder.file("fehlt.zrv"), "fehlt.zrv"},
        {"not a drawing", write("text.zrv", "Hallo"), "no ZIRVA-Datei"},
        {"foreign tag",
         write("tag.zrv",
               "\x07"
               "ABCDEFG"),
         ""},
        {"cut off in a value", write("wert.zrv", test::platine40Bytes().substr(0, 480)),
         "Error in: CALC_KOORDINATEN"},
        {"cut off before a colour", write("kurz.zrv", test::platine40Bytes().substr(0, 500)),
         "Die Zeichnung \"kurz.zrv\" wurde nicht vollständig gelesen: Punkt an Position 489"},
        {"too short a path", "a.z", "no Datei"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::CliRun info = test::runCliWith({"info", c.path});
        EXPECT_EQ(info.exitStatus, 1);
        EXPECT_TRUE(info.out.empty());
        EXPECT_TRUE(contains(info.err, c.message)) << info.err;
        // "log" prints the status lines before it fails.
        const test::CliRun log = test::runCliWith({"--locale", "de", "log", c.path});
        EXPECT_EQ(log.exitStatus, 1);
        EXPECT_TRUE(log.out.starts_with("Datei öffnen...\n")) << log.out;
        // The outputs refuse with the window's words: "Export abgebrochen: " and the cause.
        const test::CliRun gcode = test::runCliWith({"gcode", c.path});
        EXPECT_EQ(gcode.exitStatus, 1);
        EXPECT_TRUE(contains("\n" + gcode.err, "\nExport abgebrochen: ") || c.path == "a.z")
            << gcode.err;
        EXPECT_FALSE(fs::exists(folder.path() / fs::path(c.path).replace_extension(".nc")));
    }
}

TEST_F(CliExitFiles, AnOutputThatCannotBeWrittenEndsWithOne) {
    const std::string drawing = write("platine.zrv", test::platine40Bytes());
    fs::create_directories(folder.path() / "platine_EXPORT.txt");  // a folder in the way
    const test::CliRun run = test::runCliWith({"dump", drawing, "vertical"});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(contains(run.err, "platine_EXPORT.txt")) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);  // said once
}

TEST_F(CliExitFiles, TheDumpWritesTheBytesOfAnyFileThatWasRead) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* vertical;  // the dump file expected
        const char* message;   // on standard error
    };
    const Case cases[] = {
        {"not a drawing", "Hi", "48\r\n69\r\n", "no ZIRVA-Datei"},
        {"foreign tag",
         std::string("\x07"
                     "AB",
                     3),
         "07\r\n41\r\n42\r\n", ""},
        {"empty", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string drawing = write("fremd.zrv", c.bytes);
        const test::CliRun run = test::runCliWith({"dump", drawing, "vertical"});
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(contains(run.err, c.message)) << run.err;
        EXPECT_EQ(test::readBytes(folder.path() / "fremd_EXPORT.txt"), c.vertical);
    }
}

TEST_F(CliExitFiles, AnEmptyFileOrAForeignTagIsExplainedOnStandardError) {
    const test::CliRun empty = test::runCliWith({"info", write("leer.zrv", "")});
    EXPECT_EQ(empty.exitStatus, 1);
    EXPECT_TRUE(contains(empty.err, "leer.zrv\" ist leer.")) << empty.err;
    const std::string tagged = write("tag.zrv",
                                     "\x07"
                                     "ABCDEFG");
    const test::CliRun foreign = test::runCliWith({"list", tagged, "punkte"});
    EXPECT_EQ(foreign.exitStatus, 1);
    EXPECT_TRUE(contains(foreign.err, "keine ZIRVA-Zeichnung (Kennung \"ABCDEFG\")"))
        << foreign.err;
}

TEST_F(CliExitFiles, ASettingsFileThatCannotBeReadSaysWhy) {
    const std::string drawing = write("platine.zrv", test::platine40Bytes());
    fs::create_directories(folder.path() / "zrvcam.ini");
    const test::CliRun run =
        test::runCliWith({"--settings", folder.file("zrvcam.ini"), "info", drawing});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(contains(run.err, "Ordner")) << run.err;
    EXPECT_FALSE(contains(run.err, "Werkseinstellung")) << run.err;
}

TEST_F(CliExitFiles, TheSettingsFileIsReadButNeverWritten) {
    const std::string drawing = write("platine.zrv", test::platine40Bytes());
    const std::string settings = write("zrvcam.ini", "/anderes/bild.zrv\r\n");
    fs::last_write_time(settings, fs::file_time_type::clock::now() - std::chrono::hours(1));
    const auto before = fs::last_write_time(settings);
    const test::CliRun run = test::runCliWith({"--settings", settings, "info", drawing});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("version=ZIRVA40\n"));
    EXPECT_EQ(fs::last_write_time(settings), before);
    EXPECT_EQ(fs::file_size(settings), 19u);
}

TEST_F(CliExitFiles, InfoNumbersUseAPointAndTheShortestRoundTrip) {
    // With the factory calibration 5 units are 0.254 mm and -13 units -0.6604000000000001 mm.
    const std::string drawing =
        write("klein.zrv", test::DrawingBuilder().point({5, -13}, test::kRot).bytes());
    const test::CliRun run = test::runCliWith({"--locale", "de", "info", drawing});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_TRUE(contains(run.out, "\nx_min=0.254\nx_max=0.254\ny_min=-0.6604000000000001\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "\npunkte=1\nlinien=0\n"));
}

// The minutes of `key` in the lines of "info"; -1 when the key is missing.
double infoValue(const std::string& out, const std::string& key) {
    const std::size_t at = out.find("\n" + key + "=");
    return at == std::string::npos ? -1 : std::stod(out.substr(at + key.size() + 2));
}

// Passes and pecks lengthen the travel and the job time; a step that makes no sense ends with 1.
TEST_F(CliExitFiles, PassAndPeckDepthsFollowTheTimeOrAreRefused) {
    const std::string drawing = write("platine.zrv", test::platine40Bytes());
    const std::string plain = test::runCliWith({"info", drawing}).out;
    const std::string stepped =
        test::runCliWith({"--pass-depth", "0,05", "--peck-depth", "0.5", "info", drawing}).out;
    for (const char* key : {"fahrweg_fraesungen", "laufzeit_bohrungen", "laufzeit_fraesungen"}) {
        EXPECT_GT(infoValue(stepped, key), infoValue(plain, key) * 1.2) << key;
    }
    const test::CliRun refused =
        test::runCliWith({"--pass-depth", "0,5x", "gcode", drawing, folder.file("x.nc")});
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_EQ(refused.err, "Export abgebrochen: Zustellung ist keine Zahl: \"0,5x\"\n");
    EXPECT_FALSE(fs::exists(folder.file("x.nc")));
}

TEST_F(CliExitFiles, AMachineFileIsTheProfileOfTheJobTime) {
    const std::string drawing = write("platine.zrv", test::platine40Bytes());
    const double factory = infoValue(test::runCliWith({"info", drawing}).out, "laufzeit_gesamt");
    ASSERT_GT(factory, 0);
    struct Case {
        const char* name;
        std::string file;
        int exitStatus;
        bool faster;          // than the factory machine
        const char* message;  // on standard error
    };
    const Case cases[] = {
        {"faster machine",
         write("schnell.txt",
               "$110=5000\r\n$111=5000\r\n$112=3000\r\n"
               "$120=500\r\n$121=500\r\n$122=500\r\nok\r\n"),
         0, true, ""},
        {"a bad value keeps the default", write("falsch.txt", "$110=abc\n$111=1000\n"), 0, false,
         "Maschine: \"$110=abc\" nicht übernommen (keine positive Zahl), es gilt 1000\n"},
        {"missing file", folder.file("fehlt.txt"), 1, false, "Die Maschinendatei"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::CliRun run = test::runCliWith({"--machine", c.file, "info", drawing});
        EXPECT_EQ(run.exitStatus, c.exitStatus);
        EXPECT_TRUE(contains(run.err, c.message)) << run.err;
        if (c.exitStatus != 0) {
            EXPECT_TRUE(run.out.empty());
            continue;
        }
        const double minutes = infoValue(run.out, "laufzeit_gesamt");
        EXPECT_EQ(minutes < factory, c.faster) << minutes;
        EXPECT_NEAR(
            infoValue(run.out, "laufzeit_bohrungen") + infoValue(run.out, "laufzeit_fraesungen"),
            minutes, 1e-9);
    }
}

}  // namespace
}  // namespace zrv
