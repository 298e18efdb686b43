#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/depth_step_choices.h"
#include "settings/export_choices.h"
#include "settings/parameters.h"
#include "text/number_locale.h"

namespace zrv {

// Everything a G-code program is built from, gathered by the caller at the moment of export.
struct GcodeJob {
    std::span<const std::string> PUNKTE;      // drill holes in drilling order
    std::span<const std::string> FRAESUNGEN;  // milling paths in milling order
    ParameterValues values;                   // the twelve parameter texts, read once
    ExportChoices exports;
    DepthStepChoices steps;  // passes and pecks; off: one of each
    double FAHRWEG_BOHRUNGEN = 0;
    double FAHRWEG_FRAESUNGEN = 0;
    double ZEIT_BOHRUNGEN = 0;
    double ZEIT_FRAESUNGEN = 0;
    std::string dateText;    // the system's short date
    std::string timeText;    // the system's time of day
    std::string outputPath;  // named in the header
    NumberLocale locale;
};

// Whether the drilling (milling) summary and section are part of the program.
bool drillingWritten(const GcodeJob& job);
bool millingWritten(const GcodeJob& job);

// The comment lines that open the drilling and the milling section, in this order.
std::array<std::string, 2> sectionStartLines();

// GERBER_SCHREIBEN without the file: the whole program as lines (UTF-8, every "," already
// turned into "."), without line ends.
std::vector<std::string> gcodeProgram(const GcodeJob& job);

// The values the line building blocks put into the lines: the number of each parameter in its
// shortest plain form with "." ("2.5", "-1.5", "1000"), so a text that slipped through uncleaned
// cannot break a line.
struct ToolValues {
    std::array<std::string, kParameterRoles> byRole;

    std::string& operator[](ParameterRole role) { return byRole[static_cast<std::size_t>(role)]; }
    const std::string& operator[](ParameterRole role) const {
        return byRole[static_cast<std::size_t>(role)];
    }
};
struct MachineValues {
    ToolValues drill;
    ToolValues mill;
};
MachineValues machineValues(const ParameterValues& parameters);

// The line building blocks of the program; each appends its lines through ZEILE_SCHREIBEN.
class GcodeLines {
  public:
    GcodeLines(MachineValues values, NumberLocale locale);

    void ZEILE_SCHREIBEN(std::string line);
    // A comment line whose "," is a comma in the text, not a decimal sign.
    void KOMMENTAR_SCHREIBEN(std::string line);
    void TRENNLINIE();
    void SPINDEL_AUS();
    void SPINDEL_EIN_BOHREN();
    void SPINDEL_EIN_FRAESEN();
    void WERKZEUG_WECHSEL();
    void NULL_ANFAHREN(std::string_view lift);  // lift: the Z of the move up, as written
    void NULL_MARKIEREN();
    void BOHRER_AUF();
    void BOHRER_AB();
    void BOHRUNG_ANFAHREN(double x, double y);
    void FRAESER_AUF();
    void FRAESER_AB();
    void FRAESUNG_ANFAHREN(double x, double y);
    void FRAESUNG_XY(double x, double y);

    std::vector<std::string> take() { return std::move(lines_); }

  private:
    std::string coordinate(double value) const;

    MachineValues values_;
    NumberLocale locale_;
    std::vector<std::string> lines_;
};

}  // namespace zrv
