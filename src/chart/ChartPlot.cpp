#include "chart/ChartPlot.h"

#include "chart/BiorhythmCycle.h"
#include "chart/HalfWaveWalk.h"
#include "chart/LineStyle.h"

namespace chart {

ChartPlot::ChartPlot(DrawingSurface& surface)
    : surface(surface)
{ }

void ChartPlot::Parabola(const double& Xa, const double& Ya, const double& LastPt, std::uint32_t RedGreenBlue) const
{
    const double zeroLine = surface.ScaleHeight() / 2.0;
    const double reach = LastPt - Xa;
    const double a = (zeroLine - Ya) / (reach * reach);
    // The step is added rather than recomputed from a counter, so a half-wave
    // ends one point short when the running sum passes LastPt a hair early.
    for (double x = Xa - reach; x <= LastPt;) {
        const double y = a * (x - Xa) * (x - Xa) + Ya;
        surface.SetPoint(static_cast<float>(x), static_cast<float>(y), RedGreenBlue);
        const double next = x + 0.01;
        if (next == x)
            break; // so far out that the step is lost: nothing left to draw
        x = next;
    }
}

void ChartPlot::DrawCycles(std::int32_t daysSinceBirth, const CycleChoice& choice) const
{
    DrawEachCycle(daysSinceBirth, choice, [](const BiorhythmCycle&) {});
}

void ChartPlot::DrawStyledCycles(std::int32_t daysSinceBirth, double pixelsPerUnitX, double pixelsPerUnitY,
    double patternPixels, const CycleChoice& choice) const
{
    StyledSurface styled(surface, pixelsPerUnitX, pixelsPerUnitY, patternPixels);
    const ChartPlot plot(styled);
    plot.DrawEachCycle(
        daysSinceBirth, choice, [&styled](const BiorhythmCycle& cycle) { styled.StartCurve(cycle.style); });
}

void ChartPlot::DrawCombined(std::int32_t daysSinceBirth, const BiorhythmCycle& cycle) const
{
    // Across the window at the half-waves' step, the report day at its middle.
    const double zeroLine = surface.ScaleHeight() / 2.0;
    const double width = surface.ScaleWidth();
    const double firstDay = daysSinceBirth - width / 2.0;
    const int steps = static_cast<int>(width * 100.0 + 0.5);
    for (int step = 0; step <= steps; ++step) {
        const double x = step / 100.0;
        const double y = zeroLine * (1.0 - ValueOf(cycle, firstDay + x));
        surface.SetPoint(static_cast<float>(x), static_cast<float>(y), cycle.colour);
    }
}

template <typename BeforeCycle>
void ChartPlot::DrawEachCycle(std::int32_t daysSinceBirth, const CycleChoice& choice, BeforeCycle beforeCycle) const
{
    for (const std::size_t i : choice.Shown()) {
        const BiorhythmCycle& cycle = kEveryCycle[i];
        beforeCycle(cycle);
        if (cycle.kind == CycleKind::Combined) {
            DrawCombined(daysSinceBirth, cycle);
            continue;
        }
        const double quarter = cycle.length / 4.0;
        WalkHalfWaves(
            daysSinceBirth, cycle.length, [this] { return surface.ScaleWidth(); },
            [this, quarter, &cycle](const HalfWave& wave) {
                const double lastPt = wave.vertex + quarter;
                const double ya = wave.kind == HalfWaveKind::High ? 0.0 : surface.ScaleHeight();
                Parabola(wave.vertex, ya, lastPt, cycle.colour);
            });
    }
}

} // namespace chart
