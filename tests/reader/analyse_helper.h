#pragma once

#include <string>
#include <vector>

#include "reader/analysis.h"
#include "support/recording_host.h"

namespace zrv::test {

// What the header check and the five parsers made of a drawing.
struct Analysed {
    FigureStore store;
    Status status;
    std::string version;
    std::vector<std::string> lines;     // List1
    std::vector<std::string> messages;  // message boxes
};

inline Analysed analyse(const std::string& bytes, const FigureFilter& filter = {},
                        const Calibration& calibration = {}, NumberLocale locale = kGermanLocale) {
    RecordingHost recorder(locale);
    DrawingFile file;
    file.DATEI_INHALT = bytes;
    Analysed result;
    if (ANALYSE_HEADER(file, recorder.host)) {
        const AnalysisInput input{file.DATEI_INHALT, file.DATEI_VERSION, "test.zrv", filter,
                                  calibration};
        result.status = analyseFigures(input, result.store, recorder.host);
    }
    result.version = file.DATEI_VERSION;
    result.lines = recorder.progress.lines;
    result.messages = recorder.progress.messages;
    return result;
}

// Only the colour boxes named are ticked.
inline FigureFilter colours(std::initializer_list<int FigureFilter::*> ticked) {
    FigureFilter filter;
    for (auto box : {&FigureFilter::Check_FARBE_ROT, &FigureFilter::Check_FARBE_GRUEN,
                     &FigureFilter::Check_FARBE_BLAU, &FigureFilter::Check_FARBE_GRAU,
                     &FigureFilter::Check_FARBE_SCHWARZ, &FigureFilter::Check_FARBE_ALLE}) {
        filter.*box = 0;
    }
    for (auto box : ticked) {
        filter.*box = 1;
    }
    return filter;
}

// 1:1: one drawing unit is 0.1 mm, so drawing values are ten times the millimetres.
inline constexpr Calibration kOneToOne{1.0, 1.0};

}  // namespace zrv::test
