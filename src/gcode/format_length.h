#pragma once

#include <string>

#include "text/number_locale.h"

namespace zrv {

// FORMAT_LAENGE: a length in mm as text with the unit m, cm or mm ("1m", "15cm", "57mm",
// "5,25mm"); each threshold belongs to the smaller unit.
std::string FORMAT_LAENGE(double millimetres, NumberLocale locale);

}  // namespace zrv
