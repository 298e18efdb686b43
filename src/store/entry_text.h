#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace zrv {

struct Point {
    double x = 0;
    double y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// The point of a point entry: X is the leading number two characters after the first "X",
// Y likewise after the first "Y".
Point readPoint(std::string_view entry);

// The pairs of a path entry, in order: find the next "X" and read X after it, find the next "Y"
// after that and read Y after it, go on after that "Y"; the walk ends when no "X" follows. An
// "X" without a "Y" after it gives a last pair with Y = 0. Numbers follow leadingNumber.
std::vector<Point> readPairs(std::string_view entry);

// The last of those pairs, without reading the ones before; none when there is no pair.
std::optional<Point> readLastPair(std::string_view entry);

}  // namespace zrv
