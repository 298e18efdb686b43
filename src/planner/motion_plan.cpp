#include "planner/motion_plan.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zrv {
namespace {

constexpr double kUnlimited = std::numeric_limits<double>::infinity();
// The plan keeps speeds and accelerations within what any machine could have, so that every
// product and quotient of the block times stays finite, whatever the profile and feeds say.
constexpr double kSlowest = 1e-6 / 60;  // mm/s
constexpr double kFastest = 1e9 / 60;   // mm/s
constexpr double kWeakest = 1e-6;       // mm/s²
constexpr double kStrongest = 1e12;     // mm/s²
// A wait longer than this (some 30 years) is a typing error, not a plan.
constexpr double kLongestWait = 1e9;  // s

// The axis limits along a direction: the largest value for which no axis exceeds its own.
double limitAlong(const Vector3& unit, const std::array<double, 3>& axisLimits) {
    double limit = kUnlimited;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        if (unit[axis] != 0) {
            limit = std::min(limit, axisLimits[axis] / std::abs(unit[axis]));
        }
    }
    return limit;
}

double length(const Vector3& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

}  // namespace

double junctionSpeedSquared(const Vector3& from, const Vector3& to, const MachineProfile& profile) {
    // The angle between the reversed incoming and the outgoing direction: 0 is a reversal.
    const double cosTheta = -(from[0] * to[0] + from[1] * to[1] + from[2] * to[2]);
    if (cosTheta > 0.999999) {
        return 0;
    }
    if (cosTheta < -0.999999) {
        return kUnlimited;
    }
    Vector3 turn{to[0] - from[0], to[1] - from[1], to[2] - from[2]};
    const double turnLength = length(turn);
    for (double& component : turn) {
        component /= turnLength;
    }
    // The corner's centripetal acceleration points along the change of direction.
    const double acceleration = limitAlong(turn, profile.acceleration);
    const double sinHalf = std::sqrt(0.5 * (1 - cosTheta));
    return acceleration * profile.junctionDeviation * sinHalf / (1 - sinHalf);
}

double blockSeconds(double length, double speed, double acceleration, double entry, double exit) {
    const double cruise = speed * speed;
    const double rampLength = (2 * cruise - entry - exit) / (2 * acceleration);
    if (rampLength <= length) {
        return (2 * speed - std::sqrt(entry) - std::sqrt(exit)) / acceleration +
               (length - rampLength) / speed;
    }
    const double peak = std::sqrt((2 * acceleration * length + entry + exit) / 2);
    return (2 * peak - std::sqrt(entry) - std::sqrt(exit)) / acceleration;
}

MotionPlan::MotionPlan(const MachineProfile& profile, std::size_t sections)
    : profile_(profile), seconds_(sections, 0.0) {}

void MotionPlan::move(const Vector3& delta, double feed, std::size_t section) {
    const double distance = length(delta);
    if (!(distance > 0) || !(feed > 0)) {
        return;
    }
    Block block;
    block.length = distance;
    block.section = section;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        block.unit[axis] = delta[axis] / distance;
    }
    block.speed = std::clamp(std::min(feed, limitAlong(block.unit, profile_.maxRate)) / 60,
                             kSlowest, kFastest);
    block.acceleration =
        std::clamp(limitAlong(block.unit, profile_.acceleration), kWeakest, kStrongest);
    if (!stretch_.empty()) {
        const Block& previous = stretch_.back();
        block.entryLimit = std::min({junctionSpeedSquared(previous.unit, block.unit, profile_),
                                     previous.speed * previous.speed, block.speed * block.speed});
    }
    stretch_.push_back(block);
}

void MotionPlan::standStill() {
    const std::size_t count = stretch_.size();
    // Backward: every block can still brake to the stand-still at the end.
    std::vector<double>& entry = entry_;
    entry.assign(count + 1, 0.0);
    for (std::size_t i = count; i-- > 0;) {
        const Block& block = stretch_[i];
        entry[i] = std::min(block.entryLimit, entry[i + 1] + 2 * block.acceleration * block.length);
    }
    // Forward: every entry can be reached from the stand-still at the start.
    for (std::size_t i = 1; i < count; ++i) {
        const Block& previous = stretch_[i - 1];
        entry[i] = std::min(entry[i], entry[i - 1] + 2 * previous.acceleration * previous.length);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const Block& block = stretch_[i];
        seconds_[block.section] +=
            blockSeconds(block.length, block.speed, block.acceleration, entry[i], entry[i + 1]);
    }
    stretch_.clear();
}

void MotionPlan::wait(double seconds, std::size_t section) {
    seconds_[section] += std::clamp(seconds, 0.0, kLongestWait);
}

}  // namespace zrv
