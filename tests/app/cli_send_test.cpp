#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "app/serial_port.h"
#include "cli_run.h"

#include "support/example_drawings.h"
#include "support/fake_grbl.h"
#include "support/file_bytes.h"
#include "support/pty_fake.h"
#include "support/scratch_folder.h"

namespace zrv::test {
namespace {

using Clock = std::chrono::steady_clock;

// zrvcam-cli as its own process, its standard streams on pipes.
struct Child {
    pid_t pid = -1;
    int in = -1;
    int out = -1;
    int err = -1;
};

// A file limit other than 0 makes every file the program writes end at that many bytes.
Child spawnCli(const std::vector<std::string>& args, rlim_t fileLimit) {
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        if (fileLimit != 0) {
            signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
            const rlimit limit{fileLimit, fileLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        for (const int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
            close(fd);  // the write end of its own input would never let it see the end
        }
        std::vector<char*> argv;
        std::string program = ZRV_CLI_PROGRAM;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& arg : copies) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    return {pid, in[1], out[0], err[0]};
}

void drain(int fd, std::string& into) {
    char buffer[4096];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count > 0) {
        into.append(buffer, static_cast<std::size_t>(count));
    }
}

std::size_t pausesSeen(const std::string& err) {
    std::size_t count = 0;
    for (std::size_t at = err.find("Pause bei Zeile"); at != std::string::npos;
         at = err.find("Pause bei Zeile", at + 1)) {
        ++count;
    }
    return count;
}

// What one run of `send` through a pseudo-terminal gave.
struct SendRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
    FakeGrbl fake{FakeGrbl::Options{}};
    bool hangUpOnClose = true;  // the port's HUPCL as the program left it
};

// A signal to the program (0: none) once the controller took `afterLines` lines; with 0 lines,
// once the program has set up the port, before the controller's welcome.
struct Interrupt {
    int signal = 0;
    std::size_t afterLines = 0;
};

bool portTaken(int master) {
    termios settings{};
    return tcgetattr(master, &settings) == 0 && cfgetospeed(&settings) == B115200;
}

// zrvcam-cli sends to the fake controller on a pseudo-terminal. `answer` is written to its
// standard input at each pause (none: closed at the first).
SendRun sendThroughPty(const std::string& program, const std::vector<std::string>& extra,
                       const char* answer, Interrupt interrupt = {}, rlim_t fileLimit = 0) {
    SendRun run;
    FakeGrbl::Options options;
    options.bootTime = std::chrono::milliseconds(600);
    options.moveTime = std::chrono::milliseconds(2);
    const auto start = Clock::now();
    const auto now = [&] {
        return std::chrono::duration_cast<FakeGrbl::Time>(Clock::now() - start);
    };
    PtyFake pty(options, now());
    if (pty.name.empty()) {
        ADD_FAILURE() << "openpty";
        return run;
    }
    std::vector<std::string> args{"--port", pty.name};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back("send");
    args.push_back(program);
    Child child = spawnCli(args, fileLimit);
    close(std::exchange(pty.slave, -1));  // the program holds its own side
    std::size_t answered = 0;
    bool interrupted = false;
    int status = 0;
    while (now() < std::chrono::seconds(60)) {
        pollfd fds[3] = {{pty.master, POLLIN, 0}, {child.out, POLLIN, 0}, {child.err, POLLIN, 0}};
        poll(fds, 3, 2);
        if ((fds[1].revents & POLLIN) != 0) {
            drain(child.out, run.out);
        }
        if ((fds[2].revents & POLLIN) != 0) {
            drain(child.err, run.err);
        }
        if (!pty.pump(now())) {
            break;
        }
        if (pausesSeen(run.err) > answered) {
            ++answered;
            if (answer != nullptr) {
                (void)!write(child.in, answer, std::strlen(answer));
            } else {
                close(child.in);
                child.in = -1;
            }
        }
        const bool due = interrupt.afterLines > 0 ? pty.fake.lines.size() >= interrupt.afterLines
                                                  : portTaken(pty.master);
        if (interrupt.signal != 0 && !interrupted && due) {
            interrupted = true;
            usleep(20000);  // from the port's setup to the signal handlers
            kill(child.pid, interrupt.signal);
        }
        if (waitpid(child.pid, &status, WNOHANG) == child.pid) {
            drain(child.out, run.out);
            drain(child.err, run.err);
            run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
    }
    if (run.exitStatus < 0) {
        kill(child.pid, SIGKILL);
        waitpid(child.pid, &status, 0);
    }
    if (child.in >= 0) {
        close(child.in);
    }
    close(child.out);
    close(child.err);
    termios settings{};
    run.hangUpOnClose = tcgetattr(pty.master, &settings) != 0 || (settings.c_cflag & HUPCL) != 0;
    run.fake = pty.fake;
    return run;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Programs sent to the end: every line, no error, each pause asked (how the lines fill the
// controller's buffer is the link's: GrblLink.ProgramsRunToTheEnd). The probe run's log levels
// the board's program.
TEST(CliSend, ProgramsRunToTheEnd) {
    ScratchFolder folder;
    std::string text =
        "(Kopf)\r\nG21\r\nG90\r\n$I (view build info)\r\n? (current status)\r\n"
        "(== Werkzeug einspannen und auf NULL setzen ==)\r\nM0\r\n";
    for (int k = 0; k < 300; ++k) {
        text += "G1 X" + std::to_string(k % 50) + " Y1 F500 (Schnitt)\r\n";
    }
    writeBytes(folder / "board.nc", text + "M30\r\n");
    writeBytes(folder / "platine40.zrv", platine40Bytes());
    const std::string drawing = folder.file("platine40.zrv");
    ASSERT_EQ(runCliWith({"probe", drawing}).exitStatus, 0);
    const SendRun probed = sendThroughPty(folder.file("platine40_ANTASTEN.nc"),
                                          {"--log", folder.file("board.log")}, "\n");
    ASSERT_EQ(probed.exitStatus, 0) << probed.err;
    const std::string log = readBytes(folder / "board.log");
    EXPECT_TRUE(contains(log, "[PRB:0.000,0.000,-0.250:1]")) << log.substr(0, 400);
    ASSERT_EQ(runCliWith({"gcode", drawing, folder.file("plain.nc")}).exitStatus, 0);
    ASSERT_EQ(runCliWith({"--heightmap", folder.file("board.log"), "gcode", drawing}).exitStatus,
              0);
    struct Case {
        const char* program;
        std::size_t pauses;
        const char* summary;
        std::size_t lines;  // 0: not counted by hand
    };
    // 306 lines sent to board.nc: "?" goes as its one byte, "$I" as a line. The board's program
    // has its GRBL-Info lines and two tool changes, plain and levelled.
    for (const Case& c :
         std::vector<Case>{{"board.nc", 1, "zeilen=306\nfehler=0\nalarme=0\nsekunden=", 305},
                           {"plain.nc", 2, "fehler=0\nalarme=0\n", 0},
                           {"platine40.nc", 2, "fehler=0\nalarme=0\n", 0}}) {
        SCOPED_TRACE(c.program);
        const SendRun run = sendThroughPty(folder.file(c.program), {}, "\n");
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        EXPECT_EQ(pausesSeen(run.err), c.pauses);
        EXPECT_TRUE(contains(run.err, "Werkzeug einspannen und auf NULL setzen")) << run.err;
        // The fake boots when the port opens; closing it must not reset the board again.
        EXPECT_TRUE(
            contains(run.err, "Steuerung ist beim Verbinden neu gestartet – Nullpunkt prüfen"))
            << run.err;
        EXPECT_FALSE(run.hangUpOnClose);
        EXPECT_TRUE(contains(run.out, c.summary)) << run.out;
        EXPECT_TRUE(c.lines == 0 || run.fake.lines.size() == c.lines) << run.fake.lines.size();
        EXPECT_EQ(run.fake.lines.back(), "M30");
    }
}

// Runs that end before their program did, or do not succeed: a German message, exit status 1,
// and the last whole probe log kept. A run the user stops holds the machine before its reset.
TEST(CliSend, StopsAndRefuses) {
    ScratchFolder folder;
    std::string moves;
    for (int k = 0; k < 400; ++k) {
        moves += "G1 X" + std::to_string(k % 50) + " F500\r\n";
    }
    writeBytes(folder / "pause.nc", "G21\r\n(Werkzeug)\r\nM0\r\n" + moves);
    writeBytes(folder / "moves.nc", moves);
    writeBytes(folder / "m6.nc", "G21\r\nT1 M6\r\n");
    writeBytes(folder / "platine40.zrv", platine40Bytes());
    ASSERT_EQ(runCliWith({"probe", folder.file("platine40.zrv")}).exitStatus, 0);
    const std::string probes = "[PRB:1.000,2.000,-0.100:1]\r\nok\r\n";
    const std::vector<std::string> log{"--log", folder.file("board.log")};
    enum class Sent { Nothing, Held, All };
    struct Case {
        const char* name;
        Sent sent;
        std::string program;
        std::string message;
        Interrupt interrupt = {};
        std::vector<std::string> extra = {};
        rlim_t fileLimit = 0;       // every file written ends at this many bytes
        const char* answer = "\n";  // at each pause; none: the input ends
    };
    const std::vector<Case> cases{
        {"end of input at a pause",
         Sent::Held,
         "pause.nc",
         "Eingabe beendet – Job abgebrochen",
         {},
         {},
         0,
         nullptr},
        {"Ctrl+C", Sent::Held, "moves.nc", "Abbruch mit Strg+C", {SIGINT, 100}},
        {"Ctrl+C before the welcome",
         Sent::Nothing,
         "moves.nc",
         "Abbruch mit Strg+C",
         {SIGINT, 0},
         log},
        {"terminal closed", Sent::Held, "moves.nc", "Terminal geschlossen (SIGHUP)", {SIGHUP, 100}},
        {"kill", Sent::Held, "moves.nc", "Beendet (SIGTERM) – Job abgebrochen", {SIGTERM, 100}},
        {"M6", Sent::Nothing, "m6.nc", "Programm nicht sendefähig: Zeile 2: M6", {}, log},
        {"no program", Sent::Nothing, "fehlt.nc", "kann nicht gelesen werden"},
        // The later --port wins; the message names the device.
        {"port that cannot be opened",
         Sent::Nothing,
         "/dev/null",
         "/dev/zrvcam-fehlt",
         {},
         {"--port", "/dev/zrvcam-fehlt"}},
        // The machine runs to the end, but the new log is cut short by a full disk.
        {"probe log cut short",
         Sent::All,
         "platine40_ANTASTEN.nc",
         "board.log\" kann nicht geschrieben werden: es ist unvollständig (Datenträger voll?) und "
         "wurde nicht übernommen",
         {},
         log,
         300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(folder / "board.log", probes);
        const SendRun run =
            sendThroughPty(folder.file(c.program), c.extra, c.answer, c.interrupt, c.fileLimit);
        if (c.extra == log) {
            EXPECT_EQ(readBytes(folder / "board.log"), probes);
            EXPECT_FALSE(std::filesystem::exists(folder / "board.log.part"));
        }
        EXPECT_EQ(run.exitStatus, 1);
        EXPECT_TRUE(contains(run.err, c.message)) << run.err;
        EXPECT_EQ(!run.fake.lines.empty(), c.sent != Sent::Nothing);
        EXPECT_TRUE(contains(run.out, "fehler=0\nalarme=0\n")) << run.out;
        if (c.sent == Sent::All) {
            EXPECT_EQ(run.fake.lines.back(), "M30");
        }
        if (c.sent == Sent::Held) {
            const std::size_t hold = run.fake.realtime.find('!');
            EXPECT_NE(hold, std::string::npos);
            EXPECT_GT(run.fake.realtime.find('\x18'), hold);
            EXPECT_FALSE(run.fake.resetWhileMoving);
        }
    }
}

extern "C" void onTestSignal(int /*signal*/) {}

// Ctrl+C while a write waits for room in the port: the write goes on, the port is not lost.
TEST(CliSend, SignalWhileAWriteWaitsLosesNoPort) {
    PtyFake pty(FakeGrbl::Options{});
    ASSERT_FALSE(pty.name.empty()) << "openpty";
    auto opened = SerialPort::open(pty.name, 115200);
    ASSERT_TRUE(std::holds_alternative<SerialPort>(opened));
    SerialPort& port = std::get<SerialPort>(opened);
    const std::string block(4096, 'G');
    while (::write(port.fd(), block.data(), block.size()) > 0) {
    }
    struct sigaction action {};
    action.sa_handler = &onTestSignal;  // without SA_RESTART, as the job's own handler
    sigemptyset(&action.sa_mask);
    struct sigaction previous {};
    sigaction(SIGUSR1, &action, &previous);
    const pthread_t writer = pthread_self();
    std::atomic<bool> written = false;
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        pthread_kill(writer, SIGUSR1);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::string drained;
        while (!written) {
            pollfd ready{pty.master, POLLIN, 0};
            if (poll(&ready, 1, 20) > 0) {
                drain(pty.master, drained);
            }
        }
    });
    EXPECT_TRUE(port.write(std::string(1 << 16, 'G')));  // more than the port holds
    written = true;
    reader.join();
    sigaction(SIGUSR1, &previous, nullptr);
}

}  // namespace
}  // namespace zrv::test
