#include "CountingSurface.h"
#include "chart/BiorhythmCycle.h"
#include "chart/ChartPlot.h"
#include "chart/CycleValue.h"
#include "chart/DayReading.h"
#include "chart/ValueTable.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using chart::CycleChoice;
using chart::CycleDirection;
using chart::kEveryCycle;

std::size_t IndexOf(std::string_view name)
{
    for (std::size_t i = 0; i < kEveryCycle.size(); ++i)
        if (kEveryCycle[i].name == name)
            return i;
    return kEveryCycle.size();
}

TEST(ExtraCycles, SecondaryCyclesFollowTheHalfWaveRuleAndCombinedOnesTheMeans)
{
    for (const auto& cycle : kEveryCycle) {
        if (cycle.kind != chart::CycleKind::Secondary)
            continue;
        const double l = cycle.length;
        EXPECT_NEAR(chart::ValueOf(cycle, l / 4.0), 1.0, 1e-12) << cycle.name;
        EXPECT_NEAR(chart::ValueOf(cycle, 3.0 * l / 4.0), -1.0, 1e-12) << cycle.name;
        EXPECT_NEAR(chart::ValueOf(cycle, l / 8.0 + 5.0 * l), 0.75, 1e-12) << cycle.name;
        EXPECT_NEAR(chart::ValueOf(cycle, -l / 2.0), 0.0, 1e-12) << cycle.name;
    }
    const auto p = [](double n) { return chart::CycleValue(n, 23); };
    const auto e = [](double n) { return chart::CycleValue(n, 28); };
    const auto i = [](double n) { return chart::CycleValue(n, 33); };
    for (const double n : { -40.25, 0.0, 7.5, 1234.0, 20000.75 }) {
        EXPECT_DOUBLE_EQ(chart::ValueOf(kEveryCycle[IndexOf("Passion")], n), (p(n) + e(n)) / 2.0);
        EXPECT_DOUBLE_EQ(chart::ValueOf(kEveryCycle[IndexOf("Mastery")], n), (p(n) + i(n)) / 2.0);
        EXPECT_DOUBLE_EQ(chart::ValueOf(kEveryCycle[IndexOf("Wisdom")], n), (e(n) + i(n)) / 2.0);
        EXPECT_NEAR(chart::ValueOf(kEveryCycle[IndexOf("Average")], n), (p(n) + e(n) + i(n)) / 3.0, 1e-15);
    }
}

// Over years of days, a combined cycle's readings agree with its values:
// rising or falling as the day's end stands to its start, and its tops and
// bottoms alternate. No extra cycle is ever critical.
TEST(ExtraCycles, ReadingsAgreeWithTheCurve)
{
    for (const auto& cycle : kEveryCycle) {
        if (cycle.kind == chart::CycleKind::Classical)
            continue;
        CycleDirection lastTurn = CycleDirection::Rising;
        int turns = 0;
        for (std::int64_t n = -400; n < 3000; ++n) {
            const chart::CycleReading reading = chart::ReadExtraCycle(n, cycle);
            ASSERT_FALSE(reading.critical) << cycle.name << " day " << n;
            ASSERT_DOUBLE_EQ(reading.percent, chart::ValueOf(cycle, static_cast<double>(n)) * 100.0);
            const double change = chart::ValueOf(cycle, n + 1.0) - chart::ValueOf(cycle, static_cast<double>(n));
            if (reading.direction == CycleDirection::Rising)
                ASSERT_GE(change, 0.0) << cycle.name << " day " << n;
            else if (reading.direction == CycleDirection::Falling)
                ASSERT_LT(change, 0.0) << cycle.name << " day " << n;
            else {
                ASSERT_NE(reading.direction, lastTurn) << cycle.name << " turns the same way twice, day " << n;
                lastTurn = reading.direction;
                ++turns;
            }
        }
        EXPECT_GT(turns, 3400 / 60) << cycle.name;
    }
}

TEST(ExtraCycles, ChoiceIsReadFromNamesInAnyOrderAndWrittenInTheTablesOrder)
{
    const auto choice = CycleChoice::FromNames("average,intuitive,wisdom");
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->Names(), "intuitive,wisdom,average");
    EXPECT_EQ(choice->Shown(),
        (std::vector<std::size_t> { 0, 1, 2, IndexOf("Intuitive"), IndexOf("Wisdom"), IndexOf("Average") }));
    EXPECT_EQ(CycleChoice::FromNames(choice->Names()), choice);
    EXPECT_EQ(CycleChoice::FromNames(""), CycleChoice());
    for (const char* bad :
        { "physical", "intuitive,intuitive", "intuitive,", ",average", "Average", "mystic", "wisdom average" })
        EXPECT_FALSE(CycleChoice::FromNames(bad)) << bad;
}

TEST(ExtraCycles, ValueTableHasAColumnForEachChosenCycleBeforeCritical)
{
    using namespace std::chrono;
    const auto choice = *CycleChoice::FromNames("spiritual,passion");
    const std::string csv = chart::ValuesCsv(1980y / January / 4d, 2026y / December / 8d, choice);
    const std::string header = csv.substr(0, csv.find("\r\n"));
    EXPECT_EQ(header, "date,offset,physical,emotional,intellectual,spiritual,passion,critical");
    // The report day's row, offset 0: day 17,140 after birth.
    const std::size_t row = csv.find(",0,");
    ASSERT_NE(row, std::string::npos);
    const std::string line = csv.substr(row, csv.find("\r\n", row) - row);
    const double spiritual = chart::CycleValue(17140.0, 53) * 100.0;
    EXPECT_NE(line.find("," + chart::PercentText(spiritual) + ","), std::string::npos) << line;
    EXPECT_EQ(chart::ValuesCsv(1980y / January / 4d, 2026y / December / 8d),
        chart::ValuesCsv(1980y / January / 4d, 2026y / December / 8d, CycleChoice()));
}

TEST(ExtraCycles, ChartDrawsTheChosenCyclesAfterTheClassicalOnesInTheirColours)
{
    testing_support::CountingSurface plain(28.0, 200.0);
    chart::ChartPlot(plain).DrawCycles(17140);
    testing_support::CountingSurface more(28.0, 200.0);
    chart::ChartPlot(more).DrawCycles(17140, *CycleChoice::FromNames("average,aesthetic"));
    ASSERT_GT(more.points.size(), plain.points.size());
    for (std::size_t k = 0; k < plain.points.size(); ++k)
        ASSERT_EQ(more.points[k].colour, plain.points[k].colour);
    const auto& aesthetic = more.points[plain.points.size()];
    EXPECT_EQ(aesthetic.colour, kEveryCycle[IndexOf("Aesthetic")].colour);
    const auto& average = more.points.back();
    EXPECT_EQ(average.colour, kEveryCycle[IndexOf("Average")].colour);
    EXPECT_FLOAT_EQ(average.x, 28.0f);
    EXPECT_NEAR(average.y, 100.0 * (1.0 - chart::ValueOf(kEveryCycle[IndexOf("Average")], 17154.0)), 1e-3);
}

} // namespace
