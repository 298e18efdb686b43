#pragma once

// The full board both G-code benchmarks work on: 30001 holes on a grid and as many closed
// squares, as the store writes them, and the job that writes them all.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "gcode/gcode_writer.h"
#include "store/figure_store.h"

namespace bench {

inline std::string pair(const char* format, double x, double y) {
    char text[64];
    std::snprintf(text, sizeof text, format, x, y);
    return text;
}

struct Board {
    std::vector<std::string> punkte;
    std::vector<std::string> fraesungen;
};

// Holes on a grid; each path a closed square of five pairs, as the store writes them.
inline const Board& fullBoard() {
    static const Board board = [] {
        Board b;
        for (std::size_t i = 0; i < zrv::kListCapacity; ++i) {
            const double x = static_cast<double>(i % 200) * 1.27;
            const double y = static_cast<double>(i / 200) * 1.27;
            b.punkte.push_back(pair(" X=%08.3f Y=%08.3f", x, y));
            std::string path;
            for (const auto& [dx, dy] :
                 {std::pair{0.0, 0.0}, {0.8, 0.0}, {0.8, 0.8}, {0.0, 0.8}, {0.0, 0.0}}) {
                path += pair(" X=%06.3f Y=%06.3f", x + dx, y + dy);
            }
            b.fraesungen.push_back(path);
        }
        return b;
    }();
    return board;
}

inline zrv::GcodeJob fullJob() {
    zrv::GcodeJob job;
    job.PUNKTE = fullBoard().punkte;
    job.FRAESUNGEN = fullBoard().fraesungen;
    job.values = zrv::parameterValues(
        {"1000", "500", "1000", "10", "2,5", "-1,5", "1000", "100", "10", "10", "2,5", "-0,1"});
    job.exports = zrv::ExportChoices{1, 1, 0, 1};
    job.FAHRWEG_BOHRUNGEN = 123456;
    job.FAHRWEG_FRAESUNGEN = 234567;
    job.ZEIT_BOHRUNGEN = 4500;
    job.ZEIT_FRAESUNGEN = 23456;
    job.dateText = "07.12.2026";
    job.timeText = "08:00:00";
    job.outputPath = "/tmp/board.nc";
    job.locale = zrv::kGermanLocale;
    return job;
}

}  // namespace bench
