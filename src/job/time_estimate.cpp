#include "job/time_estimate.h"

namespace zrv {

// Placeholders until the time estimates land.
double ZEIT_FRAESUNGEN(double, std::string_view) { return 0; }
double ZEIT_BOHRUNGEN(std::size_t, std::string_view, std::string_view) { return 0; }

}  // namespace zrv
