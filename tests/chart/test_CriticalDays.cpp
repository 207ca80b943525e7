#include "chart/CriticalDays.h"
#include "chart/DateComposition.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

using namespace std::chrono;

// Day number -> which cycles are critical, straight from the crossing rule:
// each crossing j * L / 2 makes the day it falls in critical.
std::map<std::int64_t, std::array<bool, 3>> CrossingDays(std::int64_t first, std::int64_t end)
{
    std::map<std::int64_t, std::array<bool, 3>> days;
    for (std::size_t i = 0; i < 3; ++i) {
        const double half = chart::kCycles[i].length / 2.0;
        for (auto j = static_cast<std::int64_t>(std::floor(first / half)); j * half < end; ++j) {
            if (const auto n = static_cast<std::int64_t>(std::floor(j * half)); n >= first)
                days[n][i] = true;
        }
    }
    return days;
}

TEST(CriticalDays, PeriodHoldsTheDaysAZeroCrossingFallsIn)
{
    struct Period {
        year_month_day birth, start;
        int count;
    };
    // The whole pattern from the birthday on, and a stretch across a birth.
    for (const Period& p : { Period { 1980y / January / 4d, 1980y / January / 4d, 10626 },
             Period { 2000y / February / 29d, 1999y / December / 1d, 400 } }) {
        const std::int64_t first = chart::DaysSinceBirth(p.birth, p.start);
        std::map<std::int64_t, std::array<bool, 3>> listed;
        std::map<chart::CriticalKind, int> kinds;
        for (const chart::CriticalDay& day : chart::CriticalDays(p.birth, p.start, p.count)) {
            const auto& c = day.reading.cycles;
            listed[first + day.reading.offset] = { c[0].critical, c[1].critical, c[2].critical };
            EXPECT_EQ(day.reading.dayNumber, first + day.reading.offset);
            EXPECT_EQ(day.date, year_month_day { sys_days { p.start } + days { day.reading.offset } });
            EXPECT_EQ(static_cast<int>(day.kind), c[0].critical + c[1].critical + c[2].critical);
            ++kinds[day.kind];
        }
        EXPECT_EQ(listed, CrossingDays(first, first + p.count));
        EXPECT_GT(kinds[chart::CriticalKind::Double], 0);
        // The whole pattern holds four treble days, the stretch only the birthday.
        EXPECT_EQ(kinds[chart::CriticalKind::Treble], first == 0 ? 4 : 1);
    }
}

TEST(CriticalDays, NextTrebleDayIsTheFirstAfterTheGivenDay)
{
    struct Case {
        year_month_day birth, after;
    };
    for (const Case& c : { Case { 1980y / January / 4d, 2026y / December / 8d },
             Case { 2000y / February / 29d, 1999y / December / 31d }, Case { 1990y / May / 5d, 1990y / May / 5d } }) {
        const std::int32_t from = chart::DaysSinceBirth(c.birth, c.after);
        int offset = 1;
        while (
            !std::ranges::all_of(chart::ReadDay(from, offset).cycles, [](const auto& cycle) { return cycle.critical; }))
            ++offset;
        const chart::CriticalDay next = chart::NextTrebleCriticalDay(c.birth, c.after);
        EXPECT_EQ(next.reading.offset, offset);
        EXPECT_EQ(next.date, year_month_day { sys_days { c.after } + std::chrono::days { offset } });
        EXPECT_EQ(next.kind, chart::CriticalKind::Treble);
    }
}

TEST(CriticalDays, MonthsEndBeforeTheSameDayClampedToTheMonth)
{
    struct Case {
        year_month_day start;
        int months;
        year_month_day end;
    };
    for (const Case& c : { Case { 2026y / December / 8d, 3, 2027y / March / 8d },
             Case { 2024y / January / 31d, 1, 2024y / February / 29d },
             Case { 2024y / February / 29d, 12, 2025y / February / 28d },
             Case { 2025y / October / 31d, 24, 2027y / October / 31d } })
        EXPECT_EQ(chart::DaysInMonths(c.start, c.months), (sys_days { c.end } - sys_days { c.start }).count());
}

TEST(CriticalDays, CsvNamesTheKindAndCycles)
{
    // Birthday, then the 23-day cycle's first halfway day and the 28-day one's.
    EXPECT_EQ(chart::CriticalDaysCsv(chart::CriticalDays(1990y / May / 5d, 1990y / May / 5d, 15)),
        "date,offset,kind,cycles\r\n"
        "1990-05-05,0,treble,Physical+Emotional+Intellectual\r\n"
        "1990-05-16,11,single,Physical\r\n"
        "1990-05-19,14,single,Emotional\r\n");
}

} // namespace
