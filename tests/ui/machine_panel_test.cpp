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

#include "base/text_file.h"
#include "job/height_map_file.h"
#include "pty_controller.h"
#include "settings/choices.h"
#include "support/file_bytes.h"
#include "support/probe_log_text.h"
#include "ui/controls/preview_redraw.h"
#include "window_fixture.h"

namespace zrv::test {
namespace {

class MachinePanelTest : public WindowTest {
  protected:
    // The window with the small drawing, connected to a fake controller.
    void connectTo(FakeGrbl::Options options = {}) {
        open();
        drawing_ = writeDrawing("klein.zrv", smallDrawingBytes());
        openDrawing(drawing_);
        plugIn(std::move(options));
    }

    // A new controller on a new terminal, connected.
    void plugIn(FakeGrbl::Options options) {
        if (controller_) {
            click("Command_VERBINDEN");  // "Trennen"
        }
        controller_ = std::make_unique<PtyController>(std::move(options));
        ASSERT_FALSE(controller_->portName().empty()) << "no pseudo-terminal";
        find<QComboBox>("Combo_PORT")->setEditText(QString::fromStdString(controller_->portName()));
        click("Command_VERBINDEN");
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
        ASSERT_TRUE(running()) << (platform_.messages().empty() ? "" : platform_.messages().back());
        ASSERT_TRUE(waitFor([this] { return !running(); }, 30000)) << "the job did not end";
    }

    // The lines the program sends, comments and blanks removed, in order; the status query
    // "?" goes as its real-time byte.
    static std::vector<std::string> sentLinesOf(const std::filesystem::path& program) {
        std::vector<std::string> lines;
        for (const std::string& line : readTextFile(program).lines) {
            if (std::string sent = sentText(line); !sent.empty() && sent != "?") {
                lines.push_back(std::move(sent));
            }
        }
        return lines;
    }
    static std::string sentText(std::string_view line) {
        std::string sent;
        int depth = 0;
        for (const char c : line.substr(0, line.find(';'))) {
            depth += c == '(' ? 1 : c == ')' ? -1 : 0;
            if (depth == 0 && c != ')' && c != ' ' && c != '\t') {
                sent += c;
            }
        }
        return sent;
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
    controller_ = std::make_unique<PtyController>(std::move(old));
    ASSERT_FALSE(controller_->portName().empty()) << "no pseudo-terminal";
    find<QComboBox>("Combo_PORT")->setEditText(QString::fromStdString(controller_->portName()));
    click("Command_VERBINDEN");
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
    EXPECT_LE(fake().mostBuffered, 127U);
    EXPECT_EQ(fake().lost, 0U);
    const auto dialogs = platform_.callsOf("choose");
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_NE(dialogs[0].args[0].find("Werkzeug einspannen und auf NULL setzen"),
              std::string::npos);
    EXPECT_EQ(dialogs[0].args.back(), "preset=1") << "no map: Z0 set by hand is the default";
    EXPECT_TRUE(listLines().back().starts_with("Job fertig: ")) << listLines().back();
    EXPECT_TRUE(find<QWidget>("Command_EXPORT_GERBER")->isEnabled());
}

TEST_F(MachinePanelTest, StopHoldsBeforeItResets) {
    connectTo();
    exportProgram();
    platform_.chooseAnswers = {1};
    const std::size_t before = fake().lines.size();
    click("Command_JOB_STARTEN");
    ASSERT_TRUE(waitFor([&] { return fake().lines.size() > before + 20; }));
    click("Command_STOPP");
    ASSERT_TRUE(waitFor([this] { return !running(); }));
    const std::string& realtime = fake().realtime;
    ASSERT_NE(realtime.find('\x18'), std::string::npos);
    EXPECT_LT(realtime.find('!'), realtime.find('\x18')) << "hold before reset";
    EXPECT_EQ(fake().resets, 1U);
    EXPECT_FALSE(fake().resetWhileMoving);
    EXPECT_EQ(fake().linesAfterReset, 0U) << "nothing after the stop";
    EXPECT_EQ(lastMessage(), "Job gestoppt (Halt, dann Reset)");
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
    open();
    drawing_ = writeDrawing("klein.zrv", smallDrawingBytes());
    openDrawing(drawing_);
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
    window_.reset();
    connectTo(options);
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

// An error, an alarm, a reset of the board and a vanished port each stop the job with a German
// message; nothing is sent after it and nothing starts again by itself.
TEST_F(MachinePanelTest, JobStopsAtErrorAlarmResetAndLostPort) {
    connectTo();
    exportProgram();
    // The fake's line 16 is the program's 15th line to send ("$$" came first; "?" goes as a
    // real-time byte).
    const std::size_t fileLine = [this] {
        std::size_t sent = 0;
        const std::vector<std::string> lines = readTextFile(folder_ / "klein.nc").lines;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string text = sentText(lines[i]);
            sent += text.empty() || text == "?" ? 0U : 1U;
            if (sent == 15) {
                return i + 1;
            }
        }
        return std::size_t{0};
    }();
    struct Row {
        const char* name;
        std::function<void(FakeGrbl::Options&)> fault;
        std::string message;
    };
    const Row rows[] = {
        {"error", [](FakeGrbl::Options& o) { o.errorAt[16] = 20; },
         "Zeile " + std::to_string(fileLine) + ": error:20 – "},
        {"alarm", [](FakeGrbl::Options& o) { o.alarmAt[16] = 2; }, "ALARM:2 – "},
        {"reset", [](FakeGrbl::Options& o) { o.rebootAt = 16; },
         "Steuerung hat neu gestartet – Position unsicher, Job abgebrochen"},
        {"lost port", [](FakeGrbl::Options& o) { o.moveTime = FakeGrbl::Time{200}; },
         "verloren (Kabel gezogen oder Steuerung aus)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeGrbl::Options options;
        row.fault(options);
        plugIn(options);
        platform_.chooseAnswers = {1};
        click("Command_JOB_STARTEN");
        ASSERT_TRUE(running()) << lastMessage();
        if (std::string(row.name) == "lost port") {
            ASSERT_TRUE(waitFor([this] { return fake().lines.size() > 16; }));
            controller_->unplug();
        }
        ASSERT_TRUE(waitFor([this] { return !running(); }, 10000));
        EXPECT_NE(lastMessage().find(row.message), std::string::npos) << lastMessage();
        const std::size_t taken = fake().lines.size();
        QTest::qWait(300);
        EXPECT_EQ(fake().lines.size(), taken) << "nothing after the stop";
        EXPECT_FALSE(running());
    }
}

// Another drawing or the end of the window while a job runs: asked first, then hold and reset.
TEST_F(MachinePanelTest, ClosingWhileAJobRunsAsksAndStopsSafely) {
    FakeGrbl::Options slow;
    slow.moveTime = FakeGrbl::Time{200};
    connectTo(slow);
    exportProgram();
    platform_.chooseAnswers = {1};
    click("Command_JOB_STARTEN");
    ASSERT_TRUE(waitFor([this] { return fake().lines.size() > 16; }));
    const std::size_t dialogs = platform_.callsOf("openFile").size();
    trigger("MENUE_ZIRVA_ÖFFNEN");  // "Nein" to the question
    EXPECT_EQ(platform_.callsOf("ask").size(), 1U);
    EXPECT_EQ(platform_.callsOf("openFile").size(), dialogs) << "no other drawing while it runs";
    EXPECT_TRUE(running());

    platform_.askAnswers = {true};
    EXPECT_TRUE(window_->close());
    const std::string& realtime = fake().realtime;
    ASSERT_NE(realtime.find('\x18'), std::string::npos) << "reset before the window closed";
    EXPECT_LT(realtime.find('!'), realtime.find('\x18'));
    EXPECT_FALSE(fake().resetWhileMoving);
}

// A controller that never confirms the reset: the window gives it up after 5 s and says so.
TEST_F(MachinePanelTest, ClosingGivesUpAControllerThatNeverConfirmsTheStop) {
    FakeGrbl::Options deaf;
    deaf.moveTime = FakeGrbl::Time{200};
    deaf.ignoresReset = true;
    connectTo(deaf);
    exportProgram();
    platform_.chooseAnswers = {1};
    click("Command_JOB_STARTEN");
    ASSERT_TRUE(waitFor([this] { return fake().lines.size() > 16; }));
    platform_.askAnswers = {true};
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(lastMessage(),
              "Keine Antwort beim Anhalten – Verbindung getrennt, Position unsicher");
    EXPECT_LT(fake().realtime.find('!'), fake().realtime.find('\x18'));
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
