#include "gcode/gcode_writer.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "gcode/comment_text.h"
#include "gcode/depth_steps.h"
#include "gcode/format_length.h"
#include "gcode/stepped_moves.h"
#include "settings/plain_number.h"
#include "settings/settings_file.h"
#include "store/entry_text.h"
#include "text/number_format.h"
#include "text/number_scan.h"

namespace zrv {
namespace {

using enum ParameterRole;

constexpr std::string_view kProgramName = "zrvcam";
constexpr std::string_view kDrillingTitle = "Bohrungen";
constexpr std::string_view kMillingTitle = "Fräsungen";
constexpr std::string_view kStartLift = "1";

std::string countText(double value, NumberLocale locale) {
    return formatPattern(value, "#,##0", locale);
}

std::string countText(std::size_t value, NumberLocale locale) {
    return countText(static_cast<double>(value), locale);
}

// "(" parts ")" built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on a literal
// joined to a string.
std::string commentLine(std::initializer_list<std::string_view> parts) {
    std::string line = "(";
    for (const std::string_view part : parts) {
        line += part;
    }
    line += ')';
    return line;
}

// The values of one summary: drilling or milling.
struct Summary {
    std::string_view name;  // "Bohrung" or "Fräsung"
    std::size_t count = 0;
    double fahrweg = 0;
    double zeit = 0;
    const ToolValues* values = nullptr;
};

void writeHeader(GcodeLines& out, const GcodeJob& job) {
    out.ZEILE_SCHREIBEN(commentLine({commentSafe(job.dateText), " ", commentSafe(job.timeText)}));
    out.ZEILE_SCHREIBEN(commentLine({kProgramName, " V:", std::to_string(kRevision)}));
    out.ZEILE_SCHREIBEN(commentLine({commentSafe(job.outputPath)}));
}

void writeSummary(GcodeLines& out, const Summary& summary, NumberLocale locale) {
    static constexpr std::array<std::string_view, 6> kLabels{
        "-SPINDLE-SPEED: ", "-VORSCHUB-XY: ", "-VORSCHUB-Z-AUF: ",
        "-VORSCHUB-Z_AB: ", "-HÖHE: ",        "-TIEFE: "};
    const std::string name(summary.name);
    out.TRENNLINIE();
    out.ZEILE_SCHREIBEN("(" + name + "-Anzahl:  " + countText(summary.count, locale) + ")");
    out.ZEILE_SCHREIBEN("(" + name + "-Fahrweg: " + FORMAT_LAENGE(summary.fahrweg, locale) + ")");
    for (std::size_t k = 0; k < kLabels.size(); ++k) {
        out.ZEILE_SCHREIBEN("(" + name + std::string(kLabels[k]) + summary.values->byRole[k] + ")");
    }
    out.ZEILE_SCHREIBEN("(" + name + "-geschätzte Zeit: " + countText(summary.zeit, locale) +
                        "min)");
}

void writeSetUp(GcodeLines& out) {
    out.TRENNLINIE();
    out.ZEILE_SCHREIBEN("(M-Befehle-Schaltfunktionen G-Befehle-Wegfunktionen)");
    out.ZEILE_SCHREIBEN("G21 (Metrische Eingabe)");
    out.ZEILE_SCHREIBEN("G90 (Absolutmasseingabe)");
    out.ZEILE_SCHREIBEN("G94 (Vorschub in mm/min)");
    out.SPINDEL_AUS();
}

void writeGrblQueries(GcodeLines& out) {
    out.TRENNLINIE();
    out.ZEILE_SCHREIBEN("$I (view build info)");
    out.ZEILE_SCHREIBEN("$# (view parameters)");
    out.ZEILE_SCHREIBEN("$G (view parser state)");
    out.ZEILE_SCHREIBEN("$$ (view Grbl settings)");
    out.ZEILE_SCHREIBEN("? (current status)");
    out.ZEILE_SCHREIBEN("$X (kill alarm lock)");
}

std::string sectionTitleLine(std::string_view title) {
    return "(==================== " + std::string(title) + " ====================)";
}

void writeSectionStart(GcodeLines& out, std::string_view title, std::string_view lift) {
    out.NULL_ANFAHREN(lift);
    out.TRENNLINIE();
    out.TRENNLINIE();
    out.ZEILE_SCHREIBEN(sectionTitleLine(title));
    out.WERKZEUG_WECHSEL();
}

// `last` is the same on every entry of a section, so the caller formats it once.
std::string numberComment(std::string_view name, std::size_t i, std::string_view last,
                          NumberLocale locale) {
    return "(========== " + std::string(name) + "-NR:" + countText(i, locale) + " / " +
           std::string(last) + " ==========)";
}

void writeDrilling(GcodeLines& out, const GcodeJob& job, const MachineValues& values,
                   std::string_view lift) {
    writeSectionStart(out, kDrillingTitle, lift);
    out.SPINDEL_EIN_BOHREN();
    out.BOHRER_AUF();
    out.NULL_MARKIEREN();
    out.BOHRER_AUF();
    const std::size_t count = job.PUNKTE.size();
    const std::string last = countText(count - 1, job.locale);
    const StepDepths pecks = stepDepths(job.values.drill[Depth].number, values.drill[Depth],
                                        job.steps.Combo_BOHREN_IN_STUFEN);
    for (std::size_t i = 0; i < count; ++i) {
        out.ZEILE_SCHREIBEN(numberComment("Bohrung", i, last, job.locale));
        const Point hole = readPoint(job.PUNKTE[i]);
        out.BOHRUNG_ANFAHREN(hole.x, hole.y);
        drillHole(out, values.drill, pecks);
    }
    out.SPINDEL_AUS();
}

void writeMilling(GcodeLines& out, const GcodeJob& job, const MachineValues& values,
                  std::string_view lift) {
    writeSectionStart(out, kMillingTitle, lift);
    out.SPINDEL_EIN_FRAESEN();
    out.FRAESER_AUF();
    out.NULL_MARKIEREN();
    out.FRAESER_AUF();
    const std::size_t count = job.FRAESUNGEN.size();
    const std::string last = countText(count - 1, job.locale);
    const StepDepths passes =
        stepDepths(job.values.mill[Depth].number, values.mill[Depth], job.steps.Combo_ZUSTELLUNG);
    for (std::size_t i = 0; i < count; ++i) {
        out.ZEILE_SCHREIBEN(numberComment("Fräsung", i, last, job.locale));
        millPath(out, readPairs(job.FRAESUNGEN[i]), values.mill, passes);
    }
}

void writeEnd(GcodeLines& out, std::string_view lift) {
    out.TRENNLINIE();
    out.ZEILE_SCHREIBEN("(Ende)");
    out.SPINDEL_AUS();
    out.NULL_ANFAHREN(lift);
    out.ZEILE_SCHREIBEN("M30 (Programm-Ende)");
}

// After a section the tool crosses the board to the zero point at the section's safe height when
// that is above 1 mm (raised to clear clamps); at the start it stands where the user touched off.
std::string_view liftAfter(const ToolNumbers& numbers, const ToolValues& values) {
    return numbers[Height].number > 1 ? std::string_view(values[Height]) : kStartLift;
}

ToolValues toolValues(const ToolNumbers& numbers) {
    ToolValues values;
    for (std::size_t role = 0; role < kParameterRoles; ++role) {
        values.byRole[role] = plainNumberText(numbers.byRole[role].number, kCLocale);
    }
    return values;
}

}  // namespace

std::array<std::string, 2> sectionStartLines() {
    return {sectionTitleLine(kDrillingTitle), sectionTitleLine(kMillingTitle)};
}

bool drillingWritten(const GcodeJob& job) {
    return job.exports.Check_EXPORT_BOHRUNG != 0 && !job.PUNKTE.empty();
}

bool millingWritten(const GcodeJob& job) {
    return job.exports.Check_EXPORT_FRAESUNG != 0 && !job.FRAESUNGEN.empty();
}

MachineValues machineValues(const ParameterValues& parameters) {
    return {toolValues(parameters.drill), toolValues(parameters.mill)};
}

std::vector<std::string> gcodeProgram(const GcodeJob& job) {
    const MachineValues values = machineValues(job.values);
    GcodeLines out(values, job.locale);
    writeHeader(out, job);
    const bool drilling = drillingWritten(job);
    const bool milling = millingWritten(job);
    if (drilling) {
        writeSummary(out,
                     {"Bohrung", job.PUNKTE.size(), job.FAHRWEG_BOHRUNGEN, job.ZEIT_BOHRUNGEN,
                      &values.drill},
                     job.locale);
        if (const std::optional<std::string> line = peckSummaryLine(job)) {
            out.KOMMENTAR_SCHREIBEN(*line);
        }
    }
    if (milling) {
        writeSummary(out,
                     {"Fräsung", job.FRAESUNGEN.size(), job.FAHRWEG_FRAESUNGEN, job.ZEIT_FRAESUNGEN,
                      &values.mill},
                     job.locale);
        if (const std::optional<std::string> line = passSummaryLine(job)) {
            out.KOMMENTAR_SCHREIBEN(*line);
        }
    }
    writeSetUp(out);
    if (job.exports.Check_EXPORT_GRBL_INFO != 0) {
        writeGrblQueries(out);
    }
    std::string_view lift = kStartLift;
    if (drilling) {
        writeDrilling(out, job, values, lift);
        lift = liftAfter(job.values.drill, values.drill);
    }
    if (milling) {
        writeMilling(out, job, values, lift);
        lift = liftAfter(job.values.mill, values.mill);
    }
    writeEnd(out, lift);
    return out.take();
}

GcodeLines::GcodeLines(MachineValues values, NumberLocale locale)
    : values_(std::move(values)), locale_(locale) {}

void GcodeLines::ZEILE_SCHREIBEN(std::string line) {
    lines_.push_back(KOMMA_PUNKT(std::move(line)));
}

void GcodeLines::KOMMENTAR_SCHREIBEN(std::string line) {
    lines_.push_back(std::move(line));
}

void GcodeLines::TRENNLINIE() {
    ZEILE_SCHREIBEN("(" + std::string(89, '=') + ")");
}

void GcodeLines::SPINDEL_AUS() {
    ZEILE_SCHREIBEN("M5 (Spindel Stop)");
}

void GcodeLines::SPINDEL_EIN_BOHREN() {
    ZEILE_SCHREIBEN("M3 S" + values_.drill[Spindle] + " (SPINDLE-SPEED)");
}

void GcodeLines::SPINDEL_EIN_FRAESEN() {
    ZEILE_SCHREIBEN("M3 S" + values_.mill[Spindle] + " (SPINDLE-SPEED)");
}

void GcodeLines::WERKZEUG_WECHSEL() {
    ZEILE_SCHREIBEN("(========== Werkzeug einspannen und auf NULL setzen ==========)");
    ZEILE_SCHREIBEN("( weiter mit Taste )");
    ZEILE_SCHREIBEN("M0");
    TRENNLINIE();
}

void GcodeLines::NULL_ANFAHREN(std::string_view lift) {
    ZEILE_SCHREIBEN("G1 F500 Z" + std::string(lift) + " (anheben)");
    ZEILE_SCHREIBEN("G1 F500 X0 Y0 (GO NULL)");
    ZEILE_SCHREIBEN("G1 F100 Z0 (absenken)");
}

void GcodeLines::NULL_MARKIEREN() {
    ZEILE_SCHREIBEN("(========== NULL markieren ==========)");
    ZEILE_SCHREIBEN("G01 F100 Z0.1  (absenken)");
    ZEILE_SCHREIBEN("G01  F10 Z-0.1  (Markieren) ");
}

void GcodeLines::BOHRER_AUF() {
    ZEILE_SCHREIBEN("G01 F" + values_.drill[FeedUp] + " Z" + values_.drill[Height] +
                    " (Bohrer auf)");
}

void GcodeLines::BOHRER_AB() {
    ZEILE_SCHREIBEN("G01 F100 Z0.1 (Bohrer absenken)");
    ZEILE_SCHREIBEN("G01  F" + values_.drill[FeedDown] + " Z" + values_.drill[Depth] +
                    " (Bohrer ab)");
}

void GcodeLines::BOHRUNG_ANFAHREN(double x, double y) {
    ZEILE_SCHREIBEN("G01 F" + values_.drill[FeedXy] + "X" + coordinate(x) + " Y" + coordinate(y) +
                    " (Next)");
}

void GcodeLines::FRAESER_AUF() {
    ZEILE_SCHREIBEN("G01 Z" + values_.mill[Height] + " F" + values_.mill[FeedUp] + " (auf)");
}

void GcodeLines::FRAESER_AB() {
    ZEILE_SCHREIBEN("G01 Z0.1 F100 (ab-schnell)");
    ZEILE_SCHREIBEN("G01 Z" + values_.mill[Depth] + " F" + values_.mill[FeedDown] + " (ab)");
}

void GcodeLines::FRAESUNG_ANFAHREN(double x, double y) {
    ZEILE_SCHREIBEN("G01 X" + coordinate(x) + " Y" + coordinate(y) + " F1000 (Next)");
}

void GcodeLines::FRAESUNG_XY(double x, double y) {
    ZEILE_SCHREIBEN("G01 X" + coordinate(x) + " Y" + coordinate(y) + " (XY)");
}

std::string GcodeLines::coordinate(double value) const {
    return formatPattern(value, "0.00#", locale_);
}

}  // namespace zrv
