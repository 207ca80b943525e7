#pragma once

// Conversion of a number to a signed 32-bit whole number the way the stored
// counts have always been read: to the nearest whole number, halves to the
// even neighbour.

#include <cstdint>
#include <optional>

namespace app {

// Nothing for NaN, infinities and results outside the 32-bit range.
std::optional<std::int32_t> RoundHalfEvenToInt32(double value);

} // namespace app
