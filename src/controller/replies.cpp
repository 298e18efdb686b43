#include "controller/replies.h"

#include <charconv>
#include <cmath>

namespace zrv {
namespace {

std::optional<int> readCode(std::string_view text) {
    int code = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return code;
}

// "x,y,z" (a fourth axis may follow and is passed over).
std::optional<std::array<double, 3>> readVector(std::string_view text) {
    std::array<double, 3> values{};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const auto [stop, error] = std::from_chars(at, end, values[axis]);
        if (error != std::errc() || !std::isfinite(values[axis])) {
            return std::nullopt;
        }
        at = stop;
        if (axis < 2) {
            if (at == end || *at != ',') {
                return std::nullopt;
            }
            ++at;
        }
    }
    return values;
}

void readField(std::string_view field, Reply& reply) {
    if (field.starts_with("MPos:")) {
        reply.status.machinePosition = readVector(field.substr(5));
    } else if (field.starts_with("WPos:")) {
        reply.status.workPosition = readVector(field.substr(5));
    } else if (field.starts_with("WCO:")) {
        reply.workOffset = readVector(field.substr(4));
    }
}

Reply readStatus(std::string_view line) {
    Reply reply;
    reply.kind = ReplyKind::Status;
    std::string_view body = line.substr(1, line.size() - 2);
    bool first = true;
    while (true) {
        const std::size_t bar = body.find('|');
        const std::string_view field = body.substr(0, bar);
        if (first) {
            const std::size_t colon = field.find(':');
            reply.status.state = stateNamed(field.substr(0, colon));
            if (colon != std::string_view::npos) {
                reply.status.subState = readCode(field.substr(colon + 1)).value_or(-1);
            }
            first = false;
        } else {
            readField(field, reply);
        }
        if (bar == std::string_view::npos) {
            break;
        }
        body.remove_prefix(bar + 1);
    }
    return reply;
}

Reply coded(ReplyKind kind, std::string_view digits) {
    Reply reply;
    if (const auto code = readCode(digits)) {
        reply.kind = kind;
        reply.code = *code;
    }
    return reply;
}

// Where "Grbl " starts in a welcome line. A glitch byte on the wire may stand in front of it: a
// missed reset mid-job is worse than a welcome seen once too often.
std::size_t welcomeAt(std::string_view line) {
    if (line.starts_with("Grbl ")) {
        return 0;
    }
    const std::size_t at = line.find("Grbl 1.");
    return at != std::string_view::npos && line.ends_with("['$' for help]")
               ? at
               : std::string_view::npos;
}

}  // namespace

Reply readReply(std::string_view line) {
    Reply reply;
    if (line == "ok") {
        reply.kind = ReplyKind::Ok;
    } else if (line.starts_with("error:")) {
        reply = coded(ReplyKind::Error, line.substr(6));
    } else if (line.starts_with("ALARM:")) {
        reply = coded(ReplyKind::Alarm, line.substr(6));
    } else if (line.size() >= 2 && line.front() == '<' && line.back() == '>') {
        reply = readStatus(line);
    } else if (const std::size_t grbl = welcomeAt(line); grbl != std::string_view::npos) {
        reply.kind = ReplyKind::Welcome;
        reply.grbl11 = line.substr(grbl + 5).starts_with("1.1");
    } else if (line.starts_with("[VER:")) {
        reply.kind = ReplyKind::Version;
        reply.grbl11 = line.substr(5).starts_with("1.1");
    } else if (line.starts_with("[PRB:") && line.back() == ']') {
        const ProbeLogRead read = readProbeLog(line, 1);
        if (read.count == 1 && read.problem.empty() && !read.reports.empty()) {
            reply.kind = ReplyKind::Probe;
            reply.probe = read.reports.front();
        }
    }
    return reply;
}

}  // namespace zrv
