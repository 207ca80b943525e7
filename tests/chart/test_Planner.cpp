#include "CountingSurface.h"
#include "chart/ChartPlot.h"
#include "chart/CriticalDays.h"
#include "chart/DateComposition.h"
#include "chart/LineStyle.h"
#include "chart/Planner.h"
#include "chart/ValueTable.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

using namespace std::chrono;

TEST(Planner, MonthsFromTheFirstOfTheReportMonthMarkTheListedCriticalDays)
{
    // A leap February and a year's turn inside the period; a birth in it.
    const year_month_day birth = 2024y / March / 10d;
    const year_month_day report = 2023y / December / 31d;
    const chart::Planner planner(birth, report, 12);

    ASSERT_EQ(planner.Months().size(), 12u);
    EXPECT_EQ(planner.Months().front().month, 2023y / December);
    EXPECT_EQ(planner.Months()[2].dayCount, 29u);
    EXPECT_EQ(planner.Months().back().month, 2024y / November);
    ASSERT_EQ(planner.Days().size(), 31u + 366u - 31u);
    EXPECT_EQ(planner.Days().front().date, 2023y / December / 1d);
    EXPECT_EQ(planner.Days()[planner.ReportIndex()].date, report);
    EXPECT_EQ(planner.Days()[planner.ReportIndex()].reading.offset, 0);

    const std::vector<chart::CriticalDay> listed
        = chart::CriticalDays(birth, 2023y / December / 1d, static_cast<int>(planner.Days().size()));
    std::map<sys_days, const chart::CriticalDay*> byDate;
    for (const chart::CriticalDay& day : listed)
        byDate[sys_days { day.date }] = &day;
    for (const chart::PlannerDay& day : planner.Days()) {
        const auto found = byDate.find(sys_days { day.date });
        const int expected = found == byDate.end() ? 0 : static_cast<int>(found->second->kind);
        EXPECT_EQ(day.criticalCount, expected) << chart::IsoDate(day.date);
        EXPECT_EQ(static_cast<int>(chart::CriticalInitials(day.reading).size()), expected);
        EXPECT_EQ(day.reading.dayNumber, chart::DaysSinceBirth(birth, day.date));
    }
    // The birthday is critical for all three cycles.
    EXPECT_EQ(chart::CriticalInitials(planner.Days()[planner.IndexOf(birth)].reading), "PEI");
}

TEST(Planner, CursorMovesStayInsideThePeriod)
{
    const chart::Planner planner(1980y / January / 4d, 2024y / January / 15d, 3);
    const auto at = [&](year_month_day date) { return planner.IndexOf(date); };
    EXPECT_EQ(planner.Days()[planner.MoveMonths(at(2024y / January / 31d), 1)].date, 2024y / February / 29d);
    EXPECT_EQ(planner.MoveMonths(at(2024y / March / 31d), 1), planner.Days().size() - 1);
    EXPECT_EQ(planner.MoveMonths(at(2024y / January / 20d), -1), 0u);
    EXPECT_EQ(planner.MoveDays(at(2024y / January / 3d), -7), 0u);
    EXPECT_EQ(planner.Days()[planner.MoveDays(at(2024y / January / 31d), 1)].date, 2024y / February / 1d);
    EXPECT_EQ(at(2024y / April / 1d), planner.Days().size());
    // January 2024 starts on a Monday: five rows from Sunday, six for
    // March 2024 (a Friday) from Sunday.
    EXPECT_EQ(chart::WeekColumn(2024y / January / 1d, Sunday), 1);
    EXPECT_EQ(chart::WeekRows(2024y / January, Sunday), 5);
    EXPECT_EQ(chart::WeekRows(2024y / March, Sunday), 6);
    EXPECT_EQ(chart::WeekRows(2026y / February, Sunday), 4);
}

// The styled curves are the plain ones with gaps: the solid one whole, the
// dashed one with long runs, the dotted one with short, sparse ones.
TEST(LineStyles, StyledCyclesLightTheirPatternsOfThePlainPoints)
{
    testing_support::CountingSurface plain(28, 6465);
    testing_support::CountingSurface styled(28, 6465);
    chart::ChartPlot(plain).DrawCycles(16000);
    const double perX = 430 / 28.0;
    const double perY = 430 / 6465.0;
    chart::ChartPlot(styled).DrawStyledCycles(16000, perX, perY, 1.5);

    std::map<std::uint32_t, std::vector<testing_support::CountingSurface::Point>> plainByColour, styledByColour;
    for (const auto& p : plain.points)
        plainByColour[p.colour].push_back(p);
    for (const auto& p : styled.points)
        styledByColour[p.colour].push_back(p);
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i) {
        const auto& all = plainByColour[chart::kCycles[i].colour];
        const auto& lit = styledByColour[chart::kCycles[i].colour];
        // Runs of lit points, measured in pixels along the curve.
        std::vector<double> runs { 0.0 };
        std::size_t next = 0;
        for (std::size_t k = 0; k < all.size(); ++k) {
            const bool on = next < lit.size() && lit[next].x == all[k].x && lit[next].y == all[k].y;
            if (on)
                ++next;
            if (on && k > 0)
                runs.back() += std::hypot((all[k].x - all[k - 1].x) * perX, (all[k].y - all[k - 1].y) * perY);
            else if (!on && runs.back() > 0)
                runs.push_back(0.0);
        }
        ASSERT_EQ(next, lit.size()) << "a lit point that the plain curve does not have";
        if (runs.back() == 0.0)
            runs.pop_back();
        const double longest = *std::max_element(runs.begin(), runs.end());
        switch (chart::kCycles[i].style) {
        case chart::LineStyle::Solid:
            EXPECT_EQ(lit.size(), all.size());
            break;
        case chart::LineStyle::Dashed:
            EXPECT_GT(runs.size(), 20u);
            EXPECT_NEAR(longest, 9.0, 1.0);
            break;
        case chart::LineStyle::Dotted:
            EXPECT_GT(runs.size(), 60u);
            EXPECT_NEAR(longest, 1.5, 1.0);
            break;
        default:
            ADD_FAILURE() << "a classical cycle in an extra cycle's style";
        }
    }
}

} // namespace
