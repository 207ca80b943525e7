#include "chart/CycleValue.h"

#include <gtest/gtest.h>

namespace {

struct Point {
    double fraction; // of the cycle's length
    double value;
};

class CycleValueTest : public testing::TestWithParam<std::tuple<std::int16_t, Point>> { };

TEST_P(CycleValueTest, FollowsTheParabolicChain)
{
    const auto [length, point] = GetParam();
    const double n = point.fraction * length;
    EXPECT_NEAR(chart::CycleValue(n, length), point.value, 1e-12);
    // Whole cycles later, and before birth, the value repeats.
    EXPECT_NEAR(chart::CycleValue(n + 3.0 * length, length), point.value, 1e-12);
    EXPECT_NEAR(chart::CycleValue(n - 7.0 * length, length), point.value, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(AllCycles, CycleValueTest,
    testing::Combine(testing::Values(std::int16_t { 23 }, std::int16_t { 28 }, std::int16_t { 33 }),
        testing::Values(Point { 0.0, 0.0 }, Point { 0.125, 0.75 }, Point { 0.25, 1.0 }, Point { 0.375, 0.75 },
            Point { 0.5, 0.0 }, Point { 0.625, -0.75 }, Point { 0.75, -1.0 }, Point { 0.875, -0.75 })));

TEST(CycleValue, HitsItsExtremesExactly)
{
    EXPECT_EQ(chart::CycleValue(5.75, 23), 1.0);
    EXPECT_EQ(chart::CycleValue(17.25, 23), -1.0);
    EXPECT_EQ(chart::CycleValue(11.5, 23), 0.0);
    EXPECT_EQ(chart::CycleValue(7.0, 28), 1.0);
    EXPECT_EQ(chart::CycleValue(24.75, 33), -1.0);
}

} // namespace
