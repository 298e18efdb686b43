#include "base/host.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "text/number_format.h"

namespace zrv {
namespace {

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

std::string elapsedLine(const Host& host, double start) {
    constexpr double kSecondsPerDay = 24 * 3600;
    double seconds = host.clock.secondsSinceMidnight() - start;
    if (seconds < 0) {
        seconds += kSecondsPerDay;
    }
    return formatPattern(seconds, "0.000", host.locale) + "s";
}

double SystemClock::secondsSinceMidnight() const {
    using namespace std::chrono;
    const std::tm local = localNow();
    const auto sinceEpoch = system_clock::now().time_since_epoch();
    const double fraction =
        static_cast<double>(duration_cast<microseconds>(sinceEpoch).count() % 1000000) / 1e6;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

std::string SystemClock::dateText() const {
    const std::tm local = localNow();
    const std::string day = twoDigits(local.tm_mday);
    const std::string month = twoDigits(local.tm_mon + 1);
    const std::string year = std::to_string(local.tm_year + 1900);
    // German systems write 07.12.2026; others get the unambiguous 2026-12-07.
    return locale_.decimal == ',' ? day + "." + month + "." + year : year + "-" + month + "-" + day;
}

std::string SystemClock::timeText() const {
    const std::tm local = localNow();
    return twoDigits(local.tm_hour) + ":" + twoDigits(local.tm_min) + ":" + twoDigits(local.tm_sec);
}

}  // namespace zrv
