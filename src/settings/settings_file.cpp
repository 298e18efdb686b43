#include "settings/settings_file.h"

#include <cmath>
#include <span>
#include <string_view>

#include "base/text_file.h"
#include "settings/plain_number.h"
#include "settings/settings_file_layout.h"
#include "text/number_scan.h"

namespace zrv {
namespace {

constexpr std::size_t kLineCount = 54;
constexpr std::string_view kEndMark = "ENDE";

// A blank stands where a minus sign would, and one blank follows the number. Never with an
// exponent: the reading scan would stop at the "E" and take 1E-05 as 1.
std::string numberLine(double value, NumberLocale locale) {
    std::string line(value < 0 ? 0U : 1U, ' ');  // appended: GCC 12 -O3 warns falsely on "" + text
    line += plainNumberText(value, locale);
    line += ' ';
    return line;
}

std::string withoutLineBreaks(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

class LineWriter {
  public:
    explicit LineWriter(NumberLocale locale) : locale_(locale) {}

    void text(const std::string& value) { lines.push_back(withoutLineBreaks(value)); }
    void revision() { lines.push_back(numberLine(kRevision, locale_)); }
    void calibration(double value) { lines.push_back(numberLine(value, locale_)); }
    void check(int value, std::string_view label = {}) {
        lines.push_back(label.empty() ? numberLine(value, locale_)
                                      : std::to_string(value) + std::string(label));
    }
    void colour(Colour value) { lines.push_back(numberLine(value, locale_)); }
    void end() { lines.emplace_back(kEndMark); }

    std::vector<std::string> lines;

  private:
    NumberLocale locale_;
};

// Applies the lines in order; a missing line or a value that cannot be applied leaves the
// current value, and after a foreign revision nothing more is applied.
class LineReader {
  public:
    explicit LineReader(std::span<const std::string> values) : values_(values) {}

    void text(std::string& target) {
        if (const std::string* line = next()) {
            target = *line;
        }
    }
    void revision() {
        const std::string* line = next();
        if (line == nullptr || leadingNumber(*line) != kRevision) {
            foreignRevision_ = true;
        }
    }
    void calibration(double& target) {
        if (const std::string* line = next()) {
            const double value = leadingNumber(KOMMA_PUNKT(*line));
            if (std::isfinite(value) && value > 0) {
                target = value;
            }
        }
    }
    void check(int& target, std::string_view /*label*/ = {}) { wholeNumber(target, 2); }
    void colour(Colour& target) { wholeNumber(target, 0xFFFFFF); }
    void end() {}

    bool foreignRevision() const { return foreignRevision_; }

  private:
    // The rounded leading number, taken only when it lies from 0 to `highest`.
    template <class T>
    void wholeNumber(T& target, double highest) {
        if (const std::string* line = next()) {
            const double value = std::round(leadingNumber(*line));
            if (value >= 0 && value <= highest) {
                target = static_cast<T>(value);
            }
        }
    }

    const std::string* next() {
        if (foreignRevision_ || position_ >= values_.size()) {
            return nullptr;
        }
        return &values_[position_++];
    }

    std::span<const std::string> values_;
    std::size_t position_ = 0;
    bool foreignRevision_ = false;
};

}  // namespace

std::vector<std::string> settingsLines(const Settings& settings, NumberLocale locale) {
    LineWriter writer(locale);
    settings_layout::forEachLine(settings, writer);
    return std::move(writer.lines);
}

Status PARAMETER_SPEICHERN(const std::filesystem::path& path, const Settings& settings,
                           NumberLocale locale) {
    return writeTextFile(path, settingsLines(settings, locale));
}

SettingsRead readSettings(const std::filesystem::path& path, const Settings& current) {
    SettingsRead result{SettingsOutcome::Werkseinstellung, current, {}};
    TextLines file = readTextFile(path);
    if (!file.status.ok()) {
        result.status = std::move(file.status);
        return result;
    }
    if (file.lines.empty() || file.lines.back() != kEndMark) {
        return result;
    }
    // The end mark closes the file; it is not the value of the line it happens to stand on.
    LineReader reader(std::span(file.lines).first(file.lines.size() - 1));
    settings_layout::forEachLine(result.settings, reader);
    if (reader.foreignRevision()) {
        result.outcome = SettingsOutcome::RevisionMismatch;
    } else {
        result.outcome = file.lines.size() == kLineCount ? SettingsOutcome::Applied
                                                         : SettingsOutcome::Incomplete;
    }
    return result;
}

}  // namespace zrv
