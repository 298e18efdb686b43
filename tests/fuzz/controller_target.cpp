#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "controller/grbl_link.h"
#include "controller/stream_program.h"
#include "fuzz_targets.h"
#include "support/link_harness.h"

namespace zrv::fuzz {
namespace {

using test::FakeGrbl;
using test::LinkRun;

constexpr std::size_t kMostProgramBytes = 4096;
constexpr int kMostSteps = 30000;  // 150 s of the controller's time

const char* const kProgram =
    "G21\r\nG90\r\n$I\r\n? (status)\r\nG1 X1 F100\r\n(Werkzeug)\r\nM0\r\nG38.2 Z-1 F20\r\n"
    "G10 L20 P1 Z0\r\nG1 X2 Y3\r\nM30\r\n";

// What the link may send as lines: the program's in order, and "$I" while connecting.
std::string checkLines(const std::vector<Outgoing>& sent, const StreamProgram& program,
                       std::size_t stoppedAt) {
    const std::vector<std::string> sends = test::linesToSend(program);
    std::size_t next = 0;
    for (std::size_t k = 0; k < sent.size(); ++k) {
        if (sent[k].kind != Outgoing::Kind::Line) {
            continue;
        }
        if (k >= stoppedAt) {
            return "a line after the stop: " + sent[k].line;
        }
        const bool programs = next < sends.size() && sent[k].line == sends[next] + "\n";
        if (!programs && sent[k].line == "$I\n" && next == 0) {
            continue;  // the question who is there, before the program
        }
        if (!programs) {
            return "a line out of order, twice or not the program's: " + sent[k].line;
        }
        ++next;
    }
    return {};
}

// The replies are the fuzzer's bytes, fed in pieces with time passing between them.
std::string arbitraryReplies(std::uint8_t choice, Bytes data) {
    const StreamProgram program = prepareProgram(kProgram, readMachineProfile("").profile).program;
    GrblLink link(LinkTime{0}, (choice & 16) != 0);  // with or without a Received a line
    LinkTime now{0};
    std::vector<Outgoing> sent;
    std::size_t stoppedAt = static_cast<std::size_t>(-1);
    const auto drain = [&] {
        for (Outgoing& out : link.takeOutgoing()) {
            sent.push_back(std::move(out));
        }
        for (const LinkEvent& event : link.takeEvents()) {
            if (event.kind == LinkEventKind::Ready) {
                link.start(program, now);
            } else if (event.kind == LinkEventKind::Paused) {
                link.resume(now);
            } else if (event.kind == LinkEventKind::Stopped ||
                       (event.kind == LinkEventKind::Refused && sent.size() < stoppedAt)) {
                stoppedAt = std::min(stoppedAt, sent.size());
            }
        }
    };
    std::size_t at = 0;
    while (at < data.size()) {
        const std::size_t piece = 1 + data[at] % 32;
        const std::size_t end = std::min(data.size(), at + 1 + piece);
        link.received(std::string(data.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                                  data.begin() + static_cast<std::ptrdiff_t>(end)),
                      now);
        drain();
        now += LinkTime{data[at] * 8};
        link.tick(now);
        if ((choice & 2) != 0 && data[at] == 0x21) {
            link.pause();
        } else if ((choice & 2) != 0 && data[at] == 0x7E) {
            link.resume(now);
        } else if ((choice & 4) != 0 && data[at] == 0x03) {
            link.stop("Abbruch", now);
        }
        drain();
        at = end;
    }
    if ((choice & 8) != 0) {
        link.portLost(now);
        drain();
    }
    return checkLines(sent, program, stoppedAt);
}

// The bytes are a program file: read for streaming, then (when fit) streamed to the fake.
std::string arbitraryProgram(const std::string& text) {
    const PreparedProgram prepared = prepareProgram(text, readMachineProfile("").profile);
    if (!prepared.refusals.empty()) {
        return {};  // a stray ")" stays in a refused line, as GRBL would read it
    }
    for (const StreamLine& line : prepared.program.lines) {
        if (line.send.find_first_of(" ()\r\n;") != std::string_view::npos) {
            return "a line to send with a blank, comment or line end: " + std::string(line.send);
        }
    }
    LinkRun run(FakeGrbl::Options{});
    bool started = false;
    for (int k = 0; k < kMostSteps && run.find(LinkEventKind::Finished) == nullptr &&
                    run.find(LinkEventKind::Stopped) == nullptr;
         ++k) {
        run.step();
        if (!started && run.find(LinkEventKind::Ready) != nullptr) {
            started = true;
            run.link.start(prepared.program, run.now);
        }
        if (!run.events.empty() && run.events.back().kind == LinkEventKind::Paused) {
            run.link.resume(run.now);
        }
    }
    if (run.fake.lost != 0 || run.fake.mostBuffered > 127) {
        return "the controller's receive buffer overflowed";
    }
    return checkLines(run.sent, prepared.program, static_cast<std::size_t>(-1));
}

// The bytes are the user's commands, one a line, given to a connected link one by one with
// a second between them: whatever it takes reaches the controller whole and within its buffer.
std::string arbitraryCommands(std::string_view text) {
    LinkRun run(FakeGrbl::Options{});
    if (run.runUntil(LinkEventKind::Ready, LinkTime{5000}) == test::kNone) {
        return "the fake controller was not taken for GRBL 1.1";
    }
    constexpr std::size_t kMostCommands = 16;
    constexpr int kStepsBetween = 200;
    std::size_t at = 0;
    for (std::size_t given = 0; at < text.size() && given < kMostCommands; ++given) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        (void)run.link.command(text.substr(at, end - at), run.now);
        at = end + 1;
        run.steps(kStepsBetween);
    }
    if (run.fake.lost != 0 || run.fake.mostBuffered > 127) {
        return "the controller's receive buffer overflowed";
    }
    for (const Outgoing& out : run.sent) {
        if (out.kind == Outgoing::Kind::Line &&
            (out.line.find_first_of("\r\n") + 1 != out.line.size() ||
             !std::all_of(out.line.begin(), out.line.end() - 1,
                          [](char c) { return c >= 0x20 && c < 0x7F; }))) {
            return "a command line not plain ASCII with one line end: " + out.line;
        }
    }
    return {};
}

}  // namespace

std::string controllerLink(Bytes data) {
    if (data.empty()) {
        return {};
    }
    const std::uint8_t choice = data[0];
    if ((choice & 1) == 0) {
        return arbitraryReplies(choice, data.subspan(1));
    }
    const Bytes file = data.subspan(1, std::min(data.size() - 1, kMostProgramBytes));
    const std::string text(file.begin(), file.end());
    return (choice & 2) != 0 ? arbitraryCommands(text) : arbitraryProgram(text);
}

}  // namespace zrv::fuzz
