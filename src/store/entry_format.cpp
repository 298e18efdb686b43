#include "store/entry_format.h"

#include "text/number_format.h"

namespace zrv {

void appendValue(std::string& entry, char marker, double value, std::string_view pattern,
                 NumberLocale locale) {
    entry.push_back(' ');
    entry.push_back(marker);
    entry.push_back('=');
    entry += formatPattern(value, pattern, locale);
}

void appendPair(std::string& entry, double x, double y, std::string_view pattern,
                NumberLocale locale) {
    appendValue(entry, 'X', x, pattern, locale);
    appendValue(entry, 'Y', y, pattern, locale);
}

}  // namespace zrv
