#include "settings/command_lines.h"

#include <gtest/gtest.h>

namespace zrv {
namespace {

TEST(OutsideCommand, ProgramBlankFileWithTheFileAsOneArgument) {
    const struct {
        const char* name;
        const char* program;
        const char* file;
        const char* text;
    } cases[] = {
        {"editor", "NOTEPAD.EXE", "C:\\x\\a.txt", "NOTEPAD.EXE C:\\x\\a.txt"},
        {"blanks in the path stay one argument", "xdg-open", "/home/u/meine Platinen/a b.txt",
         "xdg-open /home/u/meine Platinen/a b.txt"},
        {"shell signs are no commands", "xdg-open", "/tmp/a;rm -rf ~ $(x).txt",
         "xdg-open /tmp/a;rm -rf ~ $(x).txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outsideCommand(c.program, c.file), (OutsideCommand{c.program, c.file, c.text}));
    }
}

TEST(ZirvaCommand, EditorChosenByVersionTag) {
    ProgramPaths paths;
    paths.PROGRAMM_ZIRVA40 = "C:\\z\\z4.exe";
    paths.PROGRAMM_ZIRVA50 = "C:\\z\\z5.exe";
    paths.PROGRAMM_ZIRVA60 = "C:\\z\\z6.exe";
    paths.PROGRAMM_ZIRVA70 = "C:\\z\\z7.exe";
    const struct {
        const char* name;
        const char* tag;
        const char* drawing;
        OutsideCommand command;
    } cases[] = {
        {"version 7",
         "ZIRVA70",
         "C:\\d\\b.zrv7",
         {"C:\\z\\z7.exe", "C:\\d\\b.zrv7", "C:\\z\\z7.exe C:\\d\\b.zrv7"}},
        {"version 4 even with 5 and 6 set",
         "ZIRVA40",
         "C:\\d\\b.zrv",
         {"C:\\z\\z4.exe", "C:\\d\\b.zrv", "C:\\z\\z4.exe C:\\d\\b.zrv"}},
        {"version 5 selects no editor", "ZIRVA50", "C:\\d\\b.zrv", {"", "", "C:\\d\\b.zrv"}},
        {"no valid header", "???", "/d/b.zrv", {"", "", "/d/b.zrv"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(zirvaCommand(paths, c.tag, c.drawing), c.command);
    }
}

TEST(CncCommand, SenderWithTheGcodeFileOfTheDrawing) {
    const std::string noSender = "Bitte unter -Optionen- ein CNC-Programm einstellen";
    const struct {
        const char* name;
        const char* sender;
        const char* drawing;
        std::string message;
        OutsideCommand command;
    } cases[] = {
        {"capital extension",
         "C:\\cnc\\sender.exe",
         "C:\\pcb\\Board.ZRV",
         "",
         {"C:\\cnc\\sender.exe", "C:\\pcb\\Board.nc", "C:\\cnc\\sender.exe C:\\pcb\\Board.nc"}},
        {"version 7 extension",
         "/opt/cnc/send",
         "/home/u/a b/board.zrv7",
         "",
         {"/opt/cnc/send", "/home/u/a b/board.nc", "/opt/cnc/send /home/u/a b/board.nc"}},
        {"factory path on Windows", "C:\\", "C:\\pcb\\Board.zrv", noSender, {}},
        {"factory path elsewhere", "/", "/pcb/board.zrv", noSender, {}},
        {"four characters with an umlaut", "/ä/b", "/pcb/board.zrv", noSender, {}},
        {"five characters",
         "/a/bc",
         "/pcb/board.zrv",
         "",
         {"/a/bc", "/pcb/board.nc", "/a/bc /pcb/board.nc"}},
        {"no drawing", "/opt/cnc/send", "", "", {"", "", "nc"}},
        {"drawing without .zrv", "/opt/cnc/send", "/pcb/board.txt", "", {"", "", "nc"}},
        {".zrv inside the sender path",
         "/opt/x.zrvtools/send",
         "/pcb/a.zrv",
         "",
         {"/opt/x.zrvtools/send", "/pcb/a.nc", "/opt/x.nc"}},
        {".zrv inside a folder of the drawing",
         "/opt/cnc/send",
         "/alt.zrv/board.zrv7",
         "",
         {"/opt/cnc/send", "/alt.zrv/board.nc", "/opt/cnc/send /alt.nc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramPaths paths;
        paths.PROGRAMM_CNC = c.sender;
        const CncStart start = cncCommand(paths, c.drawing);
        EXPECT_EQ(start.message, c.message);
        EXPECT_EQ(start.command, c.command);
    }
}

}  // namespace
}  // namespace zrv
