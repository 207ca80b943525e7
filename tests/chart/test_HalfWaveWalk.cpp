#include "chart/BiorhythmCycle.h"
#include "chart/CycleValue.h"
#include "chart/HalfWaveWalk.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using chart::HalfWave;
using chart::HalfWaveKind;

constexpr double kWindow = 28.0;
constexpr HalfWaveKind H = HalfWaveKind::High;
constexpr HalfWaveKind L = HalfWaveKind::Low;

struct Walk {
    std::int32_t days;
    std::int16_t length;
    std::vector<HalfWave> expected;
};

void PrintTo(const Walk& w, std::ostream* os)
{
    *os << "d=" << w.days << " L=" << w.length;
}

class WalkPositions : public testing::TestWithParam<Walk> { };

TEST_P(WalkPositions, YieldsTheHalfWavesInOrder)
{
    const Walk& w = GetParam();
    EXPECT_EQ(chart::HalfWaves(w.days, w.length, kWindow), w.expected);
}

INSTANTIATE_TEST_SUITE_P(BirthdayIsReportDay, WalkPositions,
    testing::Values(Walk { 0, 23, { { H, -3.25 }, { L, 8.25 }, { H, 19.75 }, { L, 31.25 } } },
        Walk { 0, 28, { { H, -7 }, { L, 7 }, { H, 21 }, { L, 35 } } },
        // The high at -10.75 ends at -2.5, left of the window, and is skipped.
        Walk { 0, 33, { { L, 5.75 }, { H, 22.25 }, { L, 38.75 } } }));

INSTANTIATE_TEST_SUITE_P(OneDayAfterBirth, WalkPositions,
    testing::Values(Walk { 1, 23, { { H, -4.25 }, { L, 7.25 }, { H, 18.75 }, { L, 30.25 } } },
        Walk { 1, 28, { { L, 6 }, { H, 20 }, { L, 34 } } },
        Walk { 1, 33, { { L, 4.75 }, { H, 21.25 }, { L, 37.75 } } }));

INSTANTIATE_TEST_SUITE_P(OneDayBeforeBirth, WalkPositions,
    testing::Values(Walk { -1, 23, { { H, -2.25 }, { L, 9.25 }, { H, 20.75 }, { L, 32.25 } } },
        Walk { -1, 28, { { H, -6 }, { L, 8 }, { H, 22 }, { L, 36 } } },
        Walk { -1, 33, { { L, 6.75 }, { H, 23.25 }, { L, 39.75 } } }));

// The walk only stops after a low at or beyond the right edge, so with the
// first high just inside the window two whole half-waves lie right of it.
INSTANTIATE_TEST_SUITE_P(FiftyDaysBeforeBirth, WalkPositions,
    testing::Values(Walk { -50, 23, { { H, 0.75 }, { L, 12.25 }, { H, 23.75 }, { L, 35.25 } } },
        Walk { -50, 28, { { L, 1 }, { H, 15 }, { L, 29 } } },
        Walk { -50, 33, { { H, 6.25 }, { L, 22.75 }, { H, 39.25 }, { L, 55.75 } } }));

// A low exactly on the right edge ends the walk; a high exactly on the left
// edge has its right half inside and is drawn.
INSTANTIATE_TEST_SUITE_P(VerticesOnTheEdges, WalkPositions,
    testing::Values(Walk { 7, 28, { { L, 0 }, { H, 14 }, { L, 28 } } },
        Walk { -7, 28, { { H, 0 }, { L, 14 }, { H, 28 }, { L, 42 } } }));

struct WholeCycles {
    std::int32_t days;
    std::int16_t length;
};

void PrintTo(const WholeCycles& w, std::ostream* os)
{
    *os << "d=" << w.days << " L=" << w.length;
}

class WholeCyclesSinceBirth : public testing::TestWithParam<WholeCycles> { };

TEST_P(WholeCyclesSinceBirth, DrawLikeTheBirthday)
{
    const WholeCycles& w = GetParam();
    EXPECT_EQ(chart::HalfWaves(w.days, w.length, kWindow), chart::HalfWaves(0, w.length, kWindow));
}

INSTANTIATE_TEST_SUITE_P(Multiples, WholeCyclesSinceBirth,
    testing::Values(WholeCycles { 23, 23 }, WholeCycles { 28, 28 }, WholeCycles { 33, 33 },
        WholeCycles { 23 * 1000, 23 }, WholeCycles { -23 * 5, 23 }, WholeCycles { -28, 28 }, WholeCycles { 21252, 23 },
        WholeCycles { 21252, 28 }, WholeCycles { 21252, 33 }, WholeCycles { -21252, 33 }));

// Across many day counts, both sides of birth: every yielded vertex is a
// high or low of the cycle value on the day it stands for, the half-waves
// alternate a half cycle apart and, end to end, cover the window.
TEST(WalkCoverage, VerticesFollowThePhaseRuleAndCoverTheWindow)
{
    for (const chart::BiorhythmCycle& cycle : chart::kCycles) {
        const double quarter = cycle.length / 4.0;
        for (std::int32_t d = -400; d <= 400; ++d) {
            SCOPED_TRACE(testing::Message() << "L=" << cycle.length << " d=" << d);
            const std::vector<HalfWave> waves = chart::HalfWaves(d, cycle.length, kWindow);
            ASSERT_GE(waves.size(), 3u);
            ASSERT_LE(waves.size(), 5u);
            EXPECT_LE(waves.front().vertex - quarter, 0.0);
            EXPECT_GE(waves.front().vertex + quarter, 0.0);
            EXPECT_EQ(waves.back().kind, HalfWaveKind::Low);
            EXPECT_GE(waves.back().vertex, kWindow);
            for (std::size_t i = 0; i < waves.size(); ++i) {
                const double n = d + waves[i].vertex - kWindow / 2;
                EXPECT_DOUBLE_EQ(chart::CycleValue(n, cycle.length), waves[i].kind == H ? 1.0 : -1.0);
                if (i > 0) {
                    EXPECT_NE(waves[i].kind, waves[i - 1].kind);
                    EXPECT_DOUBLE_EQ(waves[i].vertex - waves[i - 1].vertex, 2 * quarter);
                }
            }
        }
    }
}

TEST(WalkCoverage, ReadsTheWindowWidthAfreshOnEveryPass)
{
    int reads = 0;
    std::vector<HalfWave> waves;
    // The width doubles once the walk is under way: the walk goes on to the
    // new edge instead of stopping at the old one.
    chart::WalkHalfWaves(
        0, 28, [&reads] { return ++reads <= 2 ? 28.0 : 56.0; },
        [&waves](const HalfWave& wave) { waves.push_back(wave); });
    ASSERT_FALSE(waves.empty());
    EXPECT_EQ(waves.back().vertex, 63.0);
    EXPECT_EQ(reads, 1 + static_cast<int>(waves.size()) / 2 + 1);
}

TEST(WalkCoverage, HandsOverEachHalfWaveAsSoonAsItIsFound)
{
    int reads = 0;
    std::vector<int> readsAtYield;
    chart::WalkHalfWaves(
        0, 23, [&reads] { return ++reads, 28.0; }, [&](const HalfWave&) { readsAtYield.push_back(reads); });
    // Two half-waves per pass, the first pass after two reads of the width.
    EXPECT_EQ(readsAtYield, (std::vector<int> { 2, 2, 3, 3 }));
}

TEST(WalkCoverage, NoCycleLengthNoHalfWaves)
{
    EXPECT_TRUE(chart::HalfWaves(5, 0, kWindow).empty());
    EXPECT_TRUE(chart::HalfWaves(5, -23, kWindow).empty());
}

} // namespace
