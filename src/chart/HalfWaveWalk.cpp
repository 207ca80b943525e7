#include "chart/HalfWaveWalk.h"

namespace chart {

void WalkHalfWaves(std::int32_t daysSinceBirth, std::int16_t length, const std::function<double()>& windowWidth,
    const std::function<void(const HalfWave&)>& onHalfWave)
{
    if (length <= 0)
        return;
    const double l = length;
    const double half = l / 2.0;
    const double quarter = l / 4.0;

    // Truncating remainder: negative before birth, which the phase rule
    // accepts as it stands.
    const double m = static_cast<double>(daysSinceBirth % length);
    double x = windowWidth() / 2.0 - (m - quarter);
    while (x > 0.0)
        x -= l;
    x -= half;

    // The edge test is made in single precision, the precision in which the
    // chart area holds its scale.
    while (static_cast<float>(x) < static_cast<float>(windowWidth())) {
        x += half;
        if (x + quarter >= 0.0)
            onHalfWave({ HalfWaveKind::High, x });
        x += half;
        if (x + quarter >= 0.0)
            onHalfWave({ HalfWaveKind::Low, x });
    }
}

std::vector<HalfWave> HalfWaves(std::int32_t daysSinceBirth, std::int16_t length, double windowWidth)
{
    std::vector<HalfWave> waves;
    WalkHalfWaves(
        daysSinceBirth, length, [windowWidth] { return windowWidth; },
        [&waves](const HalfWave& wave) { waves.push_back(wave); });
    return waves;
}

} // namespace chart
