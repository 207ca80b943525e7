#include "app/RoundHalfEven.h"

#include <cmath>
#include <limits>

namespace app {

std::optional<std::int32_t> RoundHalfEvenToInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Done by hand rather than with nearbyint so that the result does not
    // depend on the floating-point environment's rounding mode.
    const double below = std::floor(value);
    const double fraction = value - below; // exact for every finite double
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min())
        || rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

} // namespace app
