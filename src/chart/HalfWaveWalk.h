#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace chart {

enum class HalfWaveKind { High, Low };

// One parabolic arch of a cycle: its vertex at window position `vertex`
// (+100% for a high, -100% for a low), reaching 0% a quarter cycle either side.
struct HalfWave {
    HalfWaveKind kind;
    double vertex;

    friend bool operator==(const HalfWave&, const HalfWave&) = default;
};

// Walks the highs and lows of a cycle of the given length across a chart
// window showing the report day in its middle, d days after birth. The
// window's width is asked for afresh on every pass, and each half-wave goes
// to onHalfWave as soon as it is found, so a caller can draw while walking.
// Half-waves wholly left of the window are skipped; the walk ends only after
// a low at or beyond the right edge, so the last one or two lie partly or
// wholly right of the window.
void WalkHalfWaves(std::int32_t daysSinceBirth, std::int16_t length, const std::function<double()>& windowWidth,
    const std::function<void(const HalfWave&)>& onHalfWave);

// The same walk over a window of fixed width, collected.
std::vector<HalfWave> HalfWaves(std::int32_t daysSinceBirth, std::int16_t length, double windowWidth);

} // namespace chart
