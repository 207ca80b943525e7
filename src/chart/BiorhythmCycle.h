#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace chart {

// One of the classical cycles. Lengths are whole days; the colour is written
// 0x00BBGGRR, red in the low byte, as the chart and the legend share it.
struct BiorhythmCycle {
    std::string_view name;
    std::int16_t length;
    std::uint32_t colour;
};

// In the order they are drawn: later curves lie over earlier ones.
inline constexpr std::array<BiorhythmCycle, 3> kCycles = { {
    { "Physical", 23, 0x0000FFu },
    { "Emotional", 28, 0x00FF00u },
    { "Intellectual", 33, 0xFF80FFu },
} };

} // namespace chart
