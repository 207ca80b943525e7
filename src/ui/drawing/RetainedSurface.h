#pragma once

#include "chart/DrawingSurface.h"

#include <QImage>
#include <QSize>

namespace ui {

// The chart's points set in an image (ChartDrawing.h), which the chart area
// keeps, so that curves outlive the area being covered or minimised until the
// next chart clears them.
//
// The image has the device's resolution. The scale runs over the centres of
// the outermost dots, so a point at the top of the scale lights the top pixel
// row and one at the bottom the bottom row, and the middle of an odd-sized
// area is its middle pixel. A point fills one logical pixel (ratio x ratio
// device pixels) but is placed at device resolution: at ratio 2 and above the
// curves keep their one-pixel weight and lose the staircase of whole pixels.
//
// The image is made on first use: a window that shows no chart yet does not
// carry one (about 0.7 MiB at ratio 1, four times that at ratio 2).
class RetainedSurface final : public chart::DrawingSurface {
public:
    RetainedSurface(QSize logicalSize, qreal devicePixelRatio);

    // The vertical scale is the area's height in twips, as the area had
    // before it was given a horizontal scale; only its ends and middle matter.
    void SetScaleWidth(double width);
    double ScaleWidth() const override { return scaleWidth; }
    double ScaleHeight() const override { return scaleHeight; }
    void Clear() override;
    void SetPoint(float x, float y, std::uint32_t colour) override;

    // Black until something is drawn.
    const QImage& Image() const;
    bool HasImage() const { return !image.isNull(); }
    qreal DevicePixelRatio() const { return ratio; }

    // Logical pixel at the centre of which scale position x or y lies.
    int LogicalX(double x) const;
    int LogicalY(double y) const;

private:
    void UpdateFactors();
    void MakeImage() const;

    QSize logicalSize;
    qreal ratio;
    QSize devicePixels;
    double scaleWidth;
    double scaleHeight;
    mutable QImage image;
    int dot = 1;
    double xFactor = 0.0;
    double yFactor = 0.0;
};

} // namespace ui
