#pragma once

// The cycles told apart without colour: physical solid, emotional dashed,
// intellectual dotted, and each extra cycle a pattern of its own
// (BiorhythmCycle.h). Printed and exported pages stroke their curves with
// these patterns as well as their colours; the window's chart does so on
// request. In: a cycle. Out: its style, the style's pattern, and on a surface
// of single points (the window's chart) the points of a curve that the
// pattern leaves lit.

#include "chart/BiorhythmCycle.h"
#include "chart/DrawingSurface.h"

#include <array>
#include <cstddef>
#include <vector>

namespace chart {

// "solid", "dashed", "dotted", "long dashed", ...: as a legend names it.
const char* LineStyleName(LineStyle style);

// Lit and unlit lengths in turn, in multiples of a line's width, as a
// painter's dash pattern takes them; empty for solid. The dots are drawn as
// short dashes so that they keep a visible length with square or flat caps.
std::vector<double> DashPattern(LineStyle style);

// Draws onto another surface only the points that fall on the lit parts of
// a style's pattern, measured along the curve in pixels of the target, so
// that the dashes keep their length on the steep and the flat parts alike.
// The points of one curve must come in order along it; StartCurve() begins
// the next one at the start of its pattern, and so does a jump of more than
// kJumpPixels between two points.
class StyledSurface final : public DrawingSurface {
public:
    // pixelsPerUnitX and pixelsPerUnitY: the target's pixels per unit of its
    // scale; patternPixels: a pattern's unit, the width of a line, in pixels.
    StyledSurface(DrawingSurface& target, double pixelsPerUnitX, double pixelsPerUnitY, double patternPixels);

    void StartCurve(LineStyle style);
    // A pattern of its own: lit and unlit lengths in turn, in units of
    // patternPixels.
    void StartCurve(std::vector<double> lengths);

    static constexpr double kJumpPixels = 8.0;

    double ScaleWidth() const override { return target.ScaleWidth(); }
    double ScaleHeight() const override { return target.ScaleHeight(); }
    void Clear() override { target.Clear(); }
    void SetPoint(float x, float y, std::uint32_t colour) override;

private:
    DrawingSurface& target;
    double pixelsPerUnitX;
    double pixelsPerUnitY;
    double patternPixels;
    std::vector<double> pattern; // in pixels
    double period = 0.0;
    double travelled = 0.0;
    bool started = false;
    float lastX = 0.0f;
    float lastY = 0.0f;
};

} // namespace chart
