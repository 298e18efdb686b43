#include "app/cli_send.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "app/serial_port.h"
#include "base/file_names.h"
#include "base/text_file.h"
#include "controller/grbl_link.h"
#include "job/job_time.h"

namespace zrv {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kSuccess = 0;
constexpr int kNotDone = 1;
constexpr auto kProgressEvery = 1s;
constexpr auto kWait = 20ms;

// The signal that asks the job to end; the one place a signal may reach.
volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void onInterrupt(int signal) {
    gInterrupted = signal;
}

// Ctrl+C, a closed terminal or ssh session (SIGHUP) and "kill" (SIGTERM) set the flag instead
// of ending the process while the job runs: the controller would run on what it holds. A
// standard error whose reader is gone (a pipe to tee in the closed terminal) must not end it
// either.
class InterruptGuard {
  public:
    InterruptGuard() {
        gInterrupted = 0;
        struct sigaction action {};
        action.sa_handler = &onInterrupt;
        sigemptyset(&action.sa_mask);
        for (std::size_t k = 0; k < kCaught.size(); ++k) {
            sigaction(kCaught[k], &action, &previous_[k]);
        }
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, &previousPipe_);
    }
    ~InterruptGuard() {
        for (std::size_t k = 0; k < kCaught.size(); ++k) {
            sigaction(kCaught[k], &previous_[k], nullptr);
        }
        sigaction(SIGPIPE, &previousPipe_, nullptr);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

  private:
    static constexpr std::array<int, 3> kCaught{SIGINT, SIGHUP, SIGTERM};
    std::array<struct sigaction, 3> previous_{};
    struct sigaction previousPipe_ {};
};

std::string stopReason(int signal) {
    switch (signal) {
        case SIGHUP:
            return "Terminal geschlossen (SIGHUP) – Job abgebrochen";
        case SIGTERM:
            return "Beendet (SIGTERM) – Job abgebrochen";
        default:
            return "Abbruch mit Strg+C";
    }
}

LinkTime since(Clock::time_point start) {
    return std::chrono::duration_cast<LinkTime>(Clock::now() - start);
}

std::string oneDecimal(double value) {
    char text[32];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return error == std::errc() ? std::string(text, end) : std::string("?");
}

// One job: the link, the port, the log, and what the user typed.
class SendJob {
  public:
    SendJob(SerialPort& port, StreamProgram program, std::ofstream* log, std::ostream& err)
        : port_(port),
          program_(std::move(program)),
          log_(log),
          err_(err),
          link_(LinkTime{0}, log != nullptr) {
        fileLines_ = program_.lines.size();
    }

    bool run() {
        InterruptGuard interrupts;
        while (!done_) {
            const std::optional<std::string> bytes = port_.read(kWait);
            if (!bytes) {
                link_.portLost(now());
            } else if (!bytes->empty()) {
                link_.received(*bytes, now());
            }
            link_.tick(now());
            if (gInterrupted != 0 && !stopAsked_) {
                const std::string reason = stopReason(gInterrupted);
                if (link_.phase() == LinkPhase::Connecting || link_.phase() == LinkPhase::Ready) {
                    // Nothing of the program went out: there is nothing to hold.
                    err_ << reason << '\n';
                    done_ = true;
                    break;
                }
                link_.stop(reason, now());
                // Latched only once it took: a stop the link could not take yet is asked again.
                stopAsked_ =
                    link_.phase() != LinkPhase::Streaming && link_.phase() != LinkPhase::Checking;
            }
            readAnswer();
            flush();
            progress();
        }
        return finished_;
    }

    const GrblLink& link() const { return link_; }
    // Whether any line of the program went out.
    bool started() const { return streamed_; }

  private:
    LinkTime now() const { return since(start_); }

    void flush() {
        while (true) {
            std::vector<Outgoing> outgoing = link_.takeOutgoing();
            std::vector<LinkEvent> events = link_.takeEvents();
            if (outgoing.empty() && events.empty()) {
                return;
            }
            for (const Outgoing& out : outgoing) {
                const bool written = out.kind == Outgoing::Kind::Line
                                         ? port_.write(out.line)
                                         : port_.write(std::string_view(
                                               reinterpret_cast<const char*>(&out.byte), 1));
                if (!written) {
                    link_.portLost(now());
                    break;
                }
            }
            for (const LinkEvent& event : events) {
                show(event);
            }
        }
    }

    void show(const LinkEvent& event) {
        switch (event.kind) {
            case LinkEventKind::Received:
                if (log_ != nullptr) {
                    *log_ << event.text << '\n';
                    log_->flush();
                }
                return;
            case LinkEventKind::Ready:
                err_ << "Steuerung: " << event.text << '\n';
                if (!started_) {
                    started_ = true;
                    link_.start(std::move(program_), now());
                }
                return;
            case LinkEventKind::Reply:
            case LinkEventKind::Error:
            case LinkEventKind::Alarm:
                err_ << event.text << '\n';
                return;
            case LinkEventKind::Paused:
                pause(event);
                return;
            case LinkEventKind::Refused:
            case LinkEventKind::Stopped:
                err_ << event.text << '\n';
                done_ = true;
                return;
            case LinkEventKind::Finished:
                finished_ = true;
                done_ = true;
                return;
            case LinkEventKind::Started:
                streamed_ = true;
                return;
            case LinkEventKind::Probe:
                return;
        }
    }

    void pause(const LinkEvent& event) {
        err_ << "Pause bei Zeile " << event.fileLine << " (M0):\n";
        for (const std::string& line : event.comments) {
            err_ << "  " << line << '\n';
        }
        err_ << "Weiter mit Enter, Abbruch mit dem Ende der Eingabe (Strg+D) oder Strg+C\n";
        // What was typed before the pause must not skip the tool change.
        if (isatty(STDIN_FILENO) != 0) {
            tcflush(STDIN_FILENO, TCIFLUSH);
        }
        waiting_ = true;
    }

    // A line on standard input ends a pause; its end stops the job.
    void readAnswer() {
        if (!waiting_ || stopAsked_) {
            return;
        }
        pollfd input{STDIN_FILENO, POLLIN, 0};
        if (poll(&input, 1, 0) <= 0) {
            return;
        }
        char c = 0;
        const ssize_t count = ::read(STDIN_FILENO, &c, 1);
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
            return;
        }
        if (count <= 0) {
            stopAsked_ = true;
            link_.stop("Eingabe beendet – Job abgebrochen", now());
        } else if (c == '\n') {
            waiting_ = false;
            link_.resume(now());
        }
    }

    void progress() {
        const auto at = Clock::now();
        if (link_.phase() != LinkPhase::Streaming || at - lastProgress_ < kProgressEvery) {
            return;
        }
        lastProgress_ = at;
        err_ << "Zeile " << link_.lastFileLine() << " / " << fileLines_ << ", "
             << minutesText(link_.secondsDone()) << " von " << minutesText(link_.secondsTotal())
             << " min\n";
    }

    SerialPort& port_;
    StreamProgram program_;
    std::ofstream* log_;
    std::ostream& err_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastProgress_ = Clock::now();
    GrblLink link_;  // reports every line it receives only for the log
    std::size_t fileLines_ = 0;
    bool started_ = false;
    bool streamed_ = false;
    bool waiting_ = false;
    bool stopAsked_ = false;
    bool done_ = false;
    bool finished_ = false;
};

// The log is written beside its place and takes it only when the program went out: a run
// refused at the port or by the controller keeps the log of the last probe run.
class LogFile {
  public:
    explicit LogFile(const std::string& path)
        : target_(fileSystemPath(path)), part_(target_.string() + ".part") {
        stream_.open(part_, std::ios::binary | std::ios::trunc);
    }
    ~LogFile() {
        if (stream_.is_open()) {
            stream_.close();
            std::error_code ignored;
            std::filesystem::remove(part_, ignored);
        }
    }
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    bool good() const { return static_cast<bool>(stream_); }
    std::ofstream* stream() { return &stream_; }
    // Puts the log in its place: empty when that worked, else why not. A log that lost a line
    // (a full disk) never takes the place of the last whole one.
    std::string keep(std::string_view shownPath) {
        stream_.flush();
        const bool whole = stream_.good();
        stream_.close();
        std::error_code error;
        if (!whole || stream_.fail()) {
            std::filesystem::remove(part_, error);
            return "es ist unvollständig (Datenträger voll?) und wurde nicht übernommen";
        }
        std::filesystem::rename(part_, target_, error);
        return error ? "es steht in \"" + std::string(shownPath) + ".part\"" : std::string();
    }

  private:
    std::filesystem::path target_;
    std::filesystem::path part_;
    std::ofstream stream_;
};

void printCounts(std::ostream& out, std::size_t lines, std::size_t errors, std::size_t alarms,
                 double seconds) {
    out << "zeilen=" << lines << "\nfehler=" << errors << "\nalarme=" << alarms
        << "\nsekunden=" << oneDecimal(seconds) << '\n';
}

}  // namespace

int runSend(const CliRequest& request, const MachineProfile& profile, std::ostream& out,
            std::ostream& err) {
    const auto start = Clock::now();
    const auto seconds = [&] {
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    const FileBytes file = readFileBytes(fileSystemPath(request.drawing));
    if (!file.status.ok()) {
        err << "Das Programm \"" << request.drawing
            << "\" kann nicht gelesen werden: " << file.status.error << '\n';
        printCounts(out, 0, 0, 0, seconds());
        return kNotDone;
    }
    PreparedProgram prepared = prepareProgram(file.bytes, profile);
    if (!prepared.refusals.empty()) {
        for (const std::string& refusal : prepared.refusals) {
            err << "Programm nicht sendefähig: " << refusal << '\n';
        }
        printCounts(out, 0, 0, 0, seconds());
        return kNotDone;
    }
    std::optional<LogFile> log;
    if (request.logPath) {
        log.emplace(*request.logPath);
        if (!log->good()) {
            err << "Das Protokoll \"" << *request.logPath << "\" kann nicht geschrieben werden\n";
            printCounts(out, 0, 0, 0, seconds());
            return kNotDone;
        }
    }
    auto opened = SerialPort::open(request.port.value_or(""), request.baud);
    if (auto* problem = std::get_if<std::string>(&opened)) {
        err << *problem << '\n';
        printCounts(out, 0, 0, 0, seconds());
        return kNotDone;
    }
    SendJob job(std::get<SerialPort>(opened), std::move(prepared.program),
                log ? log->stream() : nullptr, err);
    const bool finished = job.run();
    bool logKept = true;
    if (log && job.started()) {
        const std::string problem = log->keep(*request.logPath);
        logKept = problem.empty();
        if (!logKept) {
            err << "Das Protokoll \"" << *request.logPath
                << "\" kann nicht geschrieben werden: " << problem << '\n';
        }
    }
    const GrblLink& link = job.link();
    printCounts(out, link.linesSent(), link.errors(), link.alarms(), seconds());
    return finished && logKept && link.errors() == 0 && link.alarms() == 0 ? kSuccess : kNotDone;
}

}  // namespace zrv
