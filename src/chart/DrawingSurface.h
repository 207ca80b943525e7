#pragma once

#include <cstdint>

namespace chart {

// Where the chart is drawn: an area with its own scale, 0 to ScaleWidth()
// from left to right and 0 to ScaleHeight() from top to bottom, on which
// single points are set. Points outside the scale are clipped by the surface.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    virtual void Clear() = 0;
    // colour is 0x00BBGGRR.
    virtual void SetPoint(float x, float y, std::uint32_t colour) = 0;

protected:
    DrawingSurface() = default;
    DrawingSurface(const DrawingSurface&) = default;
    DrawingSurface& operator=(const DrawingSurface&) = default;
};

} // namespace chart
