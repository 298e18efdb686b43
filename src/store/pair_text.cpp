#include "store/pair_text.h"

#include "text/number_format.h"
#include "text/number_scan.h"

namespace zrv {

std::string pairsText(std::span<const Point> pairs, std::string_view pattern, NumberLocale locale) {
    std::string text;
    for (const Point& p : pairs) {
        text += " X=";
        text += formatPattern(p.x, pattern, locale);
        text += " Y=";
        text += formatPattern(p.y, pattern, locale);
    }
    return KOMMA_PUNKT(std::move(text));
}

}  // namespace zrv
