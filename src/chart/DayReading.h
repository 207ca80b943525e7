#pragma once

// Reading the chart day by day: for a day of the chart, each cycle's value,
// where it is heading and whether the day is critical for it. The hover
// readout, the keyboard day cursor, the printed table and the exported values
// all read the same days from here.
//
// A chart for a report day d days after birth shows the days at offsets k from
// -14 to +14, day number n = d + k, drawn at window position x = 14 + k. The
// rules, for a cycle of length L and r = n mod L (0 <= r < L):
// - value: the cycle's value at the start of the day, v(n), the very point the
//   chart's curve passes at that day's column, in percent;
// - direction: high on the day its high falls in, that is L/4 lies in
//   [r, r + 1), low on the day its low falls in (3L/4 in [r, r + 1)), just as
//   a day is critical for the crossing it holds; otherwise falling when the
//   day starts between the high and the low, rising when it starts between a
//   low and the next high. Only the 28-day cycle's highs and lows fall at the
//   very start of a day; the others' fall a quarter or three quarters into one;
// - critical: the cycle crosses 0% during the day, that is a crossing, at a
//   day number jL or L/2 + jL for any whole j, lies in [n, n + 1). Every cycle
//   is critical on the birthday and on the first day of each of its cycles
//   (r = 0), and once more halfway: the 23-day cycle on r = 11, the 28-day one
//   on r = 14, the 33-day one on r = 16.

#include "chart/BiorhythmCycle.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

namespace chart {

// The chart's first and last day, counted from the report day.
inline constexpr int kFirstDayOffset = -14;
inline constexpr int kLastDayOffset = 14;

enum class CycleDirection { Rising, Falling, High, Low };

struct CycleReading {
    double percent; // -100 to +100
    CycleDirection direction;
    bool critical;
};

struct DayReading {
    int offset; // days from the report day
    std::int64_t dayNumber; // days since birth
    std::array<CycleReading, kCycles.size()> cycles; // in the order of kCycles
    // The extra cycles chosen, in the order of CycleChoice::Extras(). They
    // are never critical: the critical days are the classical cycles'.
    std::vector<CycleReading> extras = {};
};

// Whether a cycle of the given length crosses 0% during day number n: the
// critical rule above, alone, for searches that need no values.
bool IsCritical(std::int64_t dayNumber, std::int16_t length);

// A value in whole percent, as the readout and the spoken description say
// it: rounded half away from zero (std::lround), so that a value and its
// mirror image below 0% read as numbers of the same size and only values
// within half a percent of 0% read "0%". (Halves to even would round 0.5% and
// 1.5% in opposite directions.) The value table keeps one decimal instead
// (PercentText in ValueTable.h).
int WholePercent(double percent);

// One cycle on day number n (negative before birth).
CycleReading ReadCycle(std::int64_t dayNumber, std::int16_t length);

// An extra cycle on day number n: a secondary cycle by the rules above, a
// combined one with its value at the start of the day, High or Low on a day
// that holds its top or bottom, else Rising or Falling over the day.
CycleReading ReadExtraCycle(std::int64_t dayNumber, const BiorhythmCycle& cycle);

// The day at the given offset from a report day daysSinceBirth days after
// birth, with the extra cycles chosen.
DayReading ReadDay(std::int32_t daysSinceBirth, int offset, const CycleChoice& choice = {});

// The chart's 29 days, from kFirstDayOffset to kLastDayOffset.
std::vector<DayReading> ReadChartDays(std::int32_t daysSinceBirth, const CycleChoice& choice = {});

// The calendar date offset days from the report day.
std::chrono::year_month_day DayAt(std::chrono::year_month_day reportDay, int offset);

} // namespace chart
