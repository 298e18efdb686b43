#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "planner/machine_profile.h"

namespace zrv {

using Vector3 = std::array<double, 3>;  // X Y Z in mm

// The controller's planner: moves are queued until the machine stands still, then the whole
// stretch is planned at once (look-ahead over everything in between) and its time is added to
// the section each move belongs to.
class MotionPlan {
  public:
    MotionPlan(const MachineProfile& profile, std::size_t sections);

    // A straight move by `delta` at `feed` mm/min (a rapid passes infinity: the axes' rates
    // alone limit it), counted for `section`. A move of no length is dropped, as the controller
    // does.
    void move(const Vector3& delta, double feed, std::size_t section);

    // The machine comes to a stand-still here (stop, spindle change, dwell).
    void standStill();

    // Time that is not motion, such as a dwell.
    void wait(double seconds, std::size_t section);

    // Seconds per section so far; call standStill() first for the moves still queued.
    const std::vector<double>& sectionSeconds() const { return seconds_; }

  private:
    struct Block {
        double length = 0;        // mm
        double speed = 0;         // nominal, mm/s
        double acceleration = 0;  // mm/s²
        double entryLimit = 0;    // highest entry speed², from the junction
        Vector3 unit{};
        std::size_t section = 0;
    };

    MachineProfile profile_;
    std::vector<Block> stretch_;  // reused from stretch to stretch, as is entry_
    std::vector<double> entry_;   // entry speed² per block, then the final stand-still
    std::vector<double> seconds_;
};

// The largest speed² the junction deviation allows at the corner from direction `from` into
// `to` (unit vectors): 0 for a reversal, unlimited for a straight continuation.
double junctionSpeedSquared(const Vector3& from, const Vector3& to, const MachineProfile& profile);

// Seconds of one block that enters at speed² `entry`, leaves at `exit` and cruises at most at
// `speed` (mm/s) with `acceleration`: a trapezoid, or a triangle when the block is too short.
double blockSeconds(double length, double speed, double acceleration, double entry, double exit);

}  // namespace zrv
