#pragma once

#include "chart/DrawingSurface.h"

#include <vector>

namespace testing_support {

// A drawing surface that remembers every point set on it, in order.
class CountingSurface final : public chart::DrawingSurface {
public:
    struct Point {
        float x;
        float y;
        std::uint32_t colour;
    };

    CountingSurface(double width, double height)
        : width(width)
        , height(height)
    { }

    double ScaleWidth() const override { return width; }
    double ScaleHeight() const override { return height; }
    void Clear() override
    {
        points.clear();
        ++clears;
    }
    void SetPoint(float x, float y, std::uint32_t colour) override { points.push_back({ x, y, colour }); }

    double width;
    double height;
    int clears = 0;
    std::vector<Point> points;
};

} // namespace testing_support
