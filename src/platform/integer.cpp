#include "integer.h"

#include <cmath>
#include <limits>

namespace
{

std::optional<Integer> fitInteger(double whole)
{
    // NaN fails both comparisons, so it is refused as well.
    if (!(whole >= std::numeric_limits<Integer>::min() && whole <= std::numeric_limits<Integer>::max()))
        return std::nullopt;
    return static_cast<Integer>(whole);
}

} // namespace

namespace Numbers
{

std::optional<Integer> toIntegerHalfEven(double value)
{
    // Spelled out rather than std::nearbyint, so that the result does not
    // depend on the floating-point rounding mode.
    const double floor = std::floor(value);
    const double diff = value - floor;
    double whole;
    if (diff < 0.5)
        whole = floor;
    else if (diff > 0.5)
        whole = floor + 1.0;
    else
        whole = std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
    return fitInteger(whole);
}

std::optional<Integer> toIntegerFloor(double value)
{
    return fitInteger(std::floor(value));
}

} // namespace Numbers
