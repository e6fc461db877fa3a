#pragma once

#include <cmath>
#include <cstdint>

namespace olk {

// Rounds to the nearest integer, halves to even, whatever the floating-point
// rounding mode: the rule for every rounding in the game (screen geometry,
// ratings).
inline std::int64_t roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) {
        result = floor + 1.0;
    }
    return static_cast<std::int64_t>(result);
}

}  // namespace olk
