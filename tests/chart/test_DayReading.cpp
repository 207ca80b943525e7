#include "chart/DayReading.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using chart::CycleDirection;

TEST(DayReading, BirthdayIsZeroRisingAndCriticalForEveryCycle)
{
    const chart::DayReading day = chart::ReadDay(0, 0);
    EXPECT_EQ(day.dayNumber, 0);
    for (const chart::CycleReading& cycle : day.cycles) {
        EXPECT_EQ(cycle.percent, 0.0);
        EXPECT_EQ(cycle.direction, CycleDirection::Rising);
        EXPECT_TRUE(cycle.critical);
    }
}

TEST(DayReading, NamesHighsLowsAndDirections)
{
    // The 28-day cycle peaks on day 7 and bottoms out on day 21; the others
    // never sit exactly on a whole day's start.
    const chart::DayReading high = chart::ReadDay(7, 0);
    EXPECT_EQ(high.cycles[1].percent, 100.0);
    EXPECT_EQ(high.cycles[1].direction, CycleDirection::High);
    const chart::DayReading low = chart::ReadDay(30, -9);
    EXPECT_EQ(low.dayNumber, 21);
    EXPECT_EQ(low.cycles[1].percent, -100.0);
    EXPECT_EQ(low.cycles[1].direction, CycleDirection::Low);

    // Day 6 of the 23-day cycle is just past its high (5.75): falling.
    const chart::CycleReading physical = chart::ReadCycle(6, 23);
    EXPECT_EQ(physical.direction, CycleDirection::Falling);
    EXPECT_NEAR(physical.percent, 100.0 * (1.0 - std::pow(4.0 * 6 / 23 - 1.0, 2)), 1e-12);
    EXPECT_EQ(chart::ReadCycle(18, 23).direction, CycleDirection::Rising); // past the low at 17.25
    EXPECT_EQ(chart::ReadCycle(14, 28).direction, CycleDirection::Falling); // on the way down through 0%
}

TEST(DayReading, HighAndLowAreTheDaysTheVertexFallsIn)
{
    // Against the rule as stated: the day reads high when some high
    // L / 4 + jL lies in [n, n + 1), low when some low 3L / 4 + jL does; once
    // each a cycle, for the 23- and 33-day cycles a quarter day into the day.
    for (const chart::BiorhythmCycle& cycle : chart::kCycles) {
        int highs = 0;
        int lows = 0;
        for (std::int64_t n = -3 * cycle.length; n < 3 * cycle.length; ++n) {
            bool high = false;
            bool low = false;
            for (std::int64_t j = -4; j <= 4; ++j) {
                const double peak = cycle.length / 4.0 + static_cast<double>(j * cycle.length);
                const double trough = peak + cycle.length / 2.0;
                high = high || (peak >= static_cast<double>(n) && peak < static_cast<double>(n + 1));
                low = low || (trough >= static_cast<double>(n) && trough < static_cast<double>(n + 1));
            }
            const CycleDirection direction = chart::ReadCycle(n, cycle.length).direction;
            EXPECT_EQ(direction == CycleDirection::High, high) << cycle.name << " day " << n;
            EXPECT_EQ(direction == CycleDirection::Low, low) << cycle.name << " day " << n;
            highs += high;
            lows += low;
        }
        EXPECT_EQ(highs, 6) << cycle.name;
        EXPECT_EQ(lows, 6) << cycle.name;
    }
    // The 23-day cycle's high at 5.75 and low at 17.25; the 33-day one's at
    // 8.25 and 24.75, and again a cycle before birth at -24.75.
    EXPECT_EQ(chart::ReadCycle(5, 23).direction, CycleDirection::High);
    EXPECT_EQ(chart::ReadCycle(17, 23).direction, CycleDirection::Low);
    EXPECT_EQ(chart::ReadCycle(8, 33).direction, CycleDirection::High);
    EXPECT_EQ(chart::ReadCycle(24, 33).direction, CycleDirection::Low);
    EXPECT_EQ(chart::ReadCycle(-25, 33).direction, CycleDirection::High);
}

TEST(DayReading, CriticalDaysAreThoseAZeroCrossingFallsIn)
{
    // Against the rule as stated: some crossing j * L / 2 lies in [n, n + 1).
    for (const chart::BiorhythmCycle& cycle : chart::kCycles) {
        int criticalDays = 0;
        for (std::int64_t n = -3 * cycle.length; n < 3 * cycle.length; ++n) {
            bool crosses = false;
            for (std::int64_t j = -7; j <= 7 && !crosses; ++j) {
                const double crossing = j * cycle.length / 2.0;
                crosses = crossing >= static_cast<double>(n) && crossing < static_cast<double>(n + 1);
            }
            EXPECT_EQ(chart::ReadCycle(n, cycle.length).critical, crosses) << cycle.name << " day " << n;
            criticalDays += crosses;
        }
        EXPECT_EQ(criticalDays, 12) << cycle.name; // two a cycle
    }
    EXPECT_TRUE(chart::ReadCycle(11, 23).critical);
    EXPECT_TRUE(chart::ReadCycle(23, 23).critical);
    EXPECT_TRUE(chart::ReadCycle(16, 33).critical);
}

TEST(DayReading, ChartDaysRunFromFourteenBeforeToFourteenAfterAndBeforeBirth)
{
    // Birthday 50 days after the report day: the days carry on before birth by
    // the same phase rule.
    const std::vector<chart::DayReading> days = chart::ReadChartDays(-50);
    ASSERT_EQ(days.size(), 29u);
    EXPECT_EQ(days.front().offset, -14);
    EXPECT_EQ(days.front().dayNumber, -64);
    EXPECT_EQ(days.back().offset, 14);
    EXPECT_EQ(days.back().dayNumber, -36);
    // Day -63 (offset -13) is three quarters into a 28-day cycle: its low.
    EXPECT_EQ(days[1].dayNumber, -63);
    EXPECT_EQ(days[1].cycles[1].direction, CycleDirection::Low);
    EXPECT_EQ(days[1].cycles[1].percent, -100.0);
    // On the report day the 33-day cycle falls through 0% at day -49.5.
    EXPECT_EQ(days[14].cycles[2].direction, CycleDirection::Falling);
    EXPECT_TRUE(days[14].cycles[2].critical);
    EXPECT_FALSE(days[15].cycles[2].critical);
}

struct Rounding {
    double percent;
    int whole;
};

void PrintTo(const Rounding& r, std::ostream* out)
{
    *out << r.percent << " -> " << r.whole;
}

class WholePercent : public testing::TestWithParam<Rounding> { };

TEST_P(WholePercent, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(chart::WholePercent(GetParam().percent), GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(Values, WholePercent,
    testing::Values(Rounding { 0.0, 0 }, Rounding { 0.49, 0 }, Rounding { -0.49, 0 }, Rounding { 0.5, 1 },
        Rounding { -0.5, -1 }, Rounding { 1.5, 2 }, Rounding { 2.5, 3 }, Rounding { -2.5, -3 }, Rounding { -57.3, -57 },
        Rounding { 99.6, 100 }, Rounding { 100.0, 100 }, Rounding { -100.0, -100 }));

TEST(DayReading, DatesCrossMonthAndYearEnds)
{
    using namespace std::chrono;
    EXPECT_EQ(chart::DayAt(year { 2026 } / December / 25, 14), year { 2027 } / January / 8);
    EXPECT_EQ(chart::DayAt(year { 2024 } / March / 10, -14), year { 2024 } / February / 25);
    EXPECT_EQ(chart::DayAt(year { 2024 } / March / 14, -14), year { 2024 } / February / 29);
}

} // namespace
