#include "ui/chart/ComparisonPicture.h"

#include "chart/ChartPlot.h"
#include "chart/DateComposition.h"
#include "chart/LineStyle.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/RetainedSurface.h"

#include <QPainter>

#include <vector>

namespace ui {

QImage ComparisonPicture(const ChartArea& area, std::chrono::year_month_day secondBirth)
{
    const qreal ratio = area.devicePixelRatioF();
    RetainedSurface second(area.size(), ratio);
    second.SetScaleWidth(area.ScaleWidth());
    second.Clear();
    if (area.Shown()) {
        // Dashes of 5 logical pixels with gaps of 4, measured along each
        // curve, whatever the cycle's own line style.
        chart::StyledSurface dashed(
            second, (area.width() - 1) / area.ScaleWidth(), (area.height() - 1) / area.ScaleHeight(), 1.0);
        dashed.StartCurve(std::vector<double> { 5.0, 4.0 });
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
    // Six curves reach the top and bottom rows and cross 0% near the right
    // edge often enough to run through the percent labels: those stand on
    // black here.
    QPainter painter(&picture);
    area.DrawFrame(painter, true);
    return picture;
}

} // namespace ui
