#pragma once

// Every cycle the chart can show, in one table: the three classical cycles,
// always shown, and the extra ones a user may choose. A cycle is added by
// adding a row (and its name to the renderer's list, which is read from here).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

enum class CycleKind {
    Classical, // always shown; the critical days are theirs
    Secondary, // the same half-wave rule as the classical ones, longer
    Combined, // the mean of classical values at the same moment
};

// How a curve is told apart without colour (LineStyle.h draws them).
enum class LineStyle {
    Solid,
    Dashed,
    Dotted,
    LongDashed,
    DashDotted,
    DashDoubleDotted,
    LongDashDotted,
    SparselyDotted,
    ShortDashed,
    LongDashDoubleDotted,
    LongShortDashed,
};

// Lengths are whole days (0 for a combined cycle); the colour is written
// 0x00BBGGRR, red in the low byte, as the chart and the legend share it. A
// combined cycle is the mean of the classical cycles whose bits (1 << index)
// are set in `of`.
struct BiorhythmCycle {
    std::string_view name;
    std::int16_t length;
    std::uint32_t colour;
    CycleKind kind = CycleKind::Classical;
    LineStyle style = LineStyle::Solid;
    std::uint8_t of = 0;
};

// In the order they are drawn and listed: later curves lie over earlier ones.
// The extra cycles' colours stay apart from each other and from the classical
// ones on the black chart and on white paper (see the README).
inline constexpr std::array<BiorhythmCycle, 11> kEveryCycle = { {
    { "Physical", 23, 0x0000FFu, CycleKind::Classical, LineStyle::Solid },
    { "Emotional", 28, 0x00FF00u, CycleKind::Classical, LineStyle::Dashed },
    { "Intellectual", 33, 0xFF80FFu, CycleKind::Classical, LineStyle::Dotted },
    { "Intuitive", 38, 0x00A5FFu, CycleKind::Secondary, LineStyle::LongDashed },
    { "Aesthetic", 43, 0xBEBE00u, CycleKind::Secondary, LineStyle::DashDotted },
    { "Awareness", 48, 0x00A0B4u, CycleKind::Secondary, LineStyle::DashDoubleDotted },
    { "Spiritual", 53, 0xFF8246u, CycleKind::Secondary, LineStyle::LongDashDotted },
    { "Passion", 0, 0xB469FFu, CycleKind::Combined, LineStyle::SparselyDotted, 0b011 },
    { "Mastery", 0, 0x466EA0u, CycleKind::Combined, LineStyle::ShortDashed, 0b101 },
    { "Wisdom", 0, 0xFF5A8Cu, CycleKind::Combined, LineStyle::LongDashDoubleDotted, 0b110 },
    { "Average", 0, 0xAAAAAAu, CycleKind::Combined, LineStyle::LongShortDashed, 0b111 },
} };

// The classical cycles, the first rows of the table.
inline constexpr std::size_t kClassicalCount = 3;
inline constexpr std::array<BiorhythmCycle, kClassicalCount> kCycles
    = { kEveryCycle[0], kEveryCycle[1], kEveryCycle[2] };

// Which extra cycles are shown beside the classical ones: a set of indices
// into kEveryCycle. Empty by default, which is the chart as it always was.
class CycleChoice {
public:
    CycleChoice() = default;

    bool Has(std::size_t cycle) const { return cycle < kClassicalCount || ((bits >> cycle) & 1u) != 0; }
    void Set(std::size_t cycle, bool shown);
    bool Empty() const { return bits == 0; }

    // The cycles shown, indices into kEveryCycle in its order: the classical
    // ones first, then the chosen extra ones.
    std::vector<std::size_t> Shown() const;
    // The chosen extra cycles alone, in the table's order.
    std::vector<std::size_t> Extras() const;

    // "intuitive,average": the chosen cycles' lower-case names joined by
    // commas, in the table's order; empty when none is chosen.
    std::string Names() const;
    // The same list read back: any extra cycles' names in any order.
    // Nothing for an unknown, classical or repeated name, or an empty part.
    static std::optional<CycleChoice> FromNames(std::string_view list);

    friend bool operator==(const CycleChoice&, const CycleChoice&) = default;

private:
    std::uint16_t bits = 0;
};

// "physical": the cycle's name as the value table's header, the calendar's
// texts and the renderer's --cycles write it.
std::string LowerCaseName(const BiorhythmCycle& cycle);

// The value, from -1 to +1, of any cycle on day n after birth (fractions of a
// day allowed): a classical or secondary cycle's own curve (CycleValue.h), a
// combined cycle's mean of its classical values.
double ValueOf(const BiorhythmCycle& cycle, double n);

} // namespace chart
