#pragma once

#include <string>
#include <string_view>

#include "base/host.h"
#include "base/status.h"
#include "reader/calibration.h"
#include "reader/drawing_file.h"
#include "reader/figure_filter.h"
#include "store/figure_store.h"

namespace zrv {

// What the record parsers read: the file, its tag and the choices that decide which figures
// enter the store and how their values become millimetres.
struct AnalysisInput {
    std::string_view DATEI_INHALT;
    std::string_view DATEI_VERSION;
    std::string_view drawingName;  // the file name, for messages
    const FigureFilter& filter;
    const Calibration& calibration;
};

// ANALYSE_HEADER: DATEI_VERSION from the header; false (after "no ZIRVA-Datei") when the first
// byte is not 7.
bool ANALYSE_HEADER(DrawingFile& file, Host& host);

// A header shorter than its first byte says (fewer than 8 bytes for "ZIRVA40"): the file was cut
// inside its tag.
bool headerCutOff(const DrawingFile& file);

// The five record parsers. Each empties its own list, then (when its kind is enabled) scans the
// file and appends; lines, rectangles, polygons and circles also append to FRAESUNGEN. A failed
// status is an analysis failure: its message is for the user, the analysis ends there and what
// was stored before remains.
Status ANALYSE_PUNKTE(const AnalysisInput& input, FigureStore& store, Host& host);
Status ANALYSE_LINIEN(const AnalysisInput& input, FigureStore& store, Host& host);
Status ANALYSE_RECHTECKE(const AnalysisInput& input, FigureStore& store, Host& host);
Status ANALYSE_POLYGONE(const AnalysisInput& input, FigureStore& store, Host& host);
Status ANALYSE_KREISE(const AnalysisInput& input, FigureStore& store, Host& host);

// The message of an analysis failure: the drawing and the cause.
std::string analysisFailureText(std::string_view drawingName, std::string_view cause);

// The five parsers in the order of the analysis; stops at the first failure. Calibration values
// that are not finite and above zero fail before anything is read.
Status analyseFigures(const AnalysisInput& input, FigureStore& store, Host& host);

// Calibration values the conversion can use: both finite and above zero.
bool usableCalibration(const Calibration& calibration);

}  // namespace zrv
