#include "ui/chart/ComparisonPicture.h"

#include "chart/ChartPlot.h"
#include "chart/DateComposition.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/RetainedSurface.h"

#include <QPainter>

#include <cmath>

namespace ui {
namespace {

// Passes on only the points that fall on a dash: a dash is measured along
// the curve in logical pixels, so that it keeps its length where the curve
// is steep as well as where it is flat.
class DashedSurface final : public chart::DrawingSurface {
public:
    DashedSurface(chart::DrawingSurface& target, double pixelsPerX, double pixelsPerY)
        : target(target)
        , pixelsPerX(pixelsPerX)
        , pixelsPerY(pixelsPerY)
    { }

    double ScaleWidth() const override { return target.ScaleWidth(); }
    double ScaleHeight() const override { return target.ScaleHeight(); }
    void Clear() override { target.Clear(); }
    void SetPoint(float x, float y, std::uint32_t colour) override
    {
        const double px = x * pixelsPerX;
        const double py = y * pixelsPerY;
        const double step = std::hypot(px - lastX, py - lastY);
        // A jump is the start of another curve: its first dash starts whole.
        travelled = step > kJump ? 0.0 : travelled + step;
        lastX = px;
        lastY = py;
        if (std::fmod(travelled, kDash + kGap) < kDash)
            target.SetPoint(x, y, colour);
    }

private:
    static constexpr double kDash = 5.0;
    static constexpr double kGap = 4.0;
    static constexpr double kJump = 8.0;

    chart::DrawingSurface& target;
    double pixelsPerX;
    double pixelsPerY;
    double lastX = -1e9;
    double lastY = -1e9;
    double travelled = 0.0;
};

} // namespace

QImage ComparisonPicture(const ChartArea& area, std::chrono::year_month_day secondBirth)
{
    const qreal ratio = area.devicePixelRatioF();
    RetainedSurface second(area.size(), ratio);
    second.SetScaleWidth(area.ScaleWidth());
    second.Clear();
    if (area.Shown()) {
        DashedSurface dashed(second, (area.width() - 1) / area.ScaleWidth(), (area.height() - 1) / area.ScaleHeight());
        chart::ChartPlot(dashed).DrawCycles(chart::DaysSinceBirth(secondBirth, area.Shown()->report));
    }

    // The first person's points over the second's: the curves are single
    // opaque points on black, so every lit point of the first chart wins.
    QImage picture = second.Image().convertToFormat(QImage::Format_RGB32);
    const QImage first = area.Picture().convertToFormat(QImage::Format_RGB32);
    if (first.size() == picture.size()) {
        for (int row = 0; row < picture.height(); ++row) {
            const auto* from = reinterpret_cast<const QRgb*>(first.constScanLine(row));
            auto* to = reinterpret_cast<QRgb*>(picture.scanLine(row));
            for (int column = 0; column < picture.width(); ++column)
                if (qRgb(0, 0, 0) != (from[column] | 0xFF000000u))
                    to[column] = from[column];
        }
    }
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    area.DrawFrame(painter);
    return picture;
}

} // namespace ui
