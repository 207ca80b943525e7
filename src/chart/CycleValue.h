#pragma once

#include <cstdint>

namespace chart {

// The value, from -1 (-100%) to +1 (+100%), of a cycle of the given length on
// day n after birth (fractions of a day allowed, negative n before birth).
// Highs fall a quarter of the way through each cycle and lows three quarters,
// and the curve between them is a chain of parabolas, not a sine: an eighth
// of the way through, the value is 0.75.
double CycleValue(double n, std::int16_t length);

} // namespace chart
