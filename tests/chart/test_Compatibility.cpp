#include "chart/Compatibility.h"
#include "chart/CycleValue.h"
#include "chart/ValueTable.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

// The definition itself, integrated numerically over one cycle of the
// parabolic curve: the closed form must agree for every whole-day shift.
double BruteForceCompatibility(int daysApart, std::int16_t length)
{
    constexpr int kSteps = 20000;
    double product = 0.0;
    double square = 0.0;
    for (int i = 0; i < kSteps; ++i) {
        const double n = (i + 0.5) * length / kSteps;
        product += chart::CycleValue(n, length) * chart::CycleValue(n + daysApart, length);
        square += chart::CycleValue(n, length) * chart::CycleValue(n, length);
    }
    return 50.0 * (1.0 + product / square);
}

TEST(Compatibility, FollowsTheParabolicCurveNotASine)
{
    const struct {
        double fraction;
        const char* percent;
    } known[] = { { 0.0, "100.0" }, { 1.0, "100.0" }, { 3.0, "100.0" }, { 0.25, "50.0" }, { 0.75, "50.0" },
        { 0.5, "0.0" }, { 0.125, "85.3" }, { -0.125, "85.3" }, { 0.1, "90.4" } };
    for (const auto& [fraction, percent] : known)
        EXPECT_EQ(chart::PercentText(50.0 * (1.0 + chart::ShiftCorrelation(fraction))), percent) << fraction;
    EXPECT_DOUBLE_EQ(chart::ShiftCorrelation(0.125), 361.0 / 512.0);

    for (const chart::BiorhythmCycle& cycle : chart::kCycles)
        for (int days = -cycle.length; days <= 2 * cycle.length; ++days)
            EXPECT_NEAR(50.0 * (1.0 + chart::ShiftCorrelation(static_cast<double>(days) / cycle.length)),
                BruteForceCompatibility(days, cycle.length), 1e-6)
                << cycle.name << ' ' << days;
}

TEST(Compatibility, DependsOnTheBirthdaysAlone)
{
    const year_month_day anna = year { 1984 } / March / 2;
    const year_month_day ben = year { 1984 } / March / 5; // 3 days later
    const chart::Compatibility same = chart::CompatibilityOf(anna, anna);
    EXPECT_EQ(chart::CompatibilityCsv(same),
        "cycle,percent\r\nphysical,100.0\r\nemotional,100.0\r\nintellectual,100.0\r\naverage,100.0\r\n");
    EXPECT_EQ(chart::CompatibilitySentence(same, 0), "Physical: 100.0%, the cycles are in step");

    const chart::Compatibility pair = chart::CompatibilityOf(anna, ben);
    EXPECT_EQ(chart::CompatibilityCsv(pair), chart::CompatibilityCsv(chart::CompatibilityOf(ben, anna)));
    EXPECT_DOUBLE_EQ(pair.average, (pair.cycles[0] + pair.cycles[1] + pair.cycles[2]) / 3.0);
    EXPECT_EQ(chart::CompatibilitySentence(pair, 0),
        "Physical: " + chart::PercentText(BruteForceCompatibility(3, 23))
            + "%, the cycles are 3 days apart, about an eighth of a cycle");
    // 14 of 28 days: exactly opposite.
    const chart::Compatibility opposite = chart::CompatibilityOf(anna, year { 1984 } / March / 16);
    EXPECT_EQ(chart::CompatibilitySentence(opposite, 1), "Emotional: 0.0%, the cycles are half a cycle apart");
    // 20 days on a 23-day cycle is 3 days the other way round.
    EXPECT_EQ(chart::DaysOutOfStep(20, 23), 3);
    EXPECT_EQ(chart::DaysOutOfStep(-20, 23), 3);
}

// A chosen secondary cycle gets a row by the same rule with its own length,
// between the classical rows and the average, which stays theirs; a combined
// cycle, a mean of classical curves, gets none.
TEST(Compatibility, ChosenSecondaryCyclesFollowTheSameRule)
{
    const year_month_day anna = year { 1984 } / March / 2;
    const year_month_day ben = year { 1984 } / March / 14; // a quarter of the 48-day cycle later
    const std::optional<chart::CycleChoice> all
        = chart::CycleChoice::FromNames("intuitive,aesthetic,awareness,spiritual,passion,mastery,wisdom,average");
    ASSERT_TRUE(all.has_value());
    const chart::Compatibility plain = chart::CompatibilityOf(anna, ben);
    const chart::Compatibility chosen = chart::CompatibilityOf(anna, ben, *all);
    EXPECT_EQ(chosen.cycles, plain.cycles);
    EXPECT_EQ(chosen.average, plain.average);
    ASSERT_EQ(chosen.extras.size(), 4U);
    EXPECT_EQ(chart::CompatibilitySentence(chosen, 5),
        "Awareness: 50.0%, the cycles are 12 days apart, about a quarter of a cycle");

    std::string expected = "cycle,percent\r\n";
    for (std::size_t cycle = 0; cycle < 7; ++cycle) // physical to spiritual
        expected += chart::LowerCaseName(chart::kEveryCycle[cycle]) + ','
            + chart::PercentText(BruteForceCompatibility(12, chart::kEveryCycle[cycle].length)) + "\r\n";
    EXPECT_EQ(chart::CompatibilityCsv(chosen), expected + "average," + chart::PercentText(plain.average) + "\r\n");
}

} // namespace
