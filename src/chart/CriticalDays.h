#pragma once

// The critical days of a birthday: the days on which one or more cycles cross
// 0%, by the day reading's critical rule (a crossing, a whole multiple of L/2
// from the birthday, lies in [n, n + 1)). The renderer's --critical files and
// the window's list of critical days read them from here.
//
// A period is the start day and the days after it, count days in all. N
// months from a start day run up to, not including, the same day of the
// month N calendar months later, clamped to that month's last day: 3 months
// from 8 December 2026 are 8 December to 7 March 2027 (90 days); 1 month from
// 31 January 2024 ends before 29 February (29 days).
//
// The pattern of critical days repeats every 10,626 days, half the 21,252
// days of all three cycles together, because the 28-day cycle is critical
// every 14 days. All three cycles are critical on 4 days of every 10,626,
// 7,210 days apart at most; one of them is the birthday.

#include "chart/DayReading.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

// How many cycles are critical that day.
enum class CriticalKind { Single = 1, Double = 2, Treble = 3 };
// A day's kind is its count of critical cycles, so every count needs a kind.
static_assert(static_cast<std::size_t>(CriticalKind::Treble) == kCycles.size(),
    "CriticalKind: add the kind of a day on which every cycle is critical, and its name in CriticalKindName and "
    "the calendar's titles");

struct CriticalDay {
    std::chrono::year_month_day date;
    // reading.offset counts from the period's start day (from the day given to
    // NextTrebleCriticalDay); reading.dayNumber from the birthday; the
    // cycles' values, directions and critical flags in the order of kCycles.
    DayReading reading;
    CriticalKind kind;
};

// The number of days in months calendar months from start, as above.
int DaysInMonths(std::chrono::year_month_day start, int months);

// The critical days among the dayCount days from start on, in date order.
std::vector<CriticalDay> CriticalDays(
    std::chrono::year_month_day birth, std::chrono::year_month_day start, int dayCount);

// The first day after the given one on which all three cycles are critical,
// never that day itself: given the birthday, the next such day after it,
// 7,210 days later; given the day before the birthday, the birthday.
CriticalDay NextTrebleCriticalDay(std::chrono::year_month_day birth, std::chrono::year_month_day after);

// "single", "double" or "treble".
std::string_view CriticalKindName(CriticalKind kind);

// CSV as the value table writes it (CRLF line ends), with the header row
// date,offset,kind,cycles: the ISO date, the offset from the start day, the
// kind's name and the critical cycles joined by "+" ("Physical+Emotional").
std::string CriticalDaysCsv(const std::vector<CriticalDay>& days);

} // namespace chart
