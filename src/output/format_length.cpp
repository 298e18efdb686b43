#include "output/format_length.h"

namespace zrv {

// Placeholder until the length format lands.
std::string FORMAT_LAENGE(double, NumberLocale) { return {}; }

}  // namespace zrv
