// The cost of one chart request: the whole of it on the chart area's retained
// image, and the walk and plot alone on a surface that keeps nothing. And the
// cost of reading one day out, as the pointer or the day cursor moves. And
// the critical days of a year with the next treble one, and their calendar.

#include "calendar/CriticalCalendar.h"
#include "chart/ChartPlot.h"
#include "chart/CriticalDays.h"
#include "chart/Planner.h"
#include "ui/chart/ChartDescription.h"
#include "ui/chart/DayReadout.h"
#include "ui/drawing/RetainedSurface.h"

#include <benchmark/benchmark.h>

namespace {

// Takes every point and keeps only a running sum, so the plot cannot be
// optimised away.
class NullSurface final : public chart::DrawingSurface {
public:
    double ScaleWidth() const override { return 28.0; }
    double ScaleHeight() const override { return 6465.0; }
    void Clear() override { sum = 0; }
    void SetPoint(float x, float y, std::uint32_t colour) override { sum += x + y + static_cast<float>(colour & 1u); }
    float sum = 0;
};

void ChartRequestOnRetainedImage(benchmark::State& state)
{
    ui::RetainedSurface surface(QSize(431, 431), static_cast<qreal>(state.range(0)));
    surface.SetScaleWidth(28);
    const chart::ChartPlot plot(surface);
    std::int32_t days = 16406;
    for (auto _ : state) {
        surface.Clear();
        plot.DrawCycles(days++);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK(ChartRequestOnRetainedImage)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// The same with all eleven cycles: the four secondary ones walk their
// half-waves as the classical ones do, the four combined ones are read point
// by point.
void ChartRequestWithEveryCycle(benchmark::State& state)
{
    ui::RetainedSurface surface(QSize(431, 431), static_cast<qreal>(state.range(0)));
    surface.SetScaleWidth(28);
    const chart::ChartPlot plot(surface);
    const chart::CycleChoice every
        = *chart::CycleChoice::FromNames("intuitive,aesthetic,awareness,spiritual,passion,mastery,wisdom,average");
    std::int32_t days = 16406;
    for (auto _ : state) {
        surface.Clear();
        plot.DrawCycles(days++, every);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK(ChartRequestWithEveryCycle)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void WalkAndPlotOnNullSurface(benchmark::State& state)
{
    NullSurface surface;
    const chart::ChartPlot plot(surface);
    std::int32_t days = 16406;
    for (auto _ : state) {
        plot.DrawCycles(days++);
        benchmark::DoNotOptimize(surface.sum);
    }
}
BENCHMARK(WalkAndPlotOnNullSurface)->Unit(benchmark::kMicrosecond);

// What a move to another day costs: the readout's lines, with the date in the
// locale's long format, and the spoken description.
void DayReadoutAndDescription(benchmark::State& state)
{
    using namespace std::chrono;
    const ui::ShownChart shown { year_month_day { sys_days { 2026y / December / 8d } - days { 17100 } },
        2026y / December / 8d };
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    int offset = 0;
    for (auto _ : state) {
        offset = offset == 14 ? -14 : offset + 1;
        const std::vector<ui::ReadoutLine> lines = ui::DayReadoutLines(shown, offset, locale);
        const QString description = ui::ChartDescription(shown, offset);
        benchmark::DoNotOptimize(lines.data());
        benchmark::DoNotOptimize(description.constData());
    }
}
BENCHMARK(DayReadoutAndDescription)->Unit(benchmark::kMicrosecond);

// From the birthday itself: the next treble critical day is 7,210 days away,
// the longest search there is.
constexpr std::chrono::year_month_day kBirth { std::chrono::year { 1980 }, std::chrono::January,
    std::chrono::day { 4 } };

void CriticalDaysOfAYearAndNextTreble(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart::CriticalDays(kBirth, kBirth, chart::DaysInMonths(kBirth, 12)));
        benchmark::DoNotOptimize(chart::NextTrebleCriticalDay(kBirth, kBirth));
    }
}
BENCHMARK(CriticalDaysOfAYearAndNextTreble)->Unit(benchmark::kMicrosecond);

void CriticalDaysOfAYearAsCalendar(benchmark::State& state)
{
    const auto days = chart::CriticalDays(kBirth, kBirth, chart::DaysInMonths(kBirth, 12));
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar::CriticalDaysCalendar(kBirth, days, std::chrono::sys_seconds {}));
}
BENCHMARK(CriticalDaysOfAYearAsCalendar)->Unit(benchmark::kMicrosecond);

// The months ahead: every day's values and critical cycles of a year.
void PlannerOfTwelveMonths(benchmark::State& state)
{
    const std::chrono::year_month_day report { std::chrono::year { 2026 }, std::chrono::December,
        std::chrono::day { 8 } };
    for (auto _ : state)
        benchmark::DoNotOptimize(chart::Planner(kBirth, report, 12));
}
BENCHMARK(PlannerOfTwelveMonths)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
