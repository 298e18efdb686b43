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

std::string withChosenExtension(std::string_view path, std::string_view chosenFilter) {
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::string_view name =
        nameStart == std::string_view::npos ? path : path.substr(nameStart + 1);
    const std::size_t open = chosenFilter.rfind("(*.");
    if (name.empty() || name.find('.') != std::string_view::npos ||
        open == std::string_view::npos || chosenFilter.back() != ')') {
        return std::string(path);
    }
    const std::string_view extension =
        chosenFilter.substr(open + 2, chosenFilter.size() - open - 3);  // ".png"
    if (extension.size() < 2 || extension.find_first_of("* ?") != std::string_view::npos) {
        return std::string(path);
    }
    return std::string(path) + std::string(extension);
}

}  // namespace zrv
