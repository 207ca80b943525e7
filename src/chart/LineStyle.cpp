#include "chart/LineStyle.h"

#include <cmath>
#include <numeric>
#include <utility>

namespace chart {

namespace {

struct StyleRow {
    LineStyle style;
    const char* name;
    std::vector<double> pattern;
};

// Lit and unlit lengths in multiples of a line's width. The extra cycles'
// patterns are as long as the dashed one or longer, so that each shows its
// whole figure over a short stretch of curve.
const std::vector<StyleRow>& Styles()
{
    static const std::vector<StyleRow> styles {
        { LineStyle::Solid, "solid", {} },
        { LineStyle::Dashed, "dashed", { 6.0, 3.0 } },
        { LineStyle::Dotted, "dotted", { 1.0, 2.0 } },
        { LineStyle::LongDashed, "long dashed", { 12.0, 4.0 } },
        { LineStyle::DashDotted, "dash-dotted", { 6.0, 3.0, 1.0, 3.0 } },
        { LineStyle::DashDoubleDotted, "dash-double-dotted", { 6.0, 3.0, 1.0, 3.0, 1.0, 3.0 } },
        { LineStyle::LongDashDotted, "long dash-dotted", { 12.0, 4.0, 1.0, 4.0 } },
        { LineStyle::SparselyDotted, "sparsely dotted", { 1.0, 5.0 } },
        { LineStyle::ShortDashed, "short dashed", { 3.0, 3.0 } },
        { LineStyle::LongDashDoubleDotted, "long dash-double-dotted", { 12.0, 3.0, 1.0, 3.0, 1.0, 3.0 } },
        { LineStyle::LongShortDashed, "long-short dashed", { 12.0, 3.0, 4.0, 3.0 } },
    };
    return styles;
}

const StyleRow& RowOf(LineStyle style)
{
    for (const StyleRow& row : Styles())
        if (row.style == style)
            return row;
    return Styles().front();
}

} // namespace

const char* LineStyleName(LineStyle style)
{
    return RowOf(style).name;
}

std::vector<double> DashPattern(LineStyle style)
{
    return RowOf(style).pattern;
}

StyledSurface::StyledSurface(DrawingSurface& target, double pixelsPerUnitX, double pixelsPerUnitY, double patternPixels)
    : target(target)
    , pixelsPerUnitX(pixelsPerUnitX)
    , pixelsPerUnitY(pixelsPerUnitY)
    , patternPixels(patternPixels)
{ }

void StyledSurface::StartCurve(LineStyle style)
{
    StartCurve(DashPattern(style));
}

void StyledSurface::StartCurve(std::vector<double> lengths)
{
    pattern = std::move(lengths);
    for (double& length : pattern)
        length *= patternPixels;
    period = std::accumulate(pattern.begin(), pattern.end(), 0.0);
    travelled = 0.0;
    started = false;
}

void StyledSurface::SetPoint(float x, float y, std::uint32_t colour)
{
    if (started) {
        const double step = std::hypot((x - lastX) * pixelsPerUnitX, (y - lastY) * pixelsPerUnitY);
        travelled = step > kJumpPixels ? 0.0 : travelled + step;
    }
    started = true;
    lastX = x;
    lastY = y;
    if (!(period > 0.0)) {
        target.SetPoint(x, y, colour);
        return;
    }
    // Even entries are lit, odd ones the gaps after them.
    double along = std::fmod(travelled, period);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (along < pattern[i]) {
            if (i % 2 == 0)
                target.SetPoint(x, y, colour);
            return;
        }
        along -= pattern[i];
    }
}

} // namespace chart
