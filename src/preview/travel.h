#pragma once

#include <optional>
#include <span>
#include <string>

#include "store/entry_text.h"

namespace zrv {

// The straight way along points visited one after another, summed as they come.
class TravelSum {
  public:
    // Adds the way from the last point to `to`; gives where that way starts (`to` itself for
    // the first point, which adds nothing).
    Point moveTo(Point to);
    double sum() const { return sum_; }

  private:
    std::optional<Point> last_;
    double sum_ = 0;
};

// FAHRWEG_BOHRUNGEN: the straight distances between consecutive holes in list order (the way
// from (0, 0) to the first hole is not included).
double FAHRWEG_BOHRUNGEN(std::span<const std::string> punkte);

// FAHRWEG_FRAESUNGEN: the length of every path plus the jumps from the end of each path to the
// start of the next, in list order.
double FAHRWEG_FRAESUNGEN(std::span<const std::string> fraesungen);

}  // namespace zrv
