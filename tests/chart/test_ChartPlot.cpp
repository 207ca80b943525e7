#include "CountingSurface.h"
#include "chart/ChartPlot.h"
#include "chart/CycleValue.h"
#include "chart/HalfWaveWalk.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using testing_support::CountingSurface;

constexpr double kWidth = 28.0;
constexpr double kHeight = 6465.0;

class ParabolaPoints : public testing::TestWithParam<std::int16_t> { };

// 100 points to the day across half a cycle, both ends included, unless the
// running sum of steps passes the right end a hair before reaching it.
TEST_P(ParabolaPoints, HundredToTheDayFromEndToEnd)
{
    const std::int16_t length = GetParam();
    const double quarter = length / 4.0;
    for (const chart::HalfWave& wave : chart::HalfWaves(0, length, kWidth)) {
        SCOPED_TRACE(wave.vertex);
        CountingSurface surface(kWidth, kHeight);
        const double ya = wave.kind == chart::HalfWaveKind::High ? 0.0 : kHeight;
        const double lastPt = wave.vertex + quarter;
        chart::ChartPlot(surface).Parabola(wave.vertex, ya, lastPt, 0x123456u);

        const std::size_t count = surface.points.size();
        EXPECT_TRUE(count == 50u * length + 1 || count == 50u * length) << count;
        EXPECT_EQ(surface.points.front().x, static_cast<float>(wave.vertex - quarter));
        EXPECT_LE(surface.points.back().x, static_cast<float>(lastPt));
        EXPECT_GT(surface.points.back().x, static_cast<float>(lastPt - 0.0101));
        for (const CountingSurface::Point& p : surface.points) {
            ASSERT_EQ(p.colour, 0x123456u);
            // The value drawn is the cycle's own, through the mapping
            // y = H(1 - v)/2 of the chart area.
            const double v = 1.0 - 2.0 * p.y / kHeight;
            const double n = p.x - kWidth / 2;
            ASSERT_NEAR(v, chart::CycleValue(n, length), 1e-5) << p.x;
        }
        // Vertex on the edge, both ends on the 0% line.
        const auto [low, high] = std::minmax_element(
            surface.points.begin(), surface.points.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
        EXPECT_NEAR(wave.kind == chart::HalfWaveKind::High ? low->y : high->y, ya, 1e-3);
        EXPECT_NEAR(surface.points.front().y, kHeight / 2, 1e-3);
        EXPECT_NEAR(surface.points.back().y, kHeight / 2, kHeight * 0.01);
    }
}

INSTANTIATE_TEST_SUITE_P(AllCycles, ParabolaPoints, testing::Values(23, 28, 33));

TEST(Parabola, DrawsNothingWhenTheStartLiesRightOfTheEnd)
{
    CountingSurface surface(kWidth, kHeight);
    chart::ChartPlot(surface).Parabola(5.0, 0.0, 4.0, 0xFFu);
    EXPECT_TRUE(surface.points.empty());
}

TEST(Parabola, EndsWhenTheStepIsTooSmallToMoveOn)
{
    CountingSurface surface(kWidth, kHeight);
    const double xa = 1e17;
    const double lastPt = xa + 64.0;
    chart::ChartPlot(surface).Parabola(xa, 0.0, lastPt, 0xFFu);
    EXPECT_EQ(surface.points.size(), 1u);
}

std::size_t CountColour(const CountingSurface& surface, std::uint32_t colour)
{
    return static_cast<std::size_t>(std::count_if(surface.points.begin(), surface.points.end(),
        [colour](const CountingSurface::Point& p) { return p.colour == colour; }));
}

TEST(DrawCycles, DrawsTheThreeCyclesInOrderWithoutClearing)
{
    CountingSurface surface(kWidth, kHeight);
    chart::ChartPlot(surface).DrawCycles(0);

    // Physical and Emotional have four half-waves at d = 0, Intellectual three.
    const std::size_t red = CountColour(surface, 0x0000FFu);
    const std::size_t green = CountColour(surface, 0x00FF00u);
    const std::size_t violet = CountColour(surface, 0xFF80FFu);
    EXPECT_GE(red, 4u * 1150);
    EXPECT_LE(red, 4u * 1151);
    EXPECT_GE(green, 4u * 1400);
    EXPECT_LE(green, 4u * 1401);
    EXPECT_GE(violet, 3u * 1650);
    EXPECT_LE(violet, 3u * 1651);
    ASSERT_EQ(surface.points.size(), red + green + violet);

    // Each cycle drawn whole before the next begins.
    EXPECT_EQ(surface.points[red - 1].colour, 0x0000FFu);
    EXPECT_EQ(surface.points[red].colour, 0x00FF00u);
    EXPECT_EQ(surface.points[red + green].colour, 0xFF80FFu);
    EXPECT_EQ(surface.clears, 0);
}

TEST(DrawCycles, LowsReachTheSurfacesOwnHeight)
{
    CountingSurface surface(kWidth, 100.0);
    chart::ChartPlot(surface).DrawCycles(0);
    const auto deepest = std::max_element(
        surface.points.begin(), surface.points.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
    const auto highest = std::min_element(
        surface.points.begin(), surface.points.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
    EXPECT_NEAR(deepest->y, 100.0f, 1e-3);
    EXPECT_NEAR(highest->y, 0.0f, 1e-3);
}

TEST(DrawCycles, FollowsTheSurfacesWidth)
{
    CountingSurface narrow(kWidth, kHeight);
    CountingSurface wide(2 * kWidth, kHeight);
    chart::ChartPlot(narrow).DrawCycles(0);
    chart::ChartPlot(wide).DrawCycles(0);
    EXPECT_GT(wide.points.size(), narrow.points.size());
    const auto rightmost = std::max_element(
        wide.points.begin(), wide.points.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    EXPECT_GE(rightmost->x, 2 * kWidth);
}

} // namespace
