#include "ui/platform/dialog_filter.h"

#include <vector>

namespace zrv {

namespace {

std::vector<std::string> splitAtBars(std::string_view text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '|') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

std::string qtPatterns(std::string_view patterns) {
    std::string result;
    std::string pattern;
    auto flush = [&] {
        if (pattern.empty()) {
            return;
        }
        if (!result.empty()) {
            result += ' ';
        }
        result += pattern == "*.*" ? "*" : pattern;
        pattern.clear();
    };
    for (char c : patterns) {
        if (c == ';' || c == ' ') {
            flush();
        } else {
            pattern += c;
        }
    }
    flush();
    return result;
}

}  // namespace

std::string qtFileFilter(std::string_view filter) {
    const std::vector<std::string> parts = splitAtBars(filter);
    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (!result.empty()) {
            result += ";;";
        }
        result += parts[i] + " (" + qtPatterns(parts[i + 1]) + ")";
    }
    return result;
}

}  // namespace zrv
