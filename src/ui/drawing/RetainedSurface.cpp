#include "ui/drawing/RetainedSurface.h"

#include "ui/Look.h"

#include <algorithm>
#include <cmath>

namespace ui {

RetainedSurface::RetainedSurface(QSize logicalSize, qreal devicePixelRatio)
    : logicalSize(logicalSize)
    , ratio(devicePixelRatio > 0 ? devicePixelRatio : 1.0)
    , devicePixels(std::max(1, qRound(logicalSize.width() * ratio)), std::max(1, qRound(logicalSize.height() * ratio)))
    , scaleWidth(static_cast<double>(logicalSize.width()) * kTwipsPerPixel)
    , scaleHeight(static_cast<double>(logicalSize.height()) * kTwipsPerPixel)
    , dot(std::clamp(qRound(ratio), 1, std::min(devicePixels.width(), devicePixels.height())))
{
    UpdateFactors();
}

void RetainedSurface::MakeImage() const
{
    image = QImage(devicePixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
}

const QImage& RetainedSurface::Image() const
{
    if (image.isNull())
        MakeImage();
    return image;
}

void RetainedSurface::SetScaleWidth(double width)
{
    // A scale that is not a positive finite width is refused and the old one
    // kept; the walk over such a scale would never end.
    if (!(width > 0.0) || !std::isfinite(width))
        return;
    scaleWidth = width;
    UpdateFactors();
}

void RetainedSurface::UpdateFactors()
{
    xFactor = std::max(0, devicePixels.width() - dot) / scaleWidth;
    yFactor = std::max(0, devicePixels.height() - dot) / scaleHeight;
}

void RetainedSurface::Clear()
{
    if (image.isNull())
        MakeImage();
    else
        image.fill(Qt::black);
}

void RetainedSurface::SetPoint(float x, float y, std::uint32_t colour)
{
    // Written so that a NaN falls outside too.
    if (!(x >= 0.0f && x <= scaleWidth && y >= 0.0f && y <= scaleHeight))
        return;
    const int left = static_cast<int>(std::lround(x * xFactor));
    const int top = static_cast<int>(std::lround(y * yFactor));
    const QRgb rgb = RgbFromBgr(colour);
    if (image.isNull())
        MakeImage();
    for (int row = top; row < top + dot; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        std::fill(line + left, line + left + dot, rgb);
    }
}

int RetainedSurface::LogicalX(double x) const
{
    return static_cast<int>(std::lround(x / scaleWidth * (logicalSize.width() - 1)));
}

int RetainedSurface::LogicalY(double y) const
{
    return static_cast<int>(std::lround(y / scaleHeight * (logicalSize.height() - 1)));
}

} // namespace ui
