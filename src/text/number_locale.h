#pragma once

namespace zrv {

// How numbers are written for the user: the decimal sign and the thousands grouping sign.
struct NumberLocale {
    char decimal = '.';
    char grouping = ',';
};

inline constexpr NumberLocale kGermanLocale{',', '.'};
inline constexpr NumberLocale kCLocale{'.', ','};

}  // namespace zrv
