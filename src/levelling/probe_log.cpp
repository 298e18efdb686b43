#include "levelling/probe_log.h"

#include <charconv>
#include <cmath>

namespace zrv {
namespace {

constexpr std::string_view kStart = "[PRB:";

// A number of the report up to `end`; none when it is not one finite number.
bool readNumber(std::string_view text, double& value) {
    if (text.empty()) {
        return false;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size() &&
           std::isfinite(value);
}

// "x,y,z:f" (a fourth axis of a larger controller is passed over).
bool readReport(std::string_view body, ProbeReport& report) {
    const auto colon = body.rfind(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    const std::string_view flag = body.substr(colon + 1);
    if (flag != "0" && flag != "1") {
        return false;
    }
    report.contact = flag == "1";
    std::string_view numbers = body.substr(0, colon);
    double* targets[] = {&report.x, &report.y, &report.z};
    for (double* target : targets) {
        const auto comma = numbers.find(',');
        if (!readNumber(numbers.substr(0, comma), *target)) {
            return false;
        }
        numbers = comma == std::string_view::npos ? std::string_view{} : numbers.substr(comma + 1);
    }
    return true;
}

// The report as the user can find it in the log: printable, not overly long.
std::string shown(std::string_view text) {
    std::string result;
    for (const char c : text.substr(0, 60)) {
        result +=
            static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e ? '?' : c;
    }
    return text.size() > 60 ? result + "..." : result;
}

}  // namespace

ProbeLogRead readProbeLog(std::string_view log, std::size_t keep) {
    ProbeLogRead read;
    std::size_t at = log.find(kStart);
    while (at != std::string_view::npos) {
        const std::size_t bodyStart = at + kStart.size();
        const std::size_t end = log.find_first_of("]\r\n", bodyStart);
        ++read.count;
        ProbeReport report;
        if (end == std::string_view::npos || log[end] != ']' ||
            !readReport(log.substr(bodyStart, end - bodyStart), report)) {
            const std::size_t lineEnd = log.find_first_of("\r\n", at);
            read.problem =
                "Die Tastmeldung Nr. " + std::to_string(read.count) +
                " ist keine gültige Meldung aus drei Zahlen: " +
                shown(log.substr(
                    at, lineEnd == std::string_view::npos ? std::string_view::npos : lineEnd - at));
            return read;
        }
        if (read.reports.size() < keep) {
            read.reports.push_back(report);
        }
        at = log.find(kStart, end);
    }
    return read;
}

}  // namespace zrv
