#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controller/stream_program.h"
#include "job/height_map_file.h"
#include "planner/machine_profile.h"
#include "pty_controller.h"
#include "settings/choices.h"
#include "support/file_bytes.h"
#include "support/link_harness.h"
#include "support/probe_log_text.h"
#include "ui/controls/preview_redraw.h"
#include "window_fixture.h"

namespace zrv::test {
namespace {

class MachinePanelTest : public WindowTest {
  protected:
    // The window with the small drawing, connected to a fake controller.
    void connectTo(FakeGrbl::Options options = {}) {
        openSmallDrawing();
        plugIn(std::move(options));
    }
    void openSmallDrawing() {
        open();
        drawing_ = writeDrawing("klein.zrv", smallDrawingBytes());
        openDrawing(drawing_);
    }

    // A new controller on a new terminal, connected (and, when `ready`, answering).
    void plugIn(FakeGrbl::Options options, bool ready = true) {
        if (controller_) {
            click("Command_VERBINDEN");  // "Trennen"
        }
        controller_ = std::make_unique<PtyController>(std::move(options));
        ASSERT_FALSE(controller_->portName().empty()) << "no pseudo-terminal";
        find<QComboBox>("Combo_PORT")->setEditText(QString::fromStdString(controller_->portName()));
        click("Command_VERBINDEN");
        if (!ready) {
            return;
        }
        ASSERT_TRUE(waitFor([this] { return text("Label_MASCHINE_ZUSTAND") == "Bereit"; }))
            << text("Label_MASCHINE_MELDUNG");
        ASSERT_TRUE(waitFor([this] { return !fake().lines.empty(); }));  // its settings, "$$"
    }

    void click(const char* name) { find<QPushButton>(name)->click(); }
    FakeGrbl& fake() { return controller_->fake(); }
    bool running() const { return find<QPushButton>("Command_STOPP")->isEnabled(); }
    // Writes the program and waits for the preview drawn again after it.
    void exportProgram() {
        QSignalSpy drawn(&window_->redraw(), &PreviewRedraw::drawn);
        click("Command_EXPORT_GERBER");
        EXPECT_TRUE(waitFor([&] { return drawn.count() > 0; }));
    }

    // Starts a job or a probe run and waits for its end.
    void runToTheEnd(const char* button) {
        click(button);
        ASSERT_TRUE(running()) << lastMessage();
        ASSERT_TRUE(waitFor([this] { return !running(); }, 30000)) << "the job did not end";
    }

    // What the controller must receive of a written program; how a line is read for sending is
    // the reader's (StreamProgram), the window only has to hand it all over.
    static std::vector<std::string> sentLinesOf(const std::filesystem::path& program) {
        return linesToSend(
            prepareProgram(readBytes(program), readMachineProfile("").profile).program);
    }

    static int pixelsOf(const QImage& image, const QColor& colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    std::string lastMessage() const {
        return platform_.messages().empty() ? "" : platform_.messages().back();
    }

    std::filesystem::path drawing_;
    std::unique_ptr<PtyController> controller_;
};

TEST_F(MachinePanelTest, ConnectJogAndSetZero) {
    connectTo();
    EXPECT_EQ(fake().lines.front(), "$$");
    EXPECT_TRUE(waitFor([this] {
        return text("Label_MASCHINE_POSITION") == "X 0,00   Y 0,00   Z 0,00";
    })) << text("Label_MASCHINE_POSITION");
    find<QComboBox>("Combo_JOG_SCHRITT")->setEditText(QStringLiteral("10"));
    click("Command_JOG_X_PLUS");
    find<QComboBox>("Combo_JOG_SCHRITT")->setEditText(QStringLiteral("0,1"));
    find<QComboBox>("Combo_JOG_VORSCHUB")->setEditText(QStringLiteral("200"));
    click("Command_JOG_Y_MINUS");
    click("Command_JOG_Z_PLUS");
    click("Command_NULLPUNKT_XY");
    click("Command_NULLPUNKT_Z");
    ASSERT_TRUE(waitFor([this] { return fake().lines.size() == 6; }));
    EXPECT_EQ(fake().lines, (std::vector<std::string>{
                                "$$", "$J=G91 G21 X10 F500", "$J=G91 G21 Y-0.1 F200",
                                "$J=G91 G21 Z0.1 F200", "G10 L20 P1 X0 Y0", "G10 L20 P1 Z0"}));
    // Each release cancelled its jog with the one byte 0x85.
    EXPECT_EQ(std::count(fake().realtime.begin(), fake().realtime.end(), '\x85'), 3);
    for (const char* step : {"abc", "0", "5000"}) {  // refused, nothing sent
        SCOPED_TRACE(step);
        find<QComboBox>("Combo_JOG_SCHRITT")->setEditText(QString::fromUtf8(step));
        click("Command_JOG_X_MINUS");
        EXPECT_TRUE(lastMessage().starts_with("Schritt und Vorschub zum Verfahren"))
            << lastMessage();
    }
    QTest::qWait(100);
    EXPECT_EQ(fake().lines.size(), 6U);
    EXPECT_FALSE(find<QPushButton>("Command_ENTSPERREN")->isEnabled()) << "no alarm";
    EXPECT_FALSE(find<QPushButton>("Command_REFERENZFAHRT")->isEnabled()) << "homing is off";
}

// The engine's own words when the controller is no GRBL 1.1; the port is closed again.
TEST_F(MachinePanelTest, AControllerThatIsNotGrbl11IsNamed) {
    open();
    FakeGrbl::Options old;
    old.version = "0.9j";
    plugIn(std::move(old), false);
    const std::string expected =
        controller_->portName() + ": Die Steuerung ist kein GRBL 1.1: „Grbl 0.9j";
    ASSERT_TRUE(waitFor([&] { return text("Label_MASCHINE_MELDUNG").starts_with(expected); }))
        << text("Label_MASCHINE_MELDUNG");
    EXPECT_EQ(text("Label_MASCHINE_ZUSTAND"), "nicht verbunden");
    EXPECT_EQ(find<QPushButton>("Command_VERBINDEN")->text(), "Verbinden");
    EXPECT_TRUE(fake().lines.empty()) << "nothing sent to another firmware";
}

TEST_F(MachinePanelTest, JobRunsToTheEndWithAPauseAndAResume) {
    connectTo();
    exportProgram();
    platform_.chooseAnswers = {1, 1};  // "Weiter" at both tool changes
    const std::size_t before = fake().lines.size();
    click("Command_JOB_STARTEN");
    ASSERT_TRUE(running()) << lastMessage();
    EXPECT_FALSE(find<QWidget>("Command_EXPORT_GERBER")->isEnabled()) << "the job's controls lock";
    // Paused in the drilling, once the tool went from the first hole to the second.
    ASSERT_TRUE(waitFor([&] { return fake().lines.size() > before + 24; }));
    click("Command_PAUSE");
    ASSERT_TRUE(waitFor([this] { return text("Label_MASCHINE_ZUSTAND") == "Pause"; }));
    // The preview shows the tool as an orange cross and the way done in green.
    const QImage picture = find<QWidget>("Picture1")->grab().toImage();
    EXPECT_GT(pixelsOf(picture, QColor(230, 120, 0)), 10);
    EXPECT_GT(pixelsOf(picture, QColor(0, 170, 0)), 10);
    click("Command_WEITER");
    ASSERT_TRUE(waitFor([this] { return !running(); }, 30000)) << text("Label_JOB");
    const std::string& realtime = fake().realtime;
    EXPECT_NE(realtime.find('~', realtime.find('!')), std::string::npos) << "hold, then resume";

    const std::vector<std::string> sent(fake().lines.begin() + static_cast<long>(before),
                                        fake().lines.end());
    EXPECT_EQ(sent, sentLinesOf(folder_ / "klein.nc")) << "every line once, in order";
    const auto dialogs = platform_.callsOf("choose");
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_NE(dialogs[0].args[0].find("Werkzeug einspannen und auf NULL setzen"),
              std::string::npos);
    EXPECT_EQ(dialogs[0].args.back(), "preset=1") << "no map: Z0 set by hand is the default";
    EXPECT_TRUE(listLines().back().starts_with("Job fertig: ")) << listLines().back();
    EXPECT_TRUE(find<QWidget>("Command_EXPORT_GERBER")->isEnabled());
}

// The probe run takes the map from the controller's reports; with a map, the tool change
// re-probes Z at X0 Y0 by default.
TEST_F(MachinePanelTest, ProbeRunBuildsTheMapAndTheToolChangeProbesAgain) {
    connectTo();
    runToTheEnd("Command_HÖHENKARTE_ANTASTEN");
    ASSERT_TRUE(window_->state().program.heightMap.has_value()) << lastMessage();
    EXPECT_NE(readBytes(folder_ / "klein_ANTASTEN.txt").find("[PRB:"), std::string::npos);

    exportProgram();
    platform_.chooseAnswers = {0, 0};  // "Z antasten und weiter"
    const std::size_t before = fake().lines.size();
    runToTheEnd("Command_JOB_STARTEN");
    const std::vector<std::string> sent(fake().lines.begin() + static_cast<long>(before),
                                        fake().lines.end());
    const auto dialogs = platform_.callsOf("choose");
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[0].args.back(), "preset=0");
    std::size_t probes = 0;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        if (sent[i].starts_with("G38.2")) {
            ++probes;
            SCOPED_TRACE(i);
            EXPECT_EQ(sent[i - 1], "G90 G0 X0 Y0");
            EXPECT_EQ(sent[i], "G38.2 Z-2 F20");
            EXPECT_EQ(sent[i + 1], "G10 L20 P1 Z0");
        }
    }
    EXPECT_EQ(probes, 2U) << "one re-probe per tool change";
    EXPECT_TRUE(listLines().back().starts_with("Job fertig: ")) << listLines().back();
}

TEST_F(MachinePanelTest, ProbeWithoutContactNamesThePoint) {
    openSmallDrawing();
    trigger("MENUE_TASTPROGRAMM");
    const std::vector<std::string> lines = sentLinesOf(folder_ / "klein_ANTASTEN.nc");
    std::size_t third = 0;
    for (std::size_t i = 0, probes = 0; i < lines.size() && probes < 3; ++i) {
        probes += lines[i].starts_with("G38.2") ? 1U : 0U;
        third = i;
    }
    // Blocks run at once, so every earlier probe has reported when the third one fails.
    FakeGrbl::Options options;
    options.moveTime = FakeGrbl::Time{0};
    options.alarmAt[third + 2] = 5;  // after "$$"
    plugIn(options);
    runToTheEnd("Command_HÖHENKARTE_ANTASTEN");
    // 7 × 5 nodes after the reference; the third probe is the node at X 50.8 / 6, Y 0.
    EXPECT_EQ(lastMessage(), "Punkt 3 von 36 bei X 8,47 Y 0,00: keine Berührung");
    EXPECT_FALSE(window_->state().program.heightMap.has_value());
    EXPECT_TRUE(find<QPushButton>("Command_ENTSPERREN")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("Command_JOG_X_PLUS")->isEnabled()) << "locked until $X";
    platform_.askAnswers = {true};
    click("Command_ENTSPERREN");
    ASSERT_TRUE(waitFor([this] { return fake().lines.back() == "$X"; }));
}

// A fault of the controller, STOPP, a pulled cable or the end of the window ends a running job
// with a German message, and nothing is sent after it; the ways the user ends it hold before they
// reset (the order itself is the link's: LinkStop).
TEST_F(MachinePanelTest, ARunningJobIsEnded) {
    enum class End { ByItself, Stop, Unplug, Close };
    struct Row {
        const char* name;
        std::function<void(FakeGrbl::Options&)> fault;
        End end;
        std::string message;  // part of it
    };
    const auto slow = [](FakeGrbl::Options& o) { o.moveTime = FakeGrbl::Time{200}; };
    const Row rows[] = {
        // The fake's line 16 is the program's 15th line to send ("$$" came first): klein.nc's
        // line 48, after its 25 head lines, a "?" and the comments before the M0 and after it.
        {"error", [](FakeGrbl::Options& o) { o.errorAt[16] = 20; }, End::ByItself,
         "Zeile 48: error:20 – "},
        {"alarm", [](FakeGrbl::Options& o) { o.alarmAt[16] = 2; }, End::ByItself, "ALARM:2 – "},
        {"reset of the board", [](FakeGrbl::Options& o) { o.rebootAt = 16; }, End::ByItself,
         "Steuerung hat neu gestartet – Position unsicher, Job abgebrochen"},
        {"lost port", slow, End::Unplug, "verloren (Kabel gezogen oder Steuerung aus)"},
        {"STOPP", [](FakeGrbl::Options&) {}, End::Stop, "Job gestoppt (Halt, dann Reset)"},
        {"window closed", slow, End::Close,
         "Job abgebrochen (Fenster geschlossen oder andere Zeichnung)"},
        {"window closed, the reset never confirmed",
         [&](FakeGrbl::Options& o) {
             slow(o);
             o.ignoresReset = true;
         },
         End::Close, "Keine Antwort beim Anhalten – Verbindung getrennt, Position unsicher"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeGrbl::Options options;
        row.fault(options);
        window_.reset();
        controller_.reset();
        connectTo(options);
        exportProgram();
        platform_.chooseAnswers = {1};
        click("Command_JOB_STARTEN");
        ASSERT_TRUE(running()) << lastMessage();
        if (row.end != End::ByItself) {
            ASSERT_TRUE(waitFor([this] { return fake().lines.size() > 16; }));
        }
        if (row.end == End::Close) {
            const std::size_t dialogs = platform_.callsOf("openFile").size();
            const std::size_t asked = platform_.callsOf("ask").size();
            trigger("MENUE_ZIRVA_ÖFFNEN");  // "Nein" to the question
            EXPECT_EQ(platform_.callsOf("ask").size(), asked + 1);
            EXPECT_EQ(platform_.callsOf("openFile").size(), dialogs) << "no other drawing now";
            EXPECT_TRUE(running());
            platform_.askAnswers = {true};
            EXPECT_TRUE(window_->close());
        } else {
            if (row.end == End::Stop) {
                click("Command_STOPP");
            } else if (row.end == End::Unplug) {
                controller_->unplug();
            }
            ASSERT_TRUE(waitFor([this] { return !running(); }, 10000));
        }
        EXPECT_NE(lastMessage().find(row.message), std::string::npos) << lastMessage();
        const std::size_t taken = fake().lines.size();
        QTest::qWait(300);
        EXPECT_EQ(fake().lines.size(), taken) << "nothing after the stop";
        EXPECT_FALSE(running());
        if (row.end == End::Stop || row.end == End::Close) {
            const std::string& realtime = fake().realtime;
            ASSERT_NE(realtime.find('\x18'), std::string::npos)
                << "reset (before the window closed)";
            EXPECT_LT(realtime.find('!'), realtime.find('\x18')) << "hold before reset";
            EXPECT_EQ(fake().resets, 1U);
            EXPECT_FALSE(fake().resetWhileMoving);
            EXPECT_EQ(fake().linesAfterReset, 0U);
        }
    }
}

// Each change after the export makes the program stale: the job is refused and nothing is sent.
TEST_F(MachinePanelTest, StaleProgramIsRefused) {
    connectTo();
    struct Row {
        const char* name;
        std::function<void()> change;
        const char* refusal;
    };
    const Row rows[] = {
        {"no program", [] {}, "Kein Programm zur Zeichnung: "},
        {"drawing changed",
         [this] {
             exportProgram();
             std::filesystem::last_write_time(
                 drawing_,
                 std::filesystem::last_write_time(folder_ / "klein.nc") + std::chrono::seconds(10));
         },
         "ist älter als die Zeichnung. Bitte zuerst das Programm erzeugen (Export)."},
        {"choice changed",
         [this] {
             std::filesystem::last_write_time(
                 drawing_,
                 std::filesystem::last_write_time(folder_ / "klein.nc") - std::chrono::seconds(10));
             exportProgram();
             find<QComboBox>("Combo_FRÄSUNG_VORSCHUB_XY")->setEditText(QStringLiteral("123"));
         },
         "passt nicht mehr zur Zeichnung, zu den Einstellungen oder zur Höhenkarte"},
        {"height map loaded",
         [this] {
             find<QComboBox>("Combo_FRÄSUNG_VORSCHUB_XY")->setEditText(QStringLiteral("200"));
             exportProgram();
             const ProbeGridResult grid = drawingProbeGrid(window_->state().program,
                                                           factoryChoices(kGermanLocale), kCLocale);
             writeBytes(folder_ / "log.txt",
                        probeLogText(grid.grid, [](double x, double) { return 0.004 * x; }));
             platform_.fileAnswers.push_back((folder_ / "log.txt").string());
             trigger("MENUE_TASTPROTOKOLL_LADEN");
         },
         "passt nicht mehr zur Zeichnung, zu den Einstellungen oder zur Höhenkarte"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.change();
        const std::size_t before = fake().lines.size();
        click("Command_JOB_STARTEN");
        EXPECT_FALSE(running());
        EXPECT_NE(lastMessage().find(row.refusal), std::string::npos) << lastMessage();
        QTest::qWait(100);
        EXPECT_EQ(fake().lines.size(), before);
    }
}

}  // namespace
}  // namespace zrv::test
