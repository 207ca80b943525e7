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

void ChartPlot::DrawCycles(std::int32_t daysSinceBirth) const
{
    DrawEachCycle(daysSinceBirth, [](std::size_t) {});
}

void ChartPlot::DrawStyledCycles(
    std::int32_t daysSinceBirth, double pixelsPerUnitX, double pixelsPerUnitY, double patternPixels) const
{
    StyledSurface styled(surface, pixelsPerUnitX, pixelsPerUnitY, patternPixels);
    const ChartPlot plot(styled);
    plot.DrawEachCycle(daysSinceBirth, [&styled](std::size_t cycle) { styled.StartCurve(kCycleLineStyles[cycle]); });
}

template <typename BeforeCycle>
void ChartPlot::DrawEachCycle(std::int32_t daysSinceBirth, BeforeCycle beforeCycle) const
{
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        const BiorhythmCycle& cycle = kCycles[i];
        beforeCycle(i);
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
