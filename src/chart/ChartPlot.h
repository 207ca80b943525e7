#pragma once

// The biorhythm chart without a window: the three cycles, the day count
// between two dates, where each cycle's highs and lows fall in the 28-day
// window around the report day, and their drawing, point by point, onto any
// DrawingSurface. In: a birthday and a report day (or the day count between
// them) and the surface's scale. Out: points set on the surface.

#include "chart/BiorhythmCycle.h"
#include "chart/DrawingSurface.h"

#include <cstdint>

namespace chart {

// The days across the chart, the report day in the middle: the scale width
// every surface the cycles are drawn on is given.
inline constexpr double kChartDays = 28.0;

class ChartPlot {
public:
    explicit ChartPlot(DrawingSurface& surface);

    // One parabolic half-wave with its vertex at (Xa, Ya), meeting the 0%
    // line at x = LastPt and at its mirror point left of the vertex, drawn
    // 100 points to the unit in colour RedGreenBlue (0x00BBGGRR).
    void Parabola(const double& Xa, const double& Ya, const double& LastPt, std::uint32_t RedGreenBlue) const;

    // The three cycles for a report day daysSinceBirth days after birth, and
    // after them the extra ones chosen, in drawing order, each half-wave drawn
    // as soon as it is found (a combined cycle, which has none, point by point
    // at the same step). Does not clear what is already there.
    void DrawCycles(std::int32_t daysSinceBirth, const CycleChoice& choice = {}) const;

    // The same cycles in their line styles (LineStyle.h): only the points on
    // the lit parts of each style's pattern, measured in the surface's
    // pixels, of which there are pixelsPerUnitX and pixelsPerUnitY to a unit
    // of its scale, patternPixels to a unit of the pattern.
    void DrawStyledCycles(std::int32_t daysSinceBirth, double pixelsPerUnitX, double pixelsPerUnitY,
        double patternPixels, const CycleChoice& choice = {}) const;

private:
    template <typename BeforeCycle>
    void DrawEachCycle(std::int32_t daysSinceBirth, const CycleChoice& choice, BeforeCycle beforeCycle) const;
    void DrawCombined(std::int32_t daysSinceBirth, const BiorhythmCycle& cycle) const;

    DrawingSurface& surface;
};

} // namespace chart
