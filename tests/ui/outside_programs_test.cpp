#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <optional>

#include "settings/factory_values.h"
#include "support/drawing_builder.h"
#include "support/file_bytes.h"
#include "ui/controls/preview_redraw.h"
#include "ui/widgets/colour_button.h"
#include "ui/widgets/preview_widget.h"
#include "window_fixture.h"

namespace zrv::test {
namespace {

using Args = std::vector<std::string>;

class OutsideProgramTest : public WindowTest {
  protected:
    // Chooses a program through its "Optionen" entry.
    void choose(const char* entry, const std::string& program) {
        platform_.fileAnswers.push_back(program);
        trigger(entry);
    }
    // A drawing in a folder with a blank in its name, opened in the window.
    std::string openTagged(const std::string& name, const std::string& tag) {
        std::filesystem::create_directories(folder_ / "mein Ordner");
        const std::filesystem::path drawing = folder_ / "mein Ordner" / name;
        writeBytes(drawing, DrawingBuilder(tag).point({250, 250}, kRot).bytes());
        openDrawing(drawing);
        return drawing.string();
    }
    std::vector<Args> startArgs() const {
        std::vector<Args> args;
        for (const ScriptedPlatform::Call& call : platform_.callsOf("startProcess")) {
            args.push_back(call.args);
        }
        return args;
    }
};

TEST_F(OutsideProgramTest, ChoosingAProgramStoresItAndShowsItInTheCaption) {
    open();
    const std::string stored = factoryProgramPaths().PROGRAMM_ZIRVA40;
#ifdef _WIN32
    const std::string root = "C:\\";
    const std::string filter = "(*.exe)|*.exe|alle(*.*)|*.*";
#else
    const std::string root = "/";
    const std::string filter = "alle(*.*)|*.*|(*.exe)|*.exe";
#endif
    const struct {
        const char* entry;
        std::string ProgramPaths::*path;
        std::string folder;  // where the dialog opens
        const char* caption;
    } cases[] = {
        {"MENUE_PROGRAMM_ZIRVA40", &ProgramPaths::PROGRAMM_ZIRVA40, stored, "PROGRAMM ZIRVA4.0: "},
        {"MENUE_PROGRAMM_ZIRVA50", &ProgramPaths::PROGRAMM_ZIRVA50, stored, "PROGRAMM ZIRVA5.0: "},
        {"MENUE_PROGRAMM_ZIRVA60", &ProgramPaths::PROGRAMM_ZIRVA60, stored, "PROGRAMM ZIRVA6.0: "},
        {"MENUE_PROGRAMM_ZIRVA70", &ProgramPaths::PROGRAMM_ZIRVA70, stored, "PROGRAMM ZIRVA7.0: "},
        {"MENUE_PROGRAMM_EDITOR", &ProgramPaths::PROGRAMM_EDITOR, root, "RROGRAMM_EDITOR: "},
        {"MENUE_PROGRAMM_CNC", &ProgramPaths::PROGRAMM_CNC, stored, "PROGRAMM CNC: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        const std::string before = window_->state().paths.*c.path;
        platform_.fileAnswers.push_back(std::nullopt);
        trigger(c.entry);
        EXPECT_EQ(platform_.callsOf("openFile").back().args, (Args{"öffnen", c.folder, filter}));
        EXPECT_EQ(platform_.messages().back(), "Abgebrochen: kein Programm gewählt");
        EXPECT_EQ(window_->state().paths.*c.path, before) << "a cancel keeps the path";

        const std::string chosen = "/opt/mit Leerzeichen/" + std::string(c.entry);
        choose(c.entry, chosen);
        EXPECT_EQ(window_->state().paths.*c.path, chosen);
        if (c.path != &ProgramPaths::PROGRAMM_EDITOR) {
            trigger(c.entry);
            EXPECT_EQ(platform_.callsOf("openFile").back().args[1], chosen)
                << "the next dialog opens at the stored program";
        }
        waitForStatusTick();
        EXPECT_EQ(find<QAction>(c.entry)->text().toStdString(), c.caption + chosen);
    }
    EXPECT_TRUE(startArgs().empty()) << "choosing starts nothing";
}

TEST_F(OutsideProgramTest, EditOpensTheChosenTextFileInTheEditorAsOneArgument) {
    open();
    choose("MENUE_PROGRAMM_EDITOR", "/usr/bin/mein editor");
    platform_.fileAnswers.push_back("/home/u/meine Texte/a b.txt");
    trigger("MENUE_EDIT_DATEI");
    EXPECT_EQ(platform_.callsOf("openFile").back().args,
              (Args{"öffnen", (folder_ / "_DATEN").string(), "TXT(*.txt)|*.txt|alle(*.*)|*.*"}));
    EXPECT_EQ(startArgs(),
              (std::vector<Args>{{"/usr/bin/mein editor", "/home/u/meine Texte/a b.txt"}}));

    platform_.fileAnswers.push_back(std::nullopt);
    trigger("MENUE_EDIT_DATEI");
    EXPECT_EQ(platform_.messages(), (Args{"Abgebrochen: keine Datei gewählt"}));
    EXPECT_EQ(startArgs().size(), 1u) << "a cancel starts nothing";

    platform_.startResults.push_back({0, true, "Programm nicht gefunden: /usr/bin/mein editor"});
    platform_.fileAnswers.push_back("/tmp/c.txt");
    trigger("MENUE_EDIT_DATEI");
    EXPECT_EQ(platform_.messages().back(), "Programm nicht gefunden: /usr/bin/mein editor");
}

TEST_F(OutsideProgramTest, ZirvaEditorChosenByTagStartedOnceThenBroughtToFront) {
    open();
    choose("MENUE_PROGRAMM_ZIRVA40", "/z/zirva 4");
    choose("MENUE_PROGRAMM_ZIRVA50", "/z/zirva 5");
    choose("MENUE_PROGRAMM_ZIRVA60", "/z/zirva 6");
    choose("MENUE_PROGRAMM_ZIRVA70", "/z/zirva 7");
    const std::string drawing = openTagged("b.zrv7", "ZIRVA70");

    trigger("MENUE_ZIRVA");
    EXPECT_EQ(startArgs(), (std::vector<Args>{{"/z/zirva 7", drawing}}));
    const std::int64_t task = window_->state().TASK_ZIRVA;
    EXPECT_GT(task, 0);

    trigger("MENUE_ZIRVA");  // still running: only brought to the front
    QTest::mouseClick(find<PreviewWidget>("Picture1"), Qt::LeftButton);
    EXPECT_EQ(startArgs().size(), 1u);
    EXPECT_EQ(platform_.callsOf("bringToFront").size(), 2u);
    EXPECT_EQ(platform_.callsOf("bringToFront").back().args, (Args{std::to_string(task)}));

    platform_.frontResults.push_back(false);  // the user has closed it
    trigger("MENUE_ZIRVA");
    EXPECT_EQ(startArgs().size(), 2u) << "started anew";
    EXPECT_NE(window_->state().TASK_ZIRVA, task);
    EXPECT_TRUE(platform_.messages().empty());

    const std::string older = openTagged("a.zrv", "ZIRVA40");
    platform_.frontResults.push_back(false);
    trigger("MENUE_ZIRVA");
    EXPECT_EQ(startArgs().back(), (Args{"/z/zirva 4", older}))
        << "version 4.0 although 5.0 and 6.0 are set";
}

TEST_F(OutsideProgramTest, ZirvaStartRefusedOrFailing) {
    open();
    trigger("MENUE_ZIRVA");  // no drawing at all
    QTest::mouseClick(find<PreviewWidget>("Picture1"), Qt::LeftButton);
    openTagged("GROSS.ZRV", "ZIRVA40");
    trigger("MENUE_ZIRVA");
    EXPECT_EQ(platform_.messages(), (Args(3, "no *.zrv Datei")));
    EXPECT_TRUE(startArgs().empty());

    openTagged("klein.zrv", "ZIRVA40");  // its program is still the factory's
    platform_.startResults.push_back({0, true, "Programm nicht gefunden: /"});
    trigger("MENUE_ZIRVA");
    EXPECT_EQ(platform_.messages().back(), "Bitte unter -Optionen- ein Zirva Programm einstellen");
    EXPECT_EQ(window_->state().TASK_ZIRVA, 0);

    platform_.startResults.push_back({0, false, "kein Start"});
    trigger("MENUE_ZIRVA");
    EXPECT_EQ(platform_.messages().size(), 4u) << "only a missing program is reported";
    EXPECT_EQ(startArgs().size(), 2u) << "no bring to front after a failure";
    EXPECT_TRUE(platform_.callsOf("bringToFront").empty());

    openTagged("fuenf.zrv", "ZIRVA50");
    trigger("MENUE_ZIRVA");
    EXPECT_EQ(startArgs().size(), 2u) << "no editor for this tag, and the drawing is no program";
}

TEST_F(OutsideProgramTest, CncStartsTheSenderWithTheProgramFileThenEnds) {
    const struct {
        const char* name;
        const char* drawing;
        const char* tag;
    } cases[] = {
        {"capital extension", "Board.ZRV", "ZIRVA40"},
        {"version 7", "board.zrv7", "ZIRVA70"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform_.calls.clear();
        open();
        choose("MENUE_PROGRAMM_CNC", "/cnc/mein sender");
        const std::string drawing = openTagged(c.drawing, c.tag);
        const std::string program = drawing.substr(0, drawing.rfind('.')) + ".nc";
        writeBytes(program, "M30\r\n");
        trigger("MENUE_CNC");
        EXPECT_EQ(startArgs(), (std::vector<Args>{{"/cnc/mein sender", program}}));
        EXPECT_FALSE(window_->isVisible()) << "the program ends after the start";
        const std::vector<std::string> settings = settingsFileLines();
        ASSERT_EQ(settings.size(), 54u);
        EXPECT_EQ(settings[0], drawing) << "the settings are saved on the way out";
        std::filesystem::remove(folder_ / "zrvcam.ini");
    }
}

TEST_F(OutsideProgramTest, CncWithoutUsableSenderOrDrawingKeepsTheProgramOpen) {
    open();
    choose("MENUE_PROGRAMM_CNC", "/cnc/sender");
    trigger("MENUE_CNC");  // no drawing: there is no G-code file to name
    openTagged("board.zrv", "ZIRVA40");
    choose("MENUE_PROGRAMM_CNC", "/cnc");  // under five characters: not chosen
    trigger("MENUE_CNC");
    EXPECT_EQ(platform_.messages(),
              (Args{"no *.zrv Datei", "Bitte unter -Optionen- ein CNC-Programm einstellen"}));
    EXPECT_TRUE(startArgs().empty());

    choose("MENUE_PROGRAMM_CNC", "/cnc/fehlt");
    writeBytes(folder_ / "mein Ordner" / "board.nc", "M30\r\n");
    platform_.startResults.push_back({0, true, "Programm nicht gefunden: /cnc/fehlt"});
    trigger("MENUE_CNC");
    EXPECT_EQ(platform_.messages().back(), "Programm nicht gefunden: /cnc/fehlt");
    EXPECT_TRUE(window_->isVisible()) << "nothing runs: the program stays for a new choice";
}

// No program: the sender would open nothing and zrvcam would be gone. A program older than the
// drawing starts only on "Ja"; "Nein" is the default.
TEST_F(OutsideProgramTest, CncRefusesAMissingProgramAndAsksAboutAnOlderOne) {
    open();
    choose("MENUE_PROGRAMM_CNC", "/cnc/sender");
    const std::string drawing = openTagged("board.zrv", "ZIRVA40");
    const std::filesystem::path program = folder_ / "mein Ordner" / "board.nc";
    trigger("MENUE_CNC");
    EXPECT_EQ(platform_.messages().back(), "Kein Programm zur Zeichnung: \"" + program.string() +
                                               "\" fehlt. Bitte zuerst das Programm erzeugen "
                                               "(Export).");
    writeBytes(program, "M30\r\n");
    std::filesystem::last_write_time(
        program, std::filesystem::last_write_time(drawing) - std::chrono::hours(1));
    trigger("MENUE_CNC");
    ASSERT_EQ(platform_.callsOf("ask").size(), 1u);
    EXPECT_TRUE(startArgs().empty());
    EXPECT_TRUE(window_->isVisible());
    platform_.askAnswers.push_back(true);
    trigger("MENUE_CNC");
    EXPECT_EQ(startArgs(), (std::vector<Args>{{"/cnc/sender", program.string()}}));
}

TEST_F(OutsideProgramTest, ColourDialogOpensOnTheButtonColourAndACancelKeepsIt) {
    open();
    QSignalSpy passes(&window_->redraw(), &PreviewRedraw::drawn);
    const struct {
        const char* button;
        Colour initial;
    } cases[] = {
        {"Command_FARBE_VIEW_BOHRUNGEN", rgb(255, 0, 0)},
        {"Command_FARBE_WEG_BOHRUNGEN", rgb(192, 192, 192)},
        {"Command_FARBE_VIEW_FRÄSUNGEN", rgb(0, 0, 255)},
        {"Command_FARBE_WEG_FRÄSUNGEN", rgb(192, 192, 192)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        auto* button = find<ColourButton>(c.button);
        platform_.colourAnswers.push_back(std::nullopt);
        button->click();
        EXPECT_EQ(platform_.callsOf("chooseColour").back().args, (Args{std::to_string(c.initial)}));
        EXPECT_EQ(button->colour(), c.initial) << "a cancel is no choice of green";

        platform_.colourAnswers.push_back(rgb(1, 2, 3));
        button->click();
        EXPECT_EQ(button->colour(), rgb(1, 2, 3));
        const qsizetype before = passes.count();
        EXPECT_TRUE(waitFor([&] { return passes.count() > before; })) << "redrawn after a choice";
    }
}

}  // namespace
}  // namespace zrv::test
