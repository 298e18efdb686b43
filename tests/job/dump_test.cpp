#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "job/dump.h"
#include "load_helper.h"
#include "support/example_drawings.h"
#include "support/file_bytes.h"
#include "support/recording_host.h"
#include "support/scratch_folder.h"

namespace zrv {
namespace {

using Lines = std::vector<std::string>;

DrawingFile drawing(const test::ScratchFolder& folder, std::string bytes) {
    DrawingFile file;
    file.DATEI_NAME = folder.file("platine.zrv");
    file.DATEI_BASIS = folder.file("platine");
    file.DATEI_INHALT = std::move(bytes);
    return file;
}

TEST(Dump, BothLayoutsWriteEveryByteAsTwoUpperCaseDigits) {
    test::ScratchFolder folder;
    const DrawingFile file = drawing(folder, std::string("\x07\x5A\x00\xFF\x0A", 5));
    struct Case {
        DumpLayout layout;
        const char* text;
    };
    for (const Case& c : {Case{DumpLayout::Horizontal, "07\t5A\t00\tFF\t0A\t\r\n"},
                          Case{DumpLayout::Vertical, "07\r\n5A\r\n00\r\nFF\r\n0A\r\n"}}) {
        test::RecordingHost recorder;
        const WriteResult result = writeDump(file, c.layout, recorder.host);
        ASSERT_TRUE(result.status.ok()) << result.status.error;
        EXPECT_EQ(result.path, folder.file("platine_EXPORT.txt"));
        EXPECT_EQ(test::readBytes(result.path), c.text);  // each replaces the other's file
        EXPECT_EQ(recorder.progress.lines,
                  (Lines{"", "Export als Text-Datei... wait", result.path, "ok"}));
        EXPECT_TRUE(recorder.progress.messages.empty());
    }
}

TEST(Dump, AnEmptyDrawingGivesOneEmptyLineOrNoLine) {
    test::ScratchFolder folder;
    const DrawingFile file = drawing(folder, "");
    test::RecordingHost recorder;
    EXPECT_TRUE(writeDump(file, DumpLayout::Horizontal, recorder.host).status.ok());
    EXPECT_EQ(test::readBytes(exportTextPath(file)), "\r\n");
    EXPECT_TRUE(writeDump(file, DumpLayout::Vertical, recorder.host).status.ok());
    EXPECT_EQ(test::readBytes(exportTextPath(file)), "");
    EXPECT_TRUE(recorder.progress.titles.empty());
}

TEST(Dump, TheLoadedExampleDumpsItsBytesInFileOrder) {
    test::ScratchFolder folder;
    const DrawingFile file = drawing(folder, test::platine40Bytes());
    test::RecordingHost recorder;
    ASSERT_TRUE(writeDump(file, DumpLayout::Vertical, recorder.host).status.ok());
    std::istringstream text(test::readBytes(exportTextPath(file)));
    std::string line;
    std::string bytes;
    while (std::getline(text, line)) {
        ASSERT_EQ(line.size(), 3u);  // two digits and the CR
        bytes.push_back(static_cast<char>(std::stoi(line.substr(0, 2), nullptr, 16)));
    }
    EXPECT_EQ(bytes, file.DATEI_INHALT);
}

TEST(Dump, TheTitleShowsTheProgressOnceASecond) {
    test::ScratchFolder folder;
    const DrawingFile file = drawing(folder, std::string(10, '\x11'));
    test::RecordingProgress progress;
    const test::SteppingClock clock(100, 0.3);
    Host host{progress, clock, kGermanLocale};
    ASSERT_TRUE(writeDump(file, DumpLayout::Horizontal, host).status.ok());
    // Readings at 100.0, 100.3, ... 102.7: a new second at bytes 1, 5 and 8.
    EXPECT_EQ(progress.titles, (Lines{"1 von 10", "5 von 10", "8 von 10"}));
    EXPECT_EQ(progress.eventPasses, 1 + 2 * 3);
}

TEST(Dump, AFailedWriteIsShownAndNotReportedAsDone) {
    test::ScratchFolder folder;
    DrawingFile file = drawing(folder, "\x07ZIRVA40");
    file.DATEI_BASIS = folder.file("fehlt/platine");
    test::RecordingHost recorder;
    const WriteResult result = writeDump(file, DumpLayout::Vertical, recorder.host);
    EXPECT_FALSE(result.status.ok());
    EXPECT_EQ(recorder.progress.messages, (Lines{result.status.error}));
    EXPECT_EQ(recorder.progress.lines, (Lines{"", "Export als Text-Datei... wait"}));
}

}  // namespace
}  // namespace zrv
