#pragma once

// How well two people's cycles line up, from their birthdays alone. For each
// cycle, compatibility = 50 x (1 + r) percent, where r is the correlation of
// the two people's curves over one whole cycle,
//
//     r = (integral over a cycle of v(n) v(n + D)) / (integral over a cycle of v(n)^2),
//
// v the cycle's own curve (CycleValue.h, a chain of parabolas, not a sine)
// and D the days from one birthday to the other. Same day, or a whole number
// of cycles apart: 100%; a quarter cycle: 50%; half a cycle: 0%. The overall
// figure is the mean of the three classical cycles. A chosen secondary cycle
// (BiorhythmCycle.h) follows the same rule with its own length; a combined
// cycle, a mean of classical curves, has no figure of its own to add.
//
// Closed form: with s the shift as a fraction of the cycle, folded the short
// way round into [0, 1/2] (the curve's shape is the same read backwards),
//
//     r = (1 - 4s) (1 + 2s - 4s^2)^2,
//
// from integrating the piecewise quadratic by pieces (the denominator is
// 8/15 of a cycle's length). It gives 361/512 at s = 1/8 (85.3%) and
// 2523/3125 at s = 1/10 (90.4%); a sine would give 85.4% and 90.5%.

#include "chart/BiorhythmCycle.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace chart {

// r for a shift of the given fraction of a cycle (any real number).
double ShiftCorrelation(double cycleFraction);

// Days from one birthday to the other, folded the short way round one cycle
// of the given length: 0 to length / 2.
int DaysOutOfStep(std::int64_t daysApart, std::int16_t length);

// One chosen secondary cycle's figure.
struct ExtraCompatibility {
    std::size_t cycle; // index into kEveryCycle
    double percent;
    int daysOutOfStep;
};

struct Compatibility {
    std::array<double, kCycles.size()> cycles; // percent, in the order of kCycles
    double average; // percent, of the classical three alone
    std::array<int, kCycles.size()> daysOutOfStep;
    // The chosen secondary cycles, in the table's order; none by default.
    std::vector<ExtraCompatibility> extras;
};

Compatibility CompatibilityOf(
    std::chrono::year_month_day first, std::chrono::year_month_day second, const CycleChoice& choice = {});

// The cycles that get a figure of their own: the classical three, then the
// chosen secondary ones. Indices into kEveryCycle.
std::vector<std::size_t> CompatibilityCycles(const Compatibility& compatibility);

// One cycle's figure and its days out of step, the cycle an index into
// kEveryCycle: a classical one, or a secondary one among the extras. Throws
// std::out_of_range for a cycle without a figure.
ExtraCompatibility CompatibilityFigure(const Compatibility& compatibility, std::size_t cycle);

// "Physical: 85.3%, the cycles are 3 days apart, about an eighth of a cycle":
// what a screen reader says for one cycle, and the printed page prints. The
// cycle is an index into kEveryCycle: a classical one, or a secondary one
// among the compatibility's extras.
std::string CompatibilitySentence(const Compatibility& compatibility, std::size_t cycle);

// cycle,percent with the rows physical, emotional, intellectual, then any
// chosen secondary cycles by their lower-case names, and average, one
// decimal, CRLF line ends as the value table.
std::string CompatibilityCsv(const Compatibility& compatibility);

} // namespace chart
