#include "app/cli_send.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <csignal>
#include <fstream>

#include "app/serial_port.h"
#include "base/file_names.h"
#include "base/text_file.h"
#include "controller/grbl_link.h"

namespace zrv {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kSuccess = 0;
constexpr int kNotDone = 1;
constexpr auto kProgressEvery = 1s;
constexpr auto kWait = 20ms;

// Set by SIGINT; the one place a signal may reach.
volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void onInterrupt(int /*signal*/) {
    gInterrupted = 1;
}

// Ctrl+C sets the flag instead of ending the process, while the job runs.
class InterruptGuard {
  public:
    InterruptGuard() {
        gInterrupted = 0;
        struct sigaction action {};
        action.sa_handler = &onInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptGuard() { sigaction(SIGINT, &previous_, nullptr); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

  private:
    struct sigaction previous_ {};
};

LinkTime since(Clock::time_point start) {
    return std::chrono::duration_cast<LinkTime>(Clock::now() - start);
}

std::string minutes(double seconds) {
    if (!std::isfinite(seconds) || seconds > 1e9) {
        return "?";  // a program beyond any machine, as the time labels show it
    }
    const long long whole = std::llround(std::max(seconds, 0.0));
    const long long rest = whole % 60;
    return std::to_string(whole / 60) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest);
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
        : port_(port), program_(std::move(program)), log_(log), err_(err) {
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
                stopAsked_ = true;
                if (link_.phase() == LinkPhase::Connecting || link_.phase() == LinkPhase::Ready) {
                    // Nothing of the program went out: there is nothing to hold.
                    err_ << "Abbruch mit Strg+C\n";
                    done_ = true;
                    break;
                }
                link_.stop("Abbruch mit Strg+C", now());
            }
            readAnswer();
            flush();
            progress();
        }
        return finished_;
    }

    const GrblLink& link() const { return link_; }

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
            case LinkEventKind::Status:
            case LinkEventKind::Probe:
            case LinkEventKind::LineDone:
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
             << minutes(link_.secondsDone()) << " von " << minutes(link_.secondsTotal())
             << " min\n";
    }

    SerialPort& port_;
    StreamProgram program_;
    std::ofstream* log_;
    std::ostream& err_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastProgress_ = Clock::now();
    GrblLink link_{LinkTime{0}};
    std::size_t fileLines_ = 0;
    bool started_ = false;
    bool waiting_ = false;
    bool stopAsked_ = false;
    bool done_ = false;
    bool finished_ = false;
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
    std::ofstream log;
    if (request.logPath) {
        log.open(fileSystemPath(*request.logPath), std::ios::binary | std::ios::trunc);
        if (!log) {
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
                request.logPath ? &log : nullptr, err);
    const bool finished = job.run();
    const GrblLink& link = job.link();
    printCounts(out, link.linesSent(), link.errors(), link.alarms(), seconds());
    return finished && link.errors() == 0 && link.alarms() == 0 ? kSuccess : kNotDone;
}

}  // namespace zrv
