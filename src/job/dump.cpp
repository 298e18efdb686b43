#include "job/dump.h"

#include <cmath>

#include "text/hex.h"

namespace zrv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Lets the window breathe and shows "i von n" whenever the clock's second has changed.
class SecondTicker {
  public:
    SecondTicker(Host& host, std::size_t total) : host_(host), total_(std::to_string(total)) {}

    void at(std::size_t index) {
        const double second = std::floor(host_.clock.secondsSinceMidnight());
        if (noted_ && second == lastSecond_) {
            return;
        }
        host_.progress.processEvents();
        host_.progress.step(std::to_string(index) + " von " + total_);
        lastSecond_ = second;
        noted_ = true;
        host_.progress.processEvents();
    }

  private:
    Host& host_;
    std::string total_;
    double lastSecond_ = 0;
    bool noted_ = false;
};

// The hex digits are plain ASCII, so the text is already its Windows-1252 form.
std::string dumpText(std::string_view inhalt, DumpLayout layout, SecondTicker& ticker) {
    const std::string_view separator = layout == DumpLayout::Horizontal ? "\t" : kLineEnd;
    std::string text;
    text.reserve(inhalt.size() * (2 + separator.size()) + kLineEnd.size());
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        text += HEX_BYTE(static_cast<std::uint8_t>(inhalt[i]));
        text += separator;
        ticker.at(i + 1);
    }
    if (layout == DumpLayout::Horizontal) {
        text += kLineEnd;
    }
    return text;
}

}  // namespace

WriteResult writeDump(const DrawingFile& file, DumpLayout layout, Host& host) {
    return writeTextExport(file, host, [&] {
        SecondTicker ticker(host, file.DATEI_INHALT.size());
        return dumpText(file.DATEI_INHALT, layout, ticker);
    });
}

}  // namespace zrv
