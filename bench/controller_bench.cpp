// The link's own work for a 450,000-line program (reading it for streaming with the planner's
// time of each line, counting characters, taking every reply) as a ratio to writing that
// program, atomically as the export does and as a plain buffered write.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "controller/grbl_link.h"
#include "controller/stream_program.h"
#include "full_board.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kProgramLines = 450000;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The full board's program: 450,091 lines.
const std::vector<std::string>& programLines() {
    static const std::vector<std::string> lines = zrv::gcodeProgram(bench::fullJob());
    return lines;
}

// A controller that answers every line at once, with a status report every 40 lines, held at
// each M0 until the link resumes it at once (the M0's "ok" comes with the "~", as GRBL's does).
struct Streamed {
    std::size_t lines = 0;
    std::size_t bytes = 0;
};

Streamed streamAll(zrv::StreamProgram program) {
    zrv::GrblLink link(zrv::LinkTime{0});
    zrv::LinkTime now{0};
    std::string replies = "Grbl 1.1h ['$' for help]\r\n<Idle|MPos:0.000,0.000,0.000|FS:0,0>\r\n";
    Streamed streamed;
    bool atM0 = false;
    bool done = false;
    while (!done) {
        link.received(replies, now);
        replies.clear();
        now += zrv::LinkTime{1};
        link.tick(now);
        for (const zrv::Outgoing& out : link.takeOutgoing()) {
            if (out.kind == zrv::Outgoing::Kind::Realtime && out.byte == '~' && atM0) {
                replies += "ok\r\n";
                atM0 = false;
            }
            if (out.kind == zrv::Outgoing::Kind::Line) {
                if (out.line == "M0\n") {
                    replies += "<Hold:0|MPos:1.000,2.000,3.000|FS:0,0>\r\n";
                    atM0 = true;
                } else {
                    replies += "ok\r\n";
                }
                streamed.bytes += out.line.size();
                if (++streamed.lines % 40 == 0) {
                    replies += "<Run|MPos:1.000,2.000,3.000|FS:500,1000>\r\n";
                }
            }
        }
        for (const zrv::LinkEvent& event : link.takeEvents()) {
            if (event.kind == zrv::LinkEventKind::Ready) {
                link.start(std::move(program), now);
            } else if (event.kind == zrv::LinkEventKind::Paused) {
                link.resume(now);
            } else if (event.kind == zrv::LinkEventKind::Finished ||
                       event.kind == zrv::LinkEventKind::Stopped ||
                       event.kind == zrv::LinkEventKind::Refused) {
                done = true;
            }
        }
        if (replies.empty()) {
            replies = "<Idle|MPos:0.000,0.000,0.000|FS:0,0>\r\n";
        }
    }
    return streamed;
}

// The link's own work (reading the program for streaming, counting, taking the replies) and
// the planner's time of each line, against the export writing the same program (its lines, the
// Windows-1252 text, the atomic write), against a plain write of its bytes and against the time
// its lines take on the wire.
void BM_LinkVsWritingTheProgram(benchmark::State& state) {
    const zrv::test::ScratchFolder folder;
    const zrv::GcodeJob job = bench::fullJob();
    const std::string bytes = zrv::windowsText(programLines());
    const zrv::MachineProfile profile = zrv::readMachineProfile("").profile;
    double prepareSeconds = 0;
    double plannerSeconds = 0;
    double streamSeconds = 0;
    double exportSeconds = 0;
    double plainSeconds = 0;
    Streamed sent;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        zrv::PreparedProgram prepared = zrv::prepareLines(bytes);
        prepareSeconds += secondsSince(start);
        start = Clock::now();
        benchmark::DoNotOptimize(zrv::prepareProgram(bytes, profile));
        plannerSeconds += secondsSince(start);
        start = Clock::now();
        sent = streamAll(std::move(prepared.program));
        streamSeconds += secondsSince(start);
        start = Clock::now();
        benchmark::DoNotOptimize(zrv::writeFileAtomically(
            folder.path() / "board.nc", zrv::windowsText(zrv::gcodeProgram(job))));
        exportSeconds += secondsSince(start);
        start = Clock::now();
        std::ofstream out(folder.path() / "plain.nc", std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        plainSeconds += secondsSince(start);
    }
    const auto runs = static_cast<double>(state.iterations());
    const double link = prepareSeconds + streamSeconds;
    plannerSeconds -= prepareSeconds;  // prepareProgram is prepareLines and the planner
    state.counters["program_lines"] = static_cast<double>(programLines().size());
    state.counters["lines_sent"] = static_cast<double>(sent.lines);
    // The same lines on the wire at 115200 baud, ten bits a byte.
    const double wireSeconds = static_cast<double>(sent.bytes) * 10 / 115200;
    state.counters["wire_s"] = wireSeconds;
    state.counters["ratio_wire"] = link / runs / wireSeconds;
    state.counters["prepare_ms"] = prepareSeconds / runs * 1000;
    state.counters["stream_ms"] = streamSeconds / runs * 1000;
    state.counters["planner_ms"] = plannerSeconds / runs * 1000;
    state.counters["export_ms"] = exportSeconds / runs * 1000;
    state.counters["plain_ms"] = plainSeconds / runs * 1000;
    state.counters["ratio"] = link / exportSeconds;
    state.counters["ratio_with_planner"] = (link + plannerSeconds) / exportSeconds;
    state.counters["ratio_plain"] = link / plainSeconds;
}
BENCHMARK(BM_LinkVsWritingTheProgram)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
