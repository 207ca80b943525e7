#pragma once

// The months ahead of a report day, day by day, for a planner that shows
// them at a glance: from the first day of the report day's month, for a
// whole number of calendar months, each day's three values and directions
// (DayReading.h), with the extra cycles chosen, and how many of the classical
// cycles are critical on it (CriticalDays.h).
// In: the birthday, the report day and the number of months. Out: the
// months, each with its days, and the moves of a day cursor across them.

#include "chart/CriticalDays.h"
#include "chart/DayReading.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace chart {

inline constexpr int kMostPlannerMonths = 12;

struct PlannerDay {
    std::chrono::year_month_day date;
    // reading.offset counts from the report day, as the chart's days do.
    DayReading reading;
    int criticalCount; // 0 to 3
};

struct PlannerMonth {
    std::chrono::year_month month;
    std::size_t firstDay; // index of its first day in Planner::Days()
    std::size_t dayCount;
};

class Planner {
public:
    // months is clamped to 1 to kMostPlannerMonths.
    Planner(std::chrono::year_month_day birth, std::chrono::year_month_day report, int months,
        const CycleChoice& cycles = {});

    std::chrono::year_month_day Birth() const { return birth; }
    std::chrono::year_month_day Report() const { return report; }
    // The extra cycles each day's reading holds.
    const CycleChoice& Cycles() const { return cycles; }
    const std::vector<PlannerDay>& Days() const { return days; }
    const std::vector<PlannerMonth>& Months() const { return months; }

    // The index of the report day among Days().
    std::size_t ReportIndex() const { return reportIndex; }
    // The index of a date, or Days().size() when the period does not hold it.
    std::size_t IndexOf(std::chrono::year_month_day date) const;

    // A day cursor's moves, kept within the period: days on (or back, when
    // negative), or months on keeping the day of the month where that
    // month has it, else its last day.
    std::size_t MoveDays(std::size_t from, int count) const;
    std::size_t MoveMonths(std::size_t from, int count) const;

private:
    std::chrono::year_month_day birth;
    std::chrono::year_month_day report;
    CycleChoice cycles;
    std::vector<PlannerDay> days;
    std::vector<PlannerMonth> months;
    std::size_t reportIndex = 0;
};

// The initials of the cycles critical on a day, in the order of kCycles:
// "P", "PE", "PEI", or empty.
std::string CriticalInitials(const DayReading& day);

// The column, 0 to 6, of a date in a week that starts on firstWeekday.
int WeekColumn(std::chrono::year_month_day date, std::chrono::weekday firstWeekday);

// How many week rows a month takes in such weeks: 4 to 6.
int WeekRows(std::chrono::year_month month, std::chrono::weekday firstWeekday);

} // namespace chart
