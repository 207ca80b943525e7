#include "chart/CycleValue.h"

#include <cmath>

namespace chart {

double CycleValue(double n, std::int16_t length)
{
    const double l = length;
    const double r = n - l * std::floor(n / l);
    const double q = 4.0 * r / l;
    if (r <= l / 2.0)
        return 1.0 - (q - 1.0) * (q - 1.0);
    return (q - 3.0) * (q - 3.0) - 1.0;
}

} // namespace chart
