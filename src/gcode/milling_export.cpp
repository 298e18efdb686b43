#include "gcode/milling_export.h"

#include "store/entry_text.h"
#include "text/number_format.h"

namespace zrv {

std::vector<std::string> millingExportLines(std::span<const std::string> fraesungen,
                                            NumberLocale locale) {
    std::vector<std::string> lines;
    lines.reserve(fraesungen.size());
    for (const std::string& entry : fraesungen) {
        std::string line;
        for (const Point& pair : readPairs(entry)) {
            line += formatPattern(pair.x, "00.000", locale);
            line += '\t';
            line += formatPattern(pair.y, "00.000", locale);
            line += '\t';
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace zrv
