#include "levelling/probe_log.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/text_file.h"

namespace zrv {
namespace {

constexpr std::string_view kStart = "[PRB:";
// The controller's answer to "$#" ends "[TLO:...]" then "[PRB:...]", the last probe of some
// earlier session: many senders ask for it when they connect.
constexpr std::string_view kToolOffset = "[TLO:";
// X Y Z and up to three more axes of a larger controller.
constexpr std::size_t kMostAxes = 6;

// A number of the report up to `end`; none when it is not one finite number.
bool readNumber(std::string_view text, double& value) {
    if (text.empty()) {
        return false;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size() &&
           std::isfinite(value);
}

// The axes of the controller as its status reports name them ("MPos:x,y,z|"); kMostAxes when
// the log holds none.
std::size_t reportedAxes(std::string_view log) {
    for (const std::string_view name : {"MPos:", "WPos:"}) {
        const std::size_t at = log.find(name);
        if (at == std::string_view::npos) {
            continue;
        }
        const std::size_t start = at + name.size();
        const std::size_t end = log.find_first_of("|>\r\n", start);
        const std::string_view values =
            log.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        return static_cast<std::size_t>(std::count(values.begin(), values.end(), ',')) + 1;
    }
    return kMostAxes;
}

enum class ReportForm { Read, Unreadable, WithoutFlag, TooManyFields };

// The numbers of "x,y,z[,a...]": every one finite, at least three.
ReportForm readNumbers(std::string_view numbers, std::size_t axes, ProbeReport& report) {
    double* targets[] = {&report.x, &report.y, &report.z};
    std::size_t count = 0;
    while (true) {
        const auto comma = numbers.find(',');
        double value = 0;
        if (!readNumber(numbers.substr(0, comma), value)) {
            return ReportForm::Unreadable;
        }
        if (count < 3) {
            *targets[count] = value;
        }
        ++count;
        if (comma == std::string_view::npos) {
            break;
        }
        numbers = numbers.substr(comma + 1);
    }
    if (count < 3) {
        return ReportForm::Unreadable;
    }
    return count > axes ? ReportForm::TooManyFields : ReportForm::Read;
}

// "x,y,z:f"; "x,y,z" is the form of controllers before the contact flag.
ReportForm readReport(std::string_view body, std::size_t axes, ProbeReport& report) {
    const auto colon = body.rfind(':');
    if (colon == std::string_view::npos) {
        const ReportForm form = readNumbers(body, axes, report);
        return form == ReportForm::Read ? ReportForm::WithoutFlag : form;
    }
    const std::string_view flag = body.substr(colon + 1);
    if (flag != "0" && flag != "1") {
        return ReportForm::Unreadable;
    }
    report.contact = flag == "1";
    return readNumbers(body.substr(0, colon), axes, report);
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

std::string problemText(ReportForm form, std::size_t number, std::size_t axes,
                        std::string_view line) {
    const std::string report = "Die Tastmeldung Nr. " + std::to_string(number);
    switch (form) {
        case ReportForm::WithoutFlag:
            return report +
                   " hat die alte Form ohne Angabe der Berührung (:1), mit der sich ein "
                   "Fehlschlag nicht erkennen lässt: " +
                   shown(line) + " – eine Steuerung ab GRBL 1.1 verwenden";
        case ReportForm::TooManyFields:
            return report + " hat mehr Zahlen, als die Steuerung Achsen meldet (" +
                   std::to_string(axes) + "): " + shown(line);
        case ReportForm::Read:
        case ReportForm::Unreadable:
            break;
    }
    return report + " ist keine gültige Meldung aus drei Zahlen: " + shown(line);
}

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Where the "[TLO:...]" line before `at` ends, walking `next` (the next such line) forward.
class ToolOffsets {
  public:
    explicit ToolOffsets(std::string_view log) : log_(log), next_(log.find(kToolOffset)) {}

    // Whether the report at `at` follows a "[TLO:...]" line with nothing but blanks between.
    bool answersOffsets(std::size_t at) {
        while (next_ < at) {
            const std::size_t close = log_.find(']', next_);
            lastEnd_ = close == std::string_view::npos ? log_.size() : close + 1;
            next_ = log_.find(kToolOffset, next_ + 1);
        }
        return lastEnd_ <= at && blank(log_.substr(lastEnd_, at - lastEnd_));
    }

  private:
    std::string_view log_;
    std::size_t next_;
    std::size_t lastEnd_ = std::string_view::npos;
};

}  // namespace

ProbeLogRead readProbeLog(std::string_view log, std::size_t keep) {
    // Other bytes stay as they are: the controller writes ASCII, and shown() prints no other.
    if (const std::optional<std::string> text = markedText(log)) {
        return readProbeLog(*text, keep);
    }
    ProbeLogRead read;
    const std::size_t axes = reportedAxes(log);
    ToolOffsets offsets(log);
    std::size_t at = log.find(kStart);
    while (at != std::string_view::npos) {
        const std::size_t bodyStart = at + kStart.size();
        const std::size_t end = log.find_first_of("]\r\n", bodyStart);
        if (offsets.answersOffsets(at)) {
            at = log.find(kStart, bodyStart);
            continue;
        }
        ++read.count;
        ProbeReport report;
        const ReportForm form =
            end == std::string_view::npos || log[end] != ']'
                ? ReportForm::Unreadable
                : readReport(log.substr(bodyStart, end - bodyStart), axes, report);
        if (form != ReportForm::Read) {
            const std::size_t lineEnd = log.find_first_of("\r\n", at);
            read.problem = problemText(
                form, read.count, axes,
                log.substr(
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
