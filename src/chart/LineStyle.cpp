#include "chart/LineStyle.h"

#include <cmath>
#include <numeric>
#include <utility>

namespace chart {

const char* LineStyleName(LineStyle style)
{
    switch (style) {
    case LineStyle::Solid:
        return "solid";
    case LineStyle::Dashed:
        return "dashed";
    case LineStyle::Dotted:
        return "dotted";
    }
    return "solid";
}

std::vector<double> DashPattern(LineStyle style)
{
    switch (style) {
    case LineStyle::Solid:
        return {};
    case LineStyle::Dashed:
        return { 6.0, 3.0 };
    case LineStyle::Dotted:
        return { 1.0, 2.0 };
    }
    return {};
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
